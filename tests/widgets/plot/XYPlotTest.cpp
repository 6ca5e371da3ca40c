// The plot drawn offscreen: frame and axis geometry, series pixels,
// clipping, markers, zoom, pan and undo with the mouse, the X cursor.
#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

#include "widgets/plot/Sgr_data.h"
#include "widgets/plot/Sgr_def.h"

namespace {

const QColor kRed(255, 0, 0);

void setUp(Tsp_XYPlot& plot, int w = 300, int h = 200) {
    plot.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    plot.resize(w, h);
}

bool isColour(const QImage& img, int x, int y, const QColor& c) {
    return QColor(img.pixel(x, y)).rgb() == c.rgb();
}

int countColour(const QImage& img, const QRect& r, const QColor& c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += isColour(img, x, y, c);
    return n;
}

// Dark pixels in r: the ink of text drawn there.
int ink(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(img.pixel(x, y)) < 100;
    return n;
}

void sendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, buttons, mods);
    QApplication::sendEvent(&w, &e);
}

void drag(QWidget& w, QPoint from, QPoint to, Qt::KeyboardModifiers mods) {
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, mods);
    QPoint mid = (from + to) / 2;
    sendMouse(w, QEvent::MouseMove, mid, Qt::NoButton, Qt::LeftButton, mods);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, mods);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, mods);
}

Tsp_XYLine* redLine(Tsp_XYPlot& plot) {
    auto* line = new Tsp_XYLine(&plot);
    line->LineAttr.SetColor(kRed);
    line->SetPlot(&plot);
    return line;
}

}  // namespace

class XYPlotTest : public QObject {
    Q_OBJECT
private slots:
    void axisLinesSitAroundTheField();
    void ticksAndGridFollowTheScale();
    void horizontalSeriesPaintsItsRow();
    void seriesOutsideTheRangeDrawsNothing();
    void farEndsClampOrSkipTheSegment();
    void pointsThatAreNoNumberBreakTheLine();
    void seriesDrawsAgainstItsOwnAxes();
    void markersInsideTheFieldOnly();
    void markerSizesReadBackOdd();
    void seriesEditsAndRepaints();
    void axisLimitWriters();
    void automaticLimitsWithMargin();
    void zoomByDragAndUndoByClick();
    void zoomRefusals();
    void axisZoomEventDecides();
    void panFollowsTheMouse();
    void xCursorInvertsItsColumn();
    void rubberBandShowsWhileZooming();
    void spectrumLinesAndMarkers();
    void bordersAndCaptions();
    void quickAddDrawsIncrementally();
    void copiesAndSmallSurfaces();
};

void XYPlotTest::axisLinesSitAroundTheField() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().LineAttr.SetWidth(2);
    QImage img = plot.PlotImage();
    plot.Arrange();
    const int fl = plot.FieldLeft(), ft = plot.FieldTop(), fr = plot.FieldRight(), fb = plot.FieldBottom();
    QVERIFY(fr - fl > 100 && fb - ft > 80);
    // The left line is two pixels wide, growing leftward from field left - 1;
    // the bottom line runs under the field and reaches under the left line.
    for (int y = ft; y < fb; y += 7) {
        QVERIFY(isColour(img, fl - 1, y, Qt::black));
        QVERIFY(isColour(img, fl - 2, y, Qt::black));
    }
    for (int x = fl - 2; x < fr; x += 5) QVERIFY2(isColour(img, x, fb, Qt::black), qPrintable(QString::number(x)));
    // Right and top lines: one pixel, just outside the field.
    QVERIFY(isColour(img, fr, (ft + fb) / 2, Qt::black));
    QVERIFY(isColour(img, (fl + fr) / 2, ft - 1, Qt::black));
    QVERIFY(!isColour(img, fr + 1, (ft + fb) / 2, Qt::black));
    // The field is white inside.
    QVERIFY(isColour(img, fl + 3, ft + 3, Qt::white));
    // Margins of 4 plus the widest left label and its gap.
    const QFontMetrics fm(plot.font());
    int band = 2 + 3 * fm.horizontalAdvance('0') + 5;  // five ticks: the widest label is "2.5"
    QCOMPARE(fl, band + 4);
}

void XYPlotTest::ticksAndGridFollowTheScale() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.BottomAxis().SetTicksCount(11);
    plot.BottomAxis().GridAttr.SetColor(QColor(0, 0, 255));
    QImage img = plot.PlotImage();
    plot.Arrange();
    const int fl = plot.FieldLeft(), fr = plot.FieldRight(), fb = plot.FieldBottom();
    const double len = fr - fl - 1;
    const Tsp_Axis& b = plot.BottomAxis();
    QCOMPARE(int(b.Count), 11);
    for (int i = 0; i <= 10; ++i) {
        int x = int(std::nearbyint(fl + i * len / 10));
        QCOMPARE(int(b.TickPos[i]), x);
        // A mark 4 pixels down from under the line, then a gap.
        for (int d = 1; d <= 4; ++d) QVERIFY(isColour(img, x, fb + d, Qt::black));
        QVERIFY(!isColour(img, x, fb + 5, Qt::black));
        // Grid lines only strictly inside the field.
        bool inside = x > fl && x < fr - 1;
        QCOMPARE(isColour(img, x, plot.FieldTop() + 5, QColor(0, 0, 255)), inside);
    }
    // Labels are drawn below the marks, centred on the tick of "5".
    QVERIFY(ink(img, QRect(b.TickPos[5] - 6, fb + 5, 13, 14)) > 3);
}

void XYPlotTest::horizontalSeriesPaintsItsRow() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().SetMinMax(-5, 5);
    auto* line = redLine(plot);
    line->AddXY(0, 0);
    line->AddXY(10, 0);
    QImage img = plot.PlotImage();
    plot.Arrange();
    int row = plot.LeftAxis().V2P(0);
    QCOMPARE(row, int(std::nearbyint(plot.LeftAxis().OY - plot.LeftAxis().Len / 2.0)));
    for (int x = plot.FieldLeft(); x < plot.FieldRight(); ++x) QVERIFY(isColour(img, x, row, kRed));
    QCOMPARE(countColour(img, QRect(0, 0, img.width(), row), kRed), 0);
    QCOMPARE(countColour(img, QRect(0, row + 1, img.width(), img.height() - row - 1), kRed), 0);

    // A wider pen covers the rows around it; a hidden line draws nothing.
    line->LineAttr.SetWidth(3);
    img = plot.PlotImage();
    QVERIFY(isColour(img, 50, row - 1, kRed) && isColour(img, 50, row + 1, kRed));
    line->LineAttr.SetVisible(false);
    img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
}

void XYPlotTest::seriesOutsideTheRangeDrawsNothing() {
    Tsp_XYPlot plot;
    setUp(plot);
    auto* line = redLine(plot);
    line->PointAttr.SetVisible(true);
    line->PointAttr.SetColor(kRed);
    line->PointAttr.SetBorderColor(kRed);
    // Wholly left of the bottom axis: its segment would even cross the field
    // if the rule did not drop the whole series first.
    line->AddXY(-30, -20);
    line->AddXY(-0.5, 30);
    QImage img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
    // One point inside brings the whole line back.
    line->AddXY(5, 5);
    img = plot.PlotImage();
    QVERIFY(countColour(img, img.rect(), kRed) > 10);
    line->Clear();
    img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
}

void XYPlotTest::farEndsClampOrSkipTheSegment() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().SetMinMax(-5, 5);
    auto* line = redLine(plot);
    line->AddXY(5, 0);
    line->AddXY(1e12, 1e12);  // maps to (16383, -16383): straight up-right in pixels
    QImage img = plot.PlotImage();
    plot.Arrange();
    int px = plot.BottomAxis().V2P(5), py = plot.LeftAxis().V2P(0);
    // The true direction would climb about two rows for every three columns;
    // toward the clamped end it climbs one row per column.
    for (int d = 2; d <= 20; ++d) {
        bool near = false;
        for (int y = py - d - 1; y <= py - d + 1; ++y) near = near || isColour(img, px + d, y, kRed);
        QVERIFY2(near, qPrintable(QString::number(d)));
    }
    // Nothing outside the field.
    QCOMPARE(countColour(img, QRect(0, 0, img.width(), plot.FieldTop()), kRed), 0);

    // Both ends far: skipped, though the true segment crosses the field.
    line->Clear();
    line->AddXY(-1e12, 0);
    line->AddXY(1e12, 0);
    img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
}

void XYPlotTest::pointsThatAreNoNumberBreakTheLine() {
    Tsp_XYPlot plot;
    setUp(plot);
    auto* line = redLine(plot);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    line->AddXY(1, 2);
    line->AddXY(3, nan);
    line->AddXY(5, 2);
    line->AddXY(7, 2);
    double v;
    QVERIFY(line->GetYMax(v));
    QCOMPARE(v, 2.0);
    QImage img = plot.PlotImage();
    plot.Arrange();
    int row = plot.LeftAxis().V2P(2);
    // No segment to or from the missing point; the 5..7 piece is drawn.
    QVERIFY(!isColour(img, plot.BottomAxis().V2P(2), row, kRed));
    QVERIFY(isColour(img, plot.BottomAxis().V2P(6), row, kRed));
    // A series of nothing but such points has no extent and draws nothing.
    line->Clear();
    line->AddXY(nan, nan);
    line->AddXY(nan, 1);
    QVERIFY(!line->GetXMin(v));
    img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
}

void XYPlotTest::seriesDrawsAgainstItsOwnAxes() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().SetMinMax(-5, 5);
    plot.RightAxis().SetMinMax(0, 10);
    plot.TopAxis().SetMinMax(0, 20);
    auto* line = redLine(plot);
    line->AddXY(0, 2);
    line->AddXY(20, 2);
    line->SetYAxis(dsyRight);
    QImage img = plot.PlotImage();
    plot.Arrange();
    const int x = plot.BottomAxis().V2P(5);
    QVERIFY(isColour(img, x, plot.RightAxis().V2P(2), kRed));
    QVERIFY(!isColour(img, x, plot.LeftAxis().V2P(2), kRed));

    // Moved to an automatic axis, the series fits it; the axis had no data before.
    line->Clear();
    line->AddXY(4, 1);
    line->AddXY(4, 9);
    plot.TopAxis().SetAutoMax(true);
    QCOMPARE(plot.TopAxis().Max(), 20.0);
    line->SetXAxis(dsxTop);
    QCOMPARE(plot.TopAxis().Max(), 4 + 0.025 * 4);
    QCOMPARE(plot.BottomAxis().Max(), 10.0);
    img = plot.PlotImage();
    plot.Arrange();
    const int y = plot.RightAxis().V2P(5);
    QVERIFY(isColour(img, plot.TopAxis().V2P(4), y, kRed));
    QVERIFY(!isColour(img, plot.BottomAxis().V2P(4), y, kRed));
}

void XYPlotTest::markersInsideTheFieldOnly() {
    Tsp_XYPlot plot;
    setUp(plot);
    auto* line = redLine(plot);
    line->LineAttr.SetVisible(false);
    line->PointAttr.SetVisible(true);
    line->PointAttr.SetColor(kRed);
    line->PointAttr.SetBorderColor(QColor(0, 128, 0));
    plot.PlotImage();  // lays the axes out
    plot.Arrange();
    // A second point whose marker centre lies one pixel right of the field:
    // its left border would fall inside the field if it were drawn.
    const double beyond = plot.BottomAxis().P2V(plot.FieldRight() + 1);
    line->AddXY(5, 5);
    line->AddXY(beyond, 5);
    QImage img = plot.PlotImage();
    int x = plot.BottomAxis().V2P(5), y = plot.LeftAxis().V2P(5);
    // The default box: 2 left, 3 right, rows y - 2 to y + 2; filled inside a border.
    QVERIFY(isColour(img, x, y, kRed));
    QVERIFY(isColour(img, x - 2, y, QColor(0, 128, 0)));
    QVERIFY(isColour(img, x + 2, y, QColor(0, 128, 0)));
    QVERIFY(isColour(img, x, y - 2, QColor(0, 128, 0)));
    QVERIFY(!isColour(img, x + 3, y, QColor(0, 128, 0)));
    QCOMPARE(countColour(img, QRect(x - 3, y - 3, 7, 7), kRed), 3 * 3);
    QCOMPARE(countColour(img, QRect(plot.FieldRight() - 4, y - 4, 4, 9), QColor(0, 128, 0)), 0);

    // A custom kind without a handler draws nothing; with one, the handler draws.
    line->PointAttr.SetKind(ptCustom);
    img = plot.PlotImage();
    QCOMPARE(countColour(img, img.rect(), kRed), 0);
    int calls = 0;
    line->OnDrawCustomPoint = [&](Tsp_XYLine& l, double vx, double vy, int px, int py) {
        ++calls;
        QCOMPARE(vx, 5.0);
        QCOMPARE(vy, 5.0);
        l.Canvas()->fillRect(px, py, 1, 1, kRed);
    };
    img = plot.PlotImage();
    QCOMPARE(calls, 1);
    QVERIFY(isColour(img, x, y, kRed));
}

void XYPlotTest::markerSizesReadBackOdd() {
    Tsp_PointAttr a;
    QCOMPARE(a.HSize(), 5);
    QCOMPARE(a.VSize(), 5);
    a.SetHSize(4);
    QCOMPARE(a.HSize(), 5);
    a.SetHSize(6);
    QCOMPARE(a.HSize(), 7);
    QCOMPARE(a.Left(), 3);
    QCOMPARE(a.Right(), 4);
    a.SetVSize(-8);  // a negative size counts as 1
    QCOMPARE(a.VSize(), 1);
    a.SetBorderWidth(5);  // capped at the smaller half-extent
    QCOMPARE(a.BorderWidth(), 0);
    a.SetVSize(9);
    a.SetBorderWidth(5);
    QCOMPARE(a.BorderWidth(), 3);
    a.SetBorderWidth(-2);
    QCOMPARE(a.BorderWidth(), 1);
}

void XYPlotTest::seriesEditsAndRepaints() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    int paints = 0;
    plot.OnDrawEnd = [&](Tsp_XYPlot&) { ++paints; };
    auto* line = redLine(plot);
    for (int i = 0; i < 40; ++i) line->AddXY(i, i * i);
    QCOMPARE(line->Count(), 40);
    QCOMPARE(line->Capacity(), 64);
    QVERIFY(paints >= 40);  // each append painted before returning

    double v;
    QVERIFY(line->GetYMax(v));
    QCOMPARE(v, 39.0 * 39.0);
    line->ReplaceXY(39, 39, -7);
    QVERIFY(line->GetYMax(v));
    QCOMPARE(v, 38.0 * 38.0);
    QVERIFY(line->GetYMin(v));
    QCOMPARE(v, -7.0);

    line->InsertXY(1, 0.5, 100);
    QCOMPARE(line->Count(), 41);
    QCOMPARE(line->GetX(1), 0.5);
    QCOMPARE(line->GetX(2), 1.0);
    QCOMPARE(line->GetX(40), 39.0);
    line->InsertXY(42, 1, 1);  // past the end: ignored
    QCOMPARE(line->Count(), 41);

    int before = paints;
    line->Delete(line->Count() - 1);
    QCOMPARE(line->Count(), 40);
    QVERIFY(paints > before);
    before = paints;
    line->DeleteRange(line->Count() - 1, 30);  // reaches the last point: no repaint
    QCOMPARE(line->Count(), 30);
    QCOMPARE(paints, before);
    line->DeleteRange(2, 4);
    QCOMPARE(line->Count(), 27);
    QCOMPARE(line->GetX(2), 4.0);
    line->DeleteRange(-1, 3);  // lower index out of range
    QCOMPARE(line->Count(), 27);

    line->SetCapacity(10);
    QCOMPARE(line->Count(), 10);
    line->SetCapacity(40);
    QCOMPARE(line->Capacity(), 64);
    QVERIFY(line->GetXMax(v));
    QCOMPARE(v, 11.0);

    const double xs[] = {100, 101, 102}, ys[] = {-1, -2, -3};
    line->AddXYArrays(xs, ys, 3);
    QCOMPARE(line->Count(), 13);
    QVERIFY(line->GetXMax(v));
    QCOMPARE(v, 102.0);
    QVERIFY(line->GetYMin(v));
    QCOMPARE(v, -3.0);
    line->AddXYArrays(xs, ys, -4);
    QCOMPARE(line->Count(), 13);

    // A locked series paints nothing until unlocked.
    line->SetLockInvalidate(true);
    before = paints;
    line->AddXY(1, 1);
    QCOMPARE(paints, before);
    line->SetLockInvalidate(false);

    // The plot forgets a deleted series; a deleted plot is forgotten by its series.
    QCOMPARE(plot.GetSeriesCount(), 1);
    delete line;
    QCOMPARE(plot.GetSeriesCount(), 0);
    auto* other = new Tsp_XYLine;
    {
        Tsp_XYPlot shortLived;
        other->SetPlot(&shortLived);
    }
    QCOMPARE(other->Plot(), nullptr);
    other->AddXY(1, 1);
    delete other;
}

void XYPlotTest::axisLimitWriters() {
    Tsp_XYPlot plot;
    Tsp_Axis& b = plot.BottomAxis();
    b.SetMinMax(0, 15);
    b.SetMin(20);  // above the maximum: the old maximum becomes the minimum
    QCOMPARE(b.Min(), 15.0);
    QCOMPARE(b.Max(), 20.0);
    b.SetMinMax(5, 5);
    QCOMPARE(b.Min(), 5.0);
    QCOMPARE(b.Max(), 6.0);
    b.SetTicksCount(30);
    QCOMPARE(int(b.TicksRequested), 21);
    QVERIFY(b.TicksCount() <= 21);

    b.SetMinMax(0, 10);
    b.SetAutoMin(true);
    plot.StoreLimits();
    b.MoveMinMax(2.5);
    QCOMPARE(b.Min(), 2.5);
    QCOMPARE(b.Max(), 12.5);
    QVERIFY(!b.AutoMin());
    QVERIFY(!plot.LimitsStored());

    Tsp_XYPlot other;
    other.LeftAxis().SetMinMax(-3, 3);
    other.LeftAxis().SetCaption("y");
    other.LeftAxis().LineAttr.SetWidth(3);
    other.LeftAxis().SetInversed(true);
    plot.SetLeftAxis(other.LeftAxis());
    QCOMPARE(plot.LeftAxis().Min(), -3.0);
    QCOMPARE(plot.LeftAxis().Caption(), QString("y"));
    QCOMPARE(int(plot.LeftAxis().LineAttr.Width()), 3);
    QVERIFY(plot.LeftAxis().Inversed());
    QCOMPARE(plot.LeftAxis().V0, 3.0);  // the maximum sits at the origin
}

void XYPlotTest::automaticLimitsWithMargin() {
    Tsp_XYPlot plot;
    setUp(plot);
    auto* line = redLine(plot);
    line->AddXY(0, 20);
    line->AddXY(4, 100);
    plot.LeftAxis().SetAutoMin(true);
    plot.LeftAxis().SetAutoMax(true);
    QCOMPARE(plot.LeftAxis().Min(), 20 - 2.0);
    QCOMPARE(plot.LeftAxis().Max(), 100 + 2.0);
    line->AddXY(5, 140);
    QCOMPARE(plot.LeftAxis().Max(), 140 + 0.025 * 120);
    // The bottom axis is not automatic and keeps its limits.
    QCOMPARE(plot.BottomAxis().Max(), 10.0);
    // Only the flag that is set takes its limit from the data.
    plot.BottomAxis().SetAutoMax(true);
    QCOMPARE(plot.BottomAxis().Min(), 0.0);
    QCOMPARE(plot.BottomAxis().Max(), 5 + 0.025 * 5);
    // An explicit limit ends the automatic one.
    plot.LeftAxis().SetMax(50);
    QVERIFY(!plot.LeftAxis().AutoMax());
    line->AddXY(6, 500);
    QCOMPARE(plot.LeftAxis().Max(), 50.0);
    // A limit that is no number leaves the axis as it was.
    const double before = plot.LeftAxis().Min();
    plot.LeftAxis().SetMin(std::numeric_limits<double>::quiet_NaN());
    plot.LeftAxis().SetMax(std::numeric_limits<double>::infinity());
    QCOMPARE(plot.LeftAxis().Min(), before);
    QCOMPARE(plot.LeftAxis().Max(), 50.0);
}

void XYPlotTest::zoomByDragAndUndoByClick() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.grab();  // lays the axes out
    Tsp_Axis& b = plot.BottomAxis();
    Tsp_Axis& l = plot.LeftAxis();
    QPoint from(b.V2P(2) + 0, l.V2P(8)), to(b.V2P(6), l.V2P(3));
    double wantXLo = b.P2V(from.x()), wantXHi = b.P2V(to.x());
    double wantYLo = l.P2V(to.y()), wantYHi = l.P2V(from.y());
    drag(plot, from, to, Qt::ShiftModifier);
    QCOMPARE(plot.DragState(), 0);
    QCOMPARE(b.Min(), wantXLo);
    QCOMPARE(b.Max(), wantXHi);
    QCOMPARE(l.Min(), wantYLo);
    QCOMPARE(l.Max(), wantYHi);
    QVERIFY(plot.LimitsStored());

    // A second zoom, dragged right to left: the corners are put in order.
    plot.grab();
    QPoint a(b.V2P(5), l.V2P(7)), c(b.V2P(3), l.V2P(4));
    double lo = b.P2V(c.x() + 1), hi = b.P2V(a.x() + 1);
    drag(plot, a, c, Qt::ShiftModifier);
    QCOMPARE(b.Min(), lo);
    QCOMPARE(b.Max(), hi);

    // A Shift-click undoes both zooms at once.
    drag(plot, QPoint(100, 100), QPoint(101, 101), Qt::ShiftModifier);
    QCOMPARE(b.Min(), 0.0);
    QCOMPARE(b.Max(), 10.0);
    QCOMPARE(l.Max(), 10.0);
    QVERIFY(!plot.LimitsStored());

    // After an explicit limit there is nothing to undo.
    plot.grab();
    drag(plot, from, to, Qt::ShiftModifier);
    QVERIFY(b.Max() < 10);
    plot.TopAxis().SetMin(-1);
    double zoomedMax = b.Max();
    drag(plot, QPoint(100, 100), QPoint(100, 100), Qt::ShiftModifier);
    QCOMPARE(b.Max(), zoomedMax);
    QCOMPARE(plot.TopAxis().Min(), -1.0);

    // Only the directions asked for change.
    plot.BottomAxis().SetMinMax(0, 10);
    plot.LeftAxis().SetMinMax(0, 10);
    plot.Zoom = zpdHorizontal;
    plot.grab();
    drag(plot, from, to, Qt::ShiftModifier);
    QCOMPARE(l.Min(), 0.0);
    QCOMPARE(l.Max(), 10.0);
    QVERIFY(b.Max() < 10);
}

void XYPlotTest::zoomRefusals() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.grab();
    Tsp_Axis& b = plot.BottomAxis();
    // Two pixels high is no zoom, in either direction.
    plot.RectToLimits({50, 50, 120, 52}, zpdBoth);
    QCOMPARE(b.Max(), 10.0);
    QVERIFY(!plot.LimitsStored());
    // Wrong keys or another button: no drag.
    drag(plot, QPoint(60, 40), QPoint(150, 120), Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(b.Max(), 10.0);
    plot.Zoom = zpdNone;
    drag(plot, QPoint(60, 40), QPoint(150, 120), Qt::ShiftModifier);
    QCOMPARE(b.Max(), 10.0);
    // Zooming in again and again stops where the doubles run out, with a
    // valid range on the axis.
    plot.Zoom = zpdBoth;
    for (int i = 0; i < 40; ++i) {
        plot.grab();
        plot.RectToLimits({plot.FieldLeft() + 10, plot.FieldTop() + 10, plot.FieldLeft() + 13, plot.FieldTop() + 13},
                          zpdBoth);
        QVERIFY(b.Max() > b.Min());
        QVERIFY(std::isfinite(b.Factor));
    }
    QVERIFY(b.Range() < 1e-6);
    plot.RestoreLimits();
    QCOMPARE(b.Max(), 10.0);
}

void XYPlotTest::axisZoomEventDecides() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.grab();
    QStringList seen;
    plot.OnAxisZoom = [&](Tsp_Axis& axis, double& mn, double& mx, bool& canZoom) {
        seen << (&axis == &plot.BottomAxis() ? "bottom" : &axis == &plot.TopAxis() ? "top"
                 : &axis == &plot.LeftAxis() ? "left" : "right");
        QVERIFY(mn < mx);
        if (&axis == &plot.LeftAxis()) canZoom = false;
        if (&axis == &plot.BottomAxis()) {
            mn = 1;
            mx = 2;
        }
    };
    plot.RectToLimits({60, 30, 200, 120}, zpdBoth);
    QCOMPARE(seen, QStringList({"bottom", "top", "left", "right"}));
    QCOMPARE(plot.BottomAxis().Min(), 1.0);
    QCOMPARE(plot.BottomAxis().Max(), 2.0);
    QCOMPARE(plot.LeftAxis().Max(), 10.0);
    QVERIFY(plot.RightAxis().Max() < 10);
}

void XYPlotTest::panFollowsTheMouse() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.grab();
    Tsp_Axis& b = plot.BottomAxis();
    Tsp_Axis& l = plot.LeftAxis();
    const double xPerPixel = 1 / b.PixPerUnit, yPerPixel = 1 / l.PixPerUnit;
    const int step = b.Step;
    drag(plot, QPoint(100, 100), QPoint(130, 80), Qt::ControlModifier);
    // Dragged right and up: the view moves left and down by the same pixels.
    QCOMPARE(b.Min(), -30 * xPerPixel);
    QCOMPARE(b.Max(), b.Min() + 10);
    QCOMPARE(l.Min(), 20 * yPerPixel);
    QVERIFY(l.Min() < 0);
    QCOMPARE(b.Step, step);  // the ticks keep their step and phase
    QCOMPARE(b.TksDbl(0), 0.0);  // on the old multiples of 2.5
    QCOMPARE(b.TksDbl(1), 2.5);
    QVERIFY(plot.LimitsStored());
    drag(plot, QPoint(100, 100), QPoint(100, 100), Qt::ShiftModifier);
    QCOMPARE(b.Min(), 0.0);
    QCOMPARE(l.Min(), 0.0);

    plot.Pan = zpdVertical;
    drag(plot, QPoint(100, 100), QPoint(130, 80), Qt::ControlModifier);
    QCOMPARE(b.Min(), 0.0);
    QVERIFY(l.Min() < 0);
}

void XYPlotTest::xCursorInvertsItsColumn() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().GridAttr.SetVisible(false);
    plot.BottomAxis().GridAttr.SetVisible(false);
    plot.SetXCursorVal(2.5);
    QImage off = plot.grab().toImage();
    plot.SetXCursorOn(true);
    QImage on = plot.grab().toImage();
    int c = plot.BottomAxis().V2P(2.5);
    // White field turns black from one below the field top to two above its bottom.
    QVERIFY(isColour(off, c, plot.FieldTop() + 5, Qt::white));
    QVERIFY(isColour(on, c, plot.FieldTop() + 5, Qt::black));
    QVERIFY(isColour(on, c, plot.FieldTop() + 1, Qt::black));
    QVERIFY(isColour(on, c, plot.FieldTop(), Qt::white));
    QVERIFY(isColour(on, c, plot.FieldBottom() - 2, Qt::black));
    QVERIFY(isColour(on, c, plot.FieldBottom() - 1, Qt::white));
    QVERIFY(isColour(on, c + 1, plot.FieldTop() + 5, Qt::white));
    // Not in the copy of the plot.
    QVERIFY(isColour(plot.PlotImage(), c, plot.FieldTop() + 5, Qt::white));
    // On the field edge or outside: not drawn.
    plot.SetXCursorVal(0);
    QImage edge = plot.grab().toImage();
    QCOMPARE(edge, off);
    plot.SetXCursorVal(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(plot.grab().toImage(), off);
}

void XYPlotTest::rubberBandShowsWhileZooming() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().GridAttr.SetVisible(false);
    plot.BottomAxis().GridAttr.SetVisible(false);
    plot.grab();  // lays the axes out
    const QPoint from(plot.FieldLeft() + 20, plot.FieldTop() + 20), to(plot.FieldLeft() + 80, plot.FieldTop() + 60);
    sendMouse(plot, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(plot, QEvent::MouseMove, from + QPoint(2, 2), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(plot.DragState(), 1);  // within 3 pixels: still a click
    sendMouse(plot, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(plot.DragState(), 2);
    QImage during = plot.grab().toImage();
    // The dotted outline inverts white field pixels along its edges only.
    int inverted = countColour(during, QRect(from.x(), from.y(), to.x() - from.x() + 1, 1), Qt::black);
    QVERIFY(inverted >= (to.x() - from.x()) / 3);
    QCOMPARE(countColour(during, QRect(from.x() + 2, from.y() + 2, 50, 30), Qt::black), 0);
    sendMouse(plot, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    QCOMPARE(plot.DragState(), 0);
    QVERIFY(plot.BottomAxis().Max() < 10);
    QCOMPARE(countColour(plot.grab().toImage(), QRect(from.x(), from.y(), to.x() - from.x(), 1), Qt::black), 0);
}

namespace {

// Fills a square of its colour around a point, recording the draw order.
class SquareMarker : public Tsp_PlotMarker {
public:
    SquareMarker(QColor c, QStringList* log, QString name) : colour(c), log_(log), name_(std::move(name)) {}
    void Draw(QPainter& p) override {
        *log_ << name_;
        Tsp_XYPlot* plot = Plot();
        int x = plot->BottomAxis().V2P(5), y = plot->LeftAxis().V2P(5);
        p.fillRect(x - 5, y - 5, 11, 11, colour);
    }
    QColor colour;

private:
    QStringList* log_;
    QString name_;
};

}  // namespace

void XYPlotTest::spectrumLinesAndMarkers() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.LeftAxis().SetMinMax(-5, 5);
    auto* spectrum = new Tsp_SpectrLines(&plot);
    spectrum->LineAttr.SetColor(kRed);
    spectrum->SetPlot(&plot);
    spectrum->SetBaseYValue(-2);
    spectrum->AddXY(3, 4);
    QImage img = plot.PlotImage();
    int x = plot.BottomAxis().V2P(3), base = plot.LeftAxis().V2P(-2), tip = plot.LeftAxis().V2P(4);
    for (int y = tip; y <= base; ++y) QVERIFY(isColour(img, x, y, kRed));
    QVERIFY(!isColour(img, x, tip - 2, kRed));
    // The base line crosses the field at the base value.
    QVERIFY(isColour(img, plot.FieldLeft() + 2, base, kRed));
    double v;
    QVERIFY(spectrum->GetYMin(v));
    QCOMPARE(v, -2.0);
    delete spectrum;

    QStringList log;
    auto* late = new SquareMarker(QColor(0, 0, 255), &log, "after");
    auto* early = new SquareMarker(QColor(0, 255, 0), &log, "before");
    early->SetWhenDraw(dmBeforeSeries);
    late->SetPlot(&plot);
    early->SetPlot(&plot);
    auto* line = redLine(plot);
    line->AddXY(0, 5);
    line->AddXY(10, 5);
    img = plot.PlotImage();
    QCOMPARE(log, QStringList({"before", "after"}));
    int mx = plot.BottomAxis().V2P(5), my = plot.LeftAxis().V2P(5);
    QVERIFY(isColour(img, mx, my, QColor(0, 0, 255)));  // drawn over the series
    late->SetVisible(false);
    img = plot.PlotImage();
    QVERIFY(isColour(img, mx, my, kRed));                  // the series over the early marker
    QVERIFY(isColour(img, mx, my + 3, QColor(0, 255, 0)));
    delete early;
    QVERIFY(plot.MarkerList(dmBeforeSeries).empty());
    QCOMPARE(plot.MarkerList(dmAfterSeries).size(), size_t(1));
    delete late;
}

void XYPlotTest::bordersAndCaptions() {
    Tsp_XYPlot plot;
    setUp(plot);
    plot.SetColor(QColor(200, 200, 0));
    const int midY = plot.height() / 2;
    QImage img = plot.PlotImage();
    QVERIFY(isColour(img, 0, midY, QColor(200, 200, 0)));
    QVERIFY(isColour(img, 1, midY, QColor(200, 200, 0)));
    plot.SetBorderStyle(bs_BoldRect);
    img = plot.PlotImage();
    QVERIFY(isColour(img, 0, midY, Qt::black) && isColour(img, 1, midY, Qt::black));
    QVERIFY(isColour(img, plot.width() - 2, midY, Qt::black) && isColour(img, 150, plot.height() - 1, Qt::black));
    QVERIFY(!isColour(img, 2, midY, Qt::black));
    plot.SetBorderStyle(bs_BlackRect);
    img = plot.PlotImage();
    QVERIFY(isColour(img, 0, midY, Qt::black) && isColour(img, 1, midY, QColor(200, 200, 0)));

    // A bottom caption lies below the bottom margin line, centred on the field;
    // a caption of blanks draws nothing.
    plot.SetBorderStyle(bs_None);
    plot.BottomAxis().SetMargin(24);
    plot.BottomAxis().SetCaption("   ");
    img = plot.PlotImage();
    const QRect captionBox(0, plot.height() - 24, plot.width(), 22);
    QCOMPARE(ink(img, captionBox), 0);
    plot.BottomAxis().SetCaption("Time");
    img = plot.PlotImage();
    plot.Arrange();
    QVERIFY(ink(img, captionBox) > 10);
    int centre = (plot.FieldLeft() + plot.FieldRight()) / 2;
    QCOMPARE(ink(img, QRect(0, plot.height() - 24, centre - 40, 22)), 0);
    QVERIFY(ink(img, QRect(centre - 20, plot.height() - 24, 40, 22)) > 10);
    // A left caption turned upright sits in the left margin.
    plot.LeftAxis().SetMargin(24);
    plot.LeftAxis().SetCaption("Value");
    img = plot.PlotImage();
    QVERIFY(ink(img, QRect(2, 0, 20, plot.height() - 30)) > 10);
}

void XYPlotTest::quickAddDrawsIncrementally() {
    for (bool buffered : {false, true}) {
        Tsp_XYPlot plot;
        setUp(plot);
        plot.SetBufferedDisplay(buffered);
        plot.LeftAxis().SetMinMax(-5, 5);
        auto* line = redLine(plot);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.repaint();
        int paints = 0;
        plot.OnDrawEnd = [&](Tsp_XYPlot&) { ++paints; };
        for (int i = 0; i <= 10; ++i) line->QuickAddXY(i, 0);
        QCOMPARE(paints, 0);  // nothing painted while appending
        QCOMPARE(line->Count(), 11);
        // The appends asked for a paint, which comes with the events; after it
        // the next append asks again.
        QTRY_VERIFY(paints > 0);
        const int painted = paints;
        line->QuickAddXY(5, 1);
        QTRY_VERIFY(paints > painted);
        QImage img = plot.grab().toImage();
        int row = plot.LeftAxis().V2P(0);
        for (int x = plot.FieldLeft(); x < plot.FieldRight(); x += 9) QVERIFY(isColour(img, x, row, kRed));
        // The axes do not follow a fast append.
        line->QuickAddXY(20, 20);
        QCOMPARE(plot.BottomAxis().Max(), 10.0);
    }
}

void XYPlotTest::copiesAndSmallSurfaces() {
    Tsp_XYPlot plot;
    setUp(plot);
    auto* line = redLine(plot);
    line->AddXY(0, 0);
    line->AddXY(10, 10);
    QByteArray svg = plot.PlotSvg();
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("polyline") || svg.contains("path"));
    plot.CopyToClipboardMetafile();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime && !mime->formats().isEmpty()) QCOMPARE(mime->data("image/svg+xml"), svg);
    plot.CopyToClipboardBitmap();
    QImage clip = QApplication::clipboard()->image();
    if (!clip.isNull()) QCOMPARE(clip.size(), plot.size());

    QImage tiny(9, 40, QImage::Format_ARGB32);
    tiny.fill(Qt::green);
    {
        QPainter p(&tiny);
        plot.DrawPlot(p, 9, 40);
    }
    QCOMPARE(countColour(tiny, tiny.rect(), Qt::green), 9 * 40);
    // A plot too small for its axes still draws a field of three by three.
    plot.resize(30, 25);
    QImage small = plot.PlotImage();
    plot.Arrange();
    QCOMPARE(plot.FieldRight() - plot.FieldLeft(), 3);
    QCOMPARE(small.size(), QSize(30, 25));
}

QTEST_MAIN(XYPlotTest)
#include "XYPlotTest.moc"

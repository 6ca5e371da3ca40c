#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/Charts.h"
#include "assets/pictures/gifgen/GeometryFigures.h"

namespace kv::gifgen {

namespace {

constexpr int kWidth = 810;
constexpr int kMargin = 15;
constexpr int kCellH = 104;
constexpr int kCellW = 260;
constexpr int kColumns = 3;

void drawCell(QPainter& p, QRect cell, const Figure& figure) {
    p.setPen(QPen(colours::rule, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(cell).adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
    p.save();
    p.translate(cell.x() + 8, cell.y() + 10);
    figure.draw(p);
    p.restore();
    const QRect text(cell.x() + 104, cell.y() + 8, cell.width() - 110, cell.height() - 14);
    p.setPen(colours::accent);
    p.setFont(font(13, true));
    p.drawText(QRect(text.x(), text.y(), text.width(), 20), Qt::AlignLeft | Qt::AlignVCenter, figure.name);
    p.setPen(colours::ink);
    int y = text.y() + 24;
    for (const QString& line : figure.formulas) {
        drawFitted(p, QRect(text.x(), y, text.width(), 18), Qt::AlignLeft | Qt::AlignVCenter, line, font(12));
        y += 18;
    }
}

// Cell i of a grid whose first row starts at `top`, filled row by row.
QRect gridCell(int top, int i) {
    return QRect(kMargin + (i % kColumns) * kCellW, top + (i / kColumns) * kCellH, kCellW, kCellH);
}

int gridRows(qsizetype cells) {
    return int((cells + kColumns - 1) / kColumns);
}

int drawGrid(QPainter& p, int y, const QList<Figure>& figures) {
    for (int i = 0; i < figures.size(); ++i)
        drawCell(p, gridCell(y, i), figures[i]);
    return y + gridRows(figures.size()) * kCellH;
}

void drawLegend(QPainter& p, QRect cell) {
    p.setPen(Qt::NoPen);
    p.setBrush(colours::accentLight);
    p.drawRoundedRect(QRectF(cell).adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
    p.setPen(colours::ink);
    p.setFont(font(11));
    p.drawText(cell.adjusted(12, 8, -8, -6), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("a, b, c — edges and sides\nh — height, l — slant height\nr, R — radii, d — diagonal "
                              "or diameter\nS — area, P — perimeter, V — volume"));
}

}  // namespace

QImage drawGeometryChart() {
    const QList<Figure> plane = planeFigures();
    const QList<Figure> solid = solidFigures();
    // The legend takes the cell after the last solid.
    const int rows = gridRows(plane.size()) + gridRows(solid.size() + 1);
    const int height = 76 + 2 * 30 + rows * kCellH + 12;
    QImage image = paper(kWidth, height);
    QPainter p(&image);
    preparePainter(p);
    const int inner = kWidth - 2 * kMargin;
    int y = drawTitle(p, kMargin, 12, inner, QStringLiteral("Geometric formulas"),
                      QStringLiteral("Areas and perimeters of plane figures, volumes and surfaces of solids"));
    y = drawHeading(p, kMargin, y, inner, QStringLiteral("Plane figures: area S, perimeter P"));
    y = drawGrid(p, y, plane) + 6;
    y = drawHeading(p, kMargin, y, inner, QStringLiteral("Solids: volume V, total surface S"));
    drawGrid(p, y, solid);
    drawLegend(p, gridCell(y, int(solid.size())));
    return image;
}

}  // namespace kv::gifgen

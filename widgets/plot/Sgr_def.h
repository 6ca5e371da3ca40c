#pragma once
// The XY plot control: a field framed by four axes, into which data series
// and markers draw. Shift + left drag zooms to a rectangle, Ctrl + left drag
// pans, a Shift-click undoes every zoom and pan since the first one.
//
//     Tsp_XYPlot plot;
//     auto* line = new Tsp_XYLine(&plot);   // joins the plot's series
//     line->SetPlot(&plot);
//     line->AddXY(0, 0);                    // repaints at once
//     plot.LeftAxis().SetMinMax(-8, 10);
#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QCursor>
#include <QPoint>
#include <QWidget>

#include "widgets/plot/Sgr_misc.h"
#include "widgets/plot/Sgr_scale.h"

class Tsp_DataSeries;
class Tsp_XYLine;
class Tsp_PlotMarker;
class Tsp_XYPlot;
class QPainter;

enum Tsp_zpDirections { zpdNone, zpdHorizontal, zpdVertical, zpdBoth };
enum Tsp_ShiftKey { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using Tsp_ShiftKeys = int;  // a set of Tsp_ShiftKey
enum Tsp_BorderStyle { bs_None, bs_Raised, bs_Lowered, bs_Gutter, bs_BlackRect, bs_BoldRect, bs_FocusRect };
enum Tsp_WhatXAxis { dsxBottom, dsxTop };
enum Tsp_WhatYAxis { dsyLeft, dsyRight };
enum TIP_Reason { rsDataChanged, rsAttrChanged };
enum Tsp_WhenDrawMarker { dmBeforeSeries, dmAfterSeries };

class Tsp_Axis : public Tsp_Scale {
public:
    Tsp_Axis(Tsp_XYPlot* plot, uint32_t flags);

    // Explicit limits: clear the automatic flag and forget the zoom undo.
    void SetMin(double v);
    void SetMax(double v);
    void SetMinMax(double mn, double mx);
    void MoveMinMax(double delta);
    void SetTicksCount(int n);

    int Margin() const { return margin_; }
    void SetMargin(int m);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    void SetLabelFormat(const QString& f);
    // True when the caption holds something visible to draw.
    bool HasCaption() const { return captionVisible_; }

    void SetInversed(bool v) { SetFlagBit(bitInversed, v); }
    void SetNoTicksLabel(bool v) { SetFlagBit(bitNoTicksLabel, v); }
    void SetTicksAdjusted(bool v) { ReSetFlagBit(bitNoTicksAdjust, v); }
    void SetTicksLines(bool v) { ReSetFlagBit(bitNoTicksLines, v); }
    bool AutoMin() const { return GetFlagBit(bitAutoMin); }
    void SetAutoMin(bool v) { SetFlagBit(bitAutoMin, v); }
    bool AutoMax() const { return GetFlagBit(bitAutoMax); }
    void SetAutoMax(bool v) { SetFlagBit(bitAutoMax, v); }
    bool LabelAsDataTime() const { return GetFlagBit(bitLabelAsDateTime); }
    void SetLabelAsDataTime(bool v) { SetFlagBit(bitLabelAsDateTime, v); }

    Tsp_LineAttr GridAttr;

    // Zoom undo.
    void StoreMinMax();
    void ReStoreMinMax();
    bool LimitsStored() const { return stored_; }

    QString TickLabel(int i) const override;
    void Assign(const Tsp_Axis& other);
    Tsp_XYPlot* Plot() const { return plot_; }

protected:
    void FlagsChanged(int bit, bool state) override;

private:
    void ApplyRange(double a, double b);
    double storedMin_ = 0, storedMax_ = 0;
    int margin_ = 4;
    QString caption_;
    bool captionVisible_ = false;
    Tsp_XYPlot* plot_;
    bool stored_ = false;
};

class Tsp_XYPlot : public QWidget {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(Tsp_XYPlot& sender)>;
    using TGetTickLabelEvent = std::function<void(Tsp_Axis& axis, int i, double value, QString& text)>;
    using TZoomAxisEvent = std::function<void(Tsp_Axis& axis, double& mn, double& mx, bool& canZoom)>;

    explicit Tsp_XYPlot(QWidget* parent = nullptr);
    ~Tsp_XYPlot() override;

    Tsp_Axis& LeftAxis() { return *left_; }
    Tsp_Axis& RightAxis() { return *right_; }
    Tsp_Axis& BottomAxis() { return *bottom_; }
    Tsp_Axis& TopAxis() { return *top_; }
    void SetLeftAxis(const Tsp_Axis& a) { left_->Assign(a); }
    void SetRightAxis(const Tsp_Axis& a) { right_->Assign(a); }
    void SetBottomAxis(const Tsp_Axis& a) { bottom_->Assign(a); }
    void SetTopAxis(const Tsp_Axis& a) { top_->Assign(a); }
    // The axes a series is drawn against.
    Tsp_Axis& HAxisOf(const Tsp_DataSeries* s);
    Tsp_Axis& VAxisOf(const Tsp_DataSeries* s);

    // The field in pixels; right and bottom exclusive.
    int FieldLeft() const { return layout_.fieldLeft; }
    int FieldTop() const { return layout_.fieldTop; }
    int FieldRight() const { return layout_.fieldRight; }
    int FieldBottom() const { return layout_.fieldBottom; }
    QRect FieldRect() const { return layout_.field; }

    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    // An invalid colour leaves the field unfilled.
    QColor FieldColor() const { return fieldColor_; }
    void SetFieldColor(const QColor& c);
    Tsp_BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(Tsp_BorderStyle s);
    bool BufferedDisplay() const { return buffered_; }
    void SetBufferedDisplay(bool on);

    Tsp_zpDirections Zoom = zpdBoth;
    Tsp_zpDirections Pan = zpdBoth;
    Tsp_ShiftKeys ZoomShiftKeys = ssShift;
    Tsp_ShiftKeys PanShiftKeys = ssCtrl;
    QCursor PanCursor;

    bool XCursorOn() const { return xCursorOn_; }
    void SetXCursorOn(bool on);
    double XCursorVal() const { return xCursorVal_; }
    void SetXCursorVal(double v);

    TZoomAxisEvent OnAxisZoom;
    TGetTickLabelEvent OnGetTickLabel;
    TNotifyEvent OnFieldDraw;
    TNotifyEvent OnDrawEnd;

    // Repaint requests: everything, or the chosen layers only.
    void Invalidate();
    void CustomInvalidate(bool layout, bool frame, bool field);
    void BufferIsInvalid();

    // Draws the whole plot (no X cursor) on `p` at the given size; nothing
    // unless both exceed 9 pixels.
    void DrawPlot(QPainter& p, int width, int height);
    // The plot as DrawPlot paints it at the control's size.
    QImage PlotImage();
    QByteArray PlotSvg();
    void CopyToClipboardBitmap();
    void CopyToClipboardMetafile();

    void AddSeries(Tsp_DataSeries* s);
    void RemoveSeries(Tsp_DataSeries* s);
    int GetSeriesCount() const { return static_cast<int>(series_.size()); }
    Tsp_DataSeries* GetSeriesPtr(int i) const;
    void InvalidateSeries(Tsp_DataSeries* s);
    void BringToFront(Tsp_DataSeries* s);
    void SendToBack(Tsp_DataSeries* s);

    void AddMarker(Tsp_PlotMarker* m);
    void RemoveMarker(Tsp_PlotMarker* m);
    const std::vector<Tsp_PlotMarker*>& MarkerList(Tsp_WhenDrawMarker when) const;
    // Moves the marker to place i of its list.
    void SetMarkerAt(Tsp_PlotMarker* m, int i);

    void StoreLimits();
    void RestoreLimits();
    bool LimitsStored() const;
    void RectToLimits(Tsp_DragRect r, Tsp_zpDirections dirs);
    bool DoAutoMinMax(Tsp_Axis& axis);

    // Lays the axes out for the current drawing size and font.
    void Arrange();
    // Draws the new piece of a line after a fast append.
    void QuickDraw(Tsp_XYLine* line, int index);

    int DragState() const { return dragState_; }

protected:
    // Hooks around drawing; they call OnDrawEnd and OnFieldDraw.
    virtual void DoOnDrawEnd();
    virtual void DoOnFieldDraw();
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    friend class Tsp_Axis;
    void DrawFrame(QPainter& p);
    void DrawField(QPainter& p);
    void DrawGrid(QPainter& p, const Tsp_Axis& a);
    void DrawBorder(QPainter& p);
    void DrawCaptions(QPainter& p);
    void DrawXCursor(QPainter& p);
    void DrawRubber(QPainter& p);
    void RenderLayers(QPainter& p, bool all);
    Tsp_DragRect RubberRect() const;
    bool KeysMatch(const QMouseEvent* e, Tsp_ShiftKeys keys) const;
    void PanStep(QPoint at);

    std::unique_ptr<Tsp_Axis> left_, right_, bottom_, top_;
    Tsp_PlotLayout layout_;
    int drawW_ = 0, drawH_ = 0;
    std::unique_ptr<Tsp_MemBitmap> buffer_;
    bool buffered_ = false;
    QColor color_;
    QColor fieldColor_ = Qt::white;
    Tsp_BorderStyle borderStyle_ = bs_None;
    std::vector<Tsp_DataSeries*> series_;
    std::vector<Tsp_PlotMarker*> before_, after_;
    Tsp_DragRect drag_;
    QPoint pressPos_, prevPos_;
    int dragState_ = 0;
    bool xCursorOn_ = false;
    double xCursorVal_ = 0;
    bool arranged_ = false, fieldDrawn_ = false, frameDrawn_ = false;
    bool paintPending_ = false;  // update() of the whole control since the last paint
};

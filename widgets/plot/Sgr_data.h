#pragma once
// Data series and markers of the XY plot: a series of (x, y) points drawn as
// a polyline with optional point markers (Tsp_XYLine), vertical spectrum
// lines (Tsp_SpectrLines), and user-drawn plot markers.
#include <functional>
#include <vector>

#include <QBrush>
#include <QObject>

#include "widgets/plot/Sgr_def.h"

class Tsp_DataSeries : public QObject {
public:
    explicit Tsp_DataSeries(QObject* owner = nullptr);
    ~Tsp_DataSeries() override;

    Tsp_XYPlot* Plot() const { return plot_; }
    void SetPlot(Tsp_XYPlot* p);
    Tsp_WhatXAxis XAxis() const { return xAxis_; }
    void SetXAxis(Tsp_WhatXAxis a);
    Tsp_WhatYAxis YAxis() const { return yAxis_; }
    void SetYAxis(Tsp_WhatYAxis a);
    bool Active() const { return active_; }
    void SetActive(bool on);
    QString Legend;

    virtual void DoOnChange() {}
    virtual void Draw(QPainter& p) = 0;
    // Each writes the extent and returns false when there is none.
    virtual bool GetXMin(double& v) = 0;
    virtual bool GetXMax(double& v) = 0;
    virtual bool GetYMin(double& v) = 0;
    virtual bool GetYMax(double& v) = 0;
    virtual void DrawLegendMarker(QPainter&, const QRect&) {}

    void InvalidatePlot(TIP_Reason reason);
    // The surface being drawn on, for handlers called while drawing; null otherwise.
    QPainter* Canvas() const { return canvas_; }
    void BringToFront();
    void SendToBack();

private:
    friend class Tsp_XYPlot;
    // After a change of axis: fits both axes of that side to the data and repaints.
    void AxisMoved(Tsp_Axis& first, Tsp_Axis& second);
    Tsp_XYPlot* plot_ = nullptr;
    Tsp_WhatXAxis xAxis_ = dsxBottom;
    Tsp_WhatYAxis yAxis_ = dsyLeft;
    bool active_ = true;

protected:
    QPainter* canvas_ = nullptr;
};

class Tsp_XYDataSeries : public Tsp_DataSeries {
public:
    static constexpr int kGrowth = 32;
    explicit Tsp_XYDataSeries(QObject* owner = nullptr);

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }

    void AddXY(double x, double y);
    void AddXYArrays(const double* xs, const double* ys, int n);
    void InsertXY(int i, double x, double y);
    void ReplaceXY(int i, double x, double y);
    void Delete(int i);
    void DeleteRange(int a, int b);
    void Clear();
    void SetCapacity(int n);

    // Extents of the finite values; points that are no number take no part.
    bool GetXMin(double& v) override;
    bool GetXMax(double& v) override;
    bool GetYMin(double& v) override;
    bool GetYMax(double& v) override;

    void SetLockInvalidate(bool locked);
    bool CanPlot() const { return !locked_ && Plot() != nullptr; }
    void TryUpdatePlot();
    virtual void AtrributeChanged();

    Tsp_LineAttr LineAttr;

protected:
    void StorePoint(double x, double y);  // capacity, cache, count
    void TryUpdateMinMax(double x, double y);
    bool FindMinMax();
    // Whether some point is finite, with the cached extent brought up to date.
    bool HasExtent();
    int count_ = 0;
    int capacity_ = 0;
    std::vector<double> xv_, yv_;
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
    bool cacheValid_ = false;
    bool cacheEmpty_ = true;  // valid cache, but no finite value yet
    bool locked_ = false;
};

enum TPointKind { ptRectangle, ptEllipse, ptDiamond, ptCross, ptCustom, ptTriangle, ptDownTriangle };

class Tsp_PointAttr {
public:
    TPointKind Kind() const { return kind_; }
    void SetKind(TPointKind k);
    int HSize() const { return l_ + r_; }
    void SetHSize(int s);
    int VSize() const { return u_ + d_; }
    void SetVSize(int s);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& c);
    QColor Color() const { return brush_.color(); }
    void SetColor(const QColor& c);
    Qt::BrushStyle Style() const { return brush_.style(); }
    void SetStyle(Qt::BrushStyle s);
    const QBrush& Brush() const { return brush_; }
    int Left() const { return l_; }
    int Up() const { return u_; }
    int Right() const { return r_; }
    int Down() const { return d_; }

    std::function<void()> OnChange;

    // Draws a marker of this kind centred at (x, y) with the painter's pen and brush.
    void DrawMarker(QPainter& p, int x, int y) const;
    void DrawMarker(QPainter& p, int x, int y, TPointKind kind) const;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    QBrush brush_{Qt::white, Qt::SolidPattern};
    TPointKind kind_ = ptRectangle;
    int l_ = 2, u_ = 2, r_ = 3, d_ = 3;
    bool visible_ = false;
    int borderWidth_ = 1;
    QColor borderColor_ = Qt::black;
};

class Tsp_XYLine : public Tsp_XYDataSeries {
public:
    using TDrawCustomPointEvent = std::function<void(Tsp_XYLine& line, double x, double y, int px, int py)>;
    explicit Tsp_XYLine(QObject* owner = nullptr);

    Tsp_PointAttr PointAttr;
    TDrawCustomPointEvent OnDrawCustomPoint;

    double GetX(int i) const { return xv_[i]; }
    double GetY(int i) const { return yv_[i]; }

    void Draw(QPainter& p) override;
    void DrawLegendMarker(QPainter& p, const QRect& r) override;
    void AtrributeChanged() override;
    // Appends without a repaint: only the new segment and marker are drawn.
    virtual void QuickAddXY(double x, double y);
    // The new piece after QuickAddXY, drawn by the plot on its surface.
    void DrawPiece(QPainter& p, int index);

private:
    void DrawPointMarker(QPainter& p, int i, int px, int py, bool fastAppend);
};

enum Tsp_YOrigin { yoBaseLine, yoXAxises };
enum Tsp_WhatValues { wvXValues, wvYValues };

class Tsp_SpectrLines : public Tsp_XYDataSeries {
public:
    using Tsp_GetLabelEvent = std::function<void(Tsp_SpectrLines& sender, int i, double x, double y, QString& text)>;
    explicit Tsp_SpectrLines(QObject* owner = nullptr);

    double BaseYValue() const { return baseY_; }
    void SetBaseYValue(double v);
    Tsp_YOrigin YOrigin() const { return yOrigin_; }
    void SetYOrigin(Tsp_YOrigin o);
    Tsp_WhatValues LabelValues = wvYValues;
    QString LabelFormat = QStringLiteral("###0.##");
    QFont LabelFont;
    bool ShowLabel = false;
    bool ShowBaseLine = true;
    Tsp_GetLabelEvent OnGetLabel;

    void Draw(QPainter& p) override;
    bool GetYMin(double& v) override;
    bool GetYMax(double& v) override;

private:
    double baseY_ = 0;
    Tsp_YOrigin yOrigin_ = yoBaseLine;
};

class Tsp_PlotMarker : public QObject {
public:
    explicit Tsp_PlotMarker(QObject* owner = nullptr) : QObject(owner) {}
    ~Tsp_PlotMarker() override;

    Tsp_XYPlot* Plot() const { return plot_; }
    void SetPlot(Tsp_XYPlot* p);
    Tsp_WhatXAxis XAxis = dsxBottom;
    Tsp_WhatYAxis YAxis = dsyLeft;
    Tsp_WhenDrawMarker WhenDraw() const { return when_; }
    void SetWhenDraw(Tsp_WhenDrawMarker w);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    virtual void Draw(QPainter& p) = 0;

private:
    friend class Tsp_XYPlot;
    Tsp_XYPlot* plot_ = nullptr;
    Tsp_WhenDrawMarker when_ = dmAfterSeries;
    bool visible_ = true;
};

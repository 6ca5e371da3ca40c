#include "widgets/plot/Sgr_data.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPolygon>

namespace {

bool finite2(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

}  // namespace

// ---- Tsp_DataSeries ----

Tsp_DataSeries::Tsp_DataSeries(QObject* owner) : QObject(owner) {}

Tsp_DataSeries::~Tsp_DataSeries() {
    if (plot_) plot_->RemoveSeries(this);
}

void Tsp_DataSeries::SetPlot(Tsp_XYPlot* p) {
    if (p == plot_) return;
    if (plot_) plot_->RemoveSeries(this);
    plot_ = p;
    if (plot_) plot_->AddSeries(this);
}

void Tsp_DataSeries::SetXAxis(Tsp_WhatXAxis a) {
    if (a == xAxis_) return;
    xAxis_ = a;
    if (plot_) AxisMoved(plot_->BottomAxis(), plot_->TopAxis());
}

void Tsp_DataSeries::SetYAxis(Tsp_WhatYAxis a) {
    if (a == yAxis_) return;
    yAxis_ = a;
    if (plot_) AxisMoved(plot_->LeftAxis(), plot_->RightAxis());
}

void Tsp_DataSeries::AxisMoved(Tsp_Axis& first, Tsp_Axis& second) {
    // Both fit their data again: the axis the series left and the one it joined.
    bool a = plot_->DoAutoMinMax(first);
    bool b = plot_->DoAutoMinMax(second);
    if (a || b)
        plot_->Invalidate();
    else
        InvalidatePlot(rsAttrChanged);
}

void Tsp_DataSeries::SetActive(bool on) {
    if (on == active_) return;
    active_ = on;
    if (plot_) plot_->InvalidateSeries(this);
}

void Tsp_DataSeries::InvalidatePlot(TIP_Reason reason) {
    if (!active_ || !plot_) return;
    if (reason == rsDataChanged)
        plot_->InvalidateSeries(this);
    else
        plot_->CustomInvalidate(false, false, true);
}

void Tsp_DataSeries::BringToFront() {
    if (plot_) plot_->BringToFront(this);
}

void Tsp_DataSeries::SendToBack() {
    if (plot_) plot_->SendToBack(this);
}

// ---- Tsp_XYDataSeries ----

Tsp_XYDataSeries::Tsp_XYDataSeries(QObject* owner) : Tsp_DataSeries(owner) {
    LineAttr.OnChange = [this] { AtrributeChanged(); };
}

void Tsp_XYDataSeries::AtrributeChanged() {
    if (CanPlot()) InvalidatePlot(rsAttrChanged);
}

void Tsp_XYDataSeries::TryUpdateMinMax(double x, double y) {
    if (!cacheValid_) return;
    // Points that are no number take no part in the extent.
    if (!finite2(x, y)) return;
    if (cacheEmpty_) {
        xMin_ = xMax_ = x;
        yMin_ = yMax_ = y;
        cacheEmpty_ = false;
        return;
    }
    if (x < xMin_)
        xMin_ = x;
    else if (x > xMax_)
        xMax_ = x;
    if (y < yMin_)
        yMin_ = y;
    else if (y > yMax_)
        yMax_ = y;
}

bool Tsp_XYDataSeries::FindMinMax() {
    cacheValid_ = true;
    cacheEmpty_ = true;
    for (int i = 0; i < count_; ++i) TryUpdateMinMax(xv_[i], yv_[i]);
    return !cacheEmpty_;
}

void Tsp_XYDataSeries::StorePoint(double x, double y) {
    if (count_ >= capacity_) {
        capacity_ += kGrowth;
        xv_.resize(capacity_);
        yv_.resize(capacity_);
    }
    xv_[count_] = x;
    yv_[count_] = y;
    if (count_ == 0) {
        cacheValid_ = true;
        cacheEmpty_ = true;
    }
    TryUpdateMinMax(x, y);
    ++count_;
}

void Tsp_XYDataSeries::AddXY(double x, double y) {
    StorePoint(x, y);
    TryUpdatePlot();
}

void Tsp_XYDataSeries::AddXYArrays(const double* xs, const double* ys, int n) {
    if (n <= 0 || !xs || !ys) return;
    int need = count_ + n;
    if (need > capacity_) {
        capacity_ = (need / kGrowth + 1) * kGrowth;
        xv_.resize(capacity_);
        yv_.resize(capacity_);
    }
    int previous = count_;
    std::copy(xs, xs + n, xv_.begin() + count_);
    std::copy(ys, ys + n, yv_.begin() + count_);
    count_ = need;
    if (!cacheValid_ || n >= 2 * previous) {
        cacheValid_ = false;
    } else {
        for (int i = previous; i < count_; ++i) TryUpdateMinMax(xv_[i], yv_[i]);
    }
    if (!locked_) InvalidatePlot(rsDataChanged);
}

void Tsp_XYDataSeries::InsertXY(int i, double x, double y) {
    if (i < 0 || i > count_) return;
    if (i == count_) {
        AddXY(x, y);
        return;
    }
    StorePoint(xv_[count_ - 1], yv_[count_ - 1]);  // grows by one, extends the cache
    std::move_backward(xv_.begin() + i, xv_.begin() + count_ - 2, xv_.begin() + count_ - 1);
    std::move_backward(yv_.begin() + i, yv_.begin() + count_ - 2, yv_.begin() + count_ - 1);
    xv_[i] = x;
    yv_[i] = y;
    TryUpdateMinMax(x, y);
    TryUpdatePlot();
}

void Tsp_XYDataSeries::ReplaceXY(int i, double x, double y) {
    if (i < 0 || i >= count_) return;
    xv_[i] = x;
    yv_[i] = y;
    cacheValid_ = false;
    TryUpdatePlot();
}

void Tsp_XYDataSeries::Delete(int i) {
    if (i < 0 || i >= count_) return;
    cacheValid_ = false;
    std::move(xv_.begin() + i + 1, xv_.begin() + count_, xv_.begin() + i);
    std::move(yv_.begin() + i + 1, yv_.begin() + count_, yv_.begin() + i);
    --count_;
    TryUpdatePlot();
}

void Tsp_XYDataSeries::DeleteRange(int a, int b) {
    int lo = std::min(a, b), hi = std::max(a, b);
    if (lo < 0 || lo >= count_) return;
    cacheValid_ = false;
    if (hi < count_ - 1) {
        std::move(xv_.begin() + hi + 1, xv_.begin() + count_, xv_.begin() + lo);
        std::move(yv_.begin() + hi + 1, yv_.begin() + count_, yv_.begin() + lo);
        count_ -= hi - lo + 1;
        TryUpdatePlot();
    } else {
        count_ = lo;
    }
}

void Tsp_XYDataSeries::Clear() {
    bool had = count_ > 0;
    count_ = 0;
    cacheValid_ = false;
    if (had && Active() && CanPlot()) InvalidatePlot(rsDataChanged);
}

void Tsp_XYDataSeries::SetCapacity(int n) {
    n = std::max(n, 0);
    if (n < count_) {
        count_ = n;
        capacity_ = n;
        xv_.resize(capacity_);
        yv_.resize(capacity_);
        cacheValid_ = false;
        if (CanPlot()) InvalidatePlot(rsDataChanged);
    } else {
        capacity_ = (n / kGrowth + 1) * kGrowth;
        xv_.resize(capacity_);
        yv_.resize(capacity_);
    }
}

bool Tsp_XYDataSeries::HasExtent() {
    return count_ > 0 && (cacheValid_ || FindMinMax()) && !cacheEmpty_;
}

bool Tsp_XYDataSeries::GetXMin(double& v) {
    if (!HasExtent()) return false;
    v = xMin_;
    return true;
}

bool Tsp_XYDataSeries::GetXMax(double& v) {
    if (!HasExtent()) return false;
    v = xMax_;
    return true;
}

bool Tsp_XYDataSeries::GetYMin(double& v) {
    if (!HasExtent()) return false;
    v = yMin_;
    return true;
}

bool Tsp_XYDataSeries::GetYMax(double& v) {
    if (!HasExtent()) return false;
    v = yMax_;
    return true;
}

void Tsp_XYDataSeries::SetLockInvalidate(bool locked) {
    if (locked == locked_) return;
    locked_ = locked;
    if (!locked_) InvalidatePlot(rsDataChanged);
}

void Tsp_XYDataSeries::TryUpdatePlot() {
    if (!CanPlot()) return;
    InvalidatePlot(rsDataChanged);
    // A loop of appends shows the curve growing: paint before returning.
    if (Active()) Plot()->repaint();
}

// ---- Tsp_PointAttr ----

void Tsp_PointAttr::SetKind(TPointKind k) {
    kind_ = k;
    Changed();
}

void Tsp_PointAttr::SetHSize(int s) {
    if (s < 0) s = 1;
    l_ = s / 2;
    r_ = l_ + 1;
    borderWidth_ = std::min({borderWidth_, l_, u_});
    Changed();
}

void Tsp_PointAttr::SetVSize(int s) {
    if (s < 0) s = 1;
    u_ = s / 2;
    d_ = u_ + 1;
    borderWidth_ = std::min({borderWidth_, l_, u_});
    Changed();
}

void Tsp_PointAttr::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void Tsp_PointAttr::SetBorderWidth(int w) {
    if (w < 0) w = 1;
    borderWidth_ = std::min({w, l_, u_});
    Changed();
}

void Tsp_PointAttr::SetBorderColor(const QColor& c) {
    borderColor_ = c;
    Changed();
}

void Tsp_PointAttr::SetColor(const QColor& c) {
    brush_.setColor(c);
    Changed();
}

void Tsp_PointAttr::SetStyle(Qt::BrushStyle s) {
    brush_.setStyle(s);
    Changed();
}

void Tsp_PointAttr::DrawMarker(QPainter& p, int x, int y) const { DrawMarker(p, x, y, kind_); }

void Tsp_PointAttr::DrawMarker(QPainter& p, int x, int y, TPointKind kind) const {
    const int l = l_, u = u_, r = r_, d = d_;
    // Outlines cover their corner pixels, so a box from a to b (b exclusive)
    // is stroked over a rectangle one pixel smaller.
    auto box = [](int x1, int y1, int x2, int y2) { return QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)); };
    switch (kind) {
    case ptRectangle:
        p.drawRect(box(x - l, y - u, x + r, y + u + 1));
        break;
    case ptEllipse:
        p.drawEllipse(box(x - l, y - u, x + r, y + d));
        break;
    case ptDiamond: {
        const QPoint pts[4] = {{x, y - u}, {x + l, y}, {x, y + u}, {x - l, y}};
        p.drawPolygon(pts, 4);
        break;
    }
    case ptCross:
        p.drawLine(x - l, y, x + r - 1, y);
        p.drawLine(x, y - u, x, y + d - 1);
        break;
    case ptTriangle: {
        const QPoint pts[3] = {{x, y - u}, {x + l, y + u}, {x - l, y + u}};
        p.drawPolygon(pts, 3);
        break;
    }
    case ptDownTriangle: {
        const QPoint pts[3] = {{x - l, y - u}, {x + l, y - u}, {x, y + u}};
        p.drawPolygon(pts, 3);
        break;
    }
    case ptCustom:
        break;
    }
}

// ---- Tsp_XYLine ----

Tsp_XYLine::Tsp_XYLine(QObject* owner) : Tsp_XYDataSeries(owner) {
    PointAttr.OnChange = [this] { AtrributeChanged(); };
}

void Tsp_XYLine::AtrributeChanged() { Tsp_XYDataSeries::AtrributeChanged(); }

void Tsp_XYLine::DrawPointMarker(QPainter& p, int i, int px, int py, bool fastAppend) {
    if (PointAttr.Kind() != ptCustom) {
        PointAttr.DrawMarker(p, px, py);
    } else if (OnDrawCustomPoint) {
        canvas_ = &p;
        OnDrawCustomPoint(*this, xv_[i], yv_[i], px, py);
        canvas_ = nullptr;
    } else if (fastAppend) {
        PointAttr.DrawMarker(p, px, py, ptRectangle);
    }
}

namespace {

void setMarkerTools(QPainter& p, const Tsp_PointAttr& a) {
    p.setPen(QPen(a.BorderColor(), a.BorderWidth(), Qt::SolidLine));
    p.setBrush(a.Brush());
}

void setLineTools(QPainter& p, const Tsp_LineAttr& a) {
    QPen pen;
    a.SetPenAttr(pen);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void Tsp_XYLine::Draw(QPainter& p) {
    Tsp_XYPlot* plot = Plot();
    if (count_ == 0 || !plot) return;
    const bool lineOn = count_ >= 2 && LineAttr.Visible() && LineAttr.Style() != Qt::NoPen;
    if (!PointAttr.Visible() && !lineOn) return;
    Tsp_Axis& xa = plot->HAxisOf(this);
    Tsp_Axis& ya = plot->VAxisOf(this);
    double xmin, xmax, ymin, ymax;
    if (!GetXMin(xmin) || !GetXMax(xmax) || !GetYMin(ymin) || !GetYMax(ymax)) return;
    if (xmin > xa.Max() || xmax < xa.Min() || ymin > ya.Max() || ymax < ya.Min()) return;
    p.save();
    if (lineOn) {
        setLineTools(p, LineAttr);
        // Consecutive drawable segments go out as one polyline; a segment
        // with both ends far, or an end that is no number, breaks it.
        QPolygon run;
        auto flush = [&] {
            if (run.size() >= 2) p.drawPolyline(run);
            run.clear();
        };
        bool prevOk = finite2(xv_[0], yv_[0]);
        QPoint prev(xa.V2P(xv_[0]), ya.V2P(yv_[0]));
        for (int i = 1; i < count_; ++i) {
            bool ok = finite2(xv_[i], yv_[i]);
            QPoint cur(xa.V2P(xv_[i]), ya.V2P(yv_[i]));
            if (ok && prevOk && !(Tsp_IsFar(prev.x(), prev.y()) && Tsp_IsFar(cur.x(), cur.y()))) {
                if (run.isEmpty()) run << prev;
                run << cur;
            } else {
                flush();
            }
            prev = cur;
            prevOk = ok;
        }
        flush();
    }
    if (PointAttr.Visible()) {
        setMarkerTools(p, PointAttr);
        const int fl = plot->FieldLeft(), ft = plot->FieldTop(), fr = plot->FieldRight(), fb = plot->FieldBottom();
        for (int i = 0; i < count_; ++i) {
            if (!finite2(xv_[i], yv_[i])) continue;
            int px = xa.V2P(xv_[i]), py = ya.V2P(yv_[i]);
            if (px >= fl && px < fr && py >= ft && py < fb) DrawPointMarker(p, i, px, py, false);
        }
    }
    p.restore();
}

void Tsp_XYLine::QuickAddXY(double x, double y) {
    StorePoint(x, y);
    if (CanPlot() && Active()) Plot()->QuickDraw(this, count_ - 1);
}

void Tsp_XYLine::DrawPiece(QPainter& p, int index) {
    Tsp_XYPlot* plot = Plot();
    if (!plot || index < 0 || index >= count_) return;
    Tsp_Axis& xa = plot->HAxisOf(this);
    Tsp_Axis& ya = plot->VAxisOf(this);
    const QRect field = plot->FieldRect();
    if (!finite2(xv_[index], yv_[index])) return;
    QPoint cur(xa.V2P(xv_[index]), ya.V2P(yv_[index]));
    p.save();
    if (index >= 1 && LineAttr.Visible() && LineAttr.Style() != Qt::NoPen && finite2(xv_[index - 1], yv_[index - 1])) {
        QPoint prev(xa.V2P(xv_[index - 1]), ya.V2P(yv_[index - 1]));
        if (field.contains(prev) || field.contains(cur)) {
            setLineTools(p, LineAttr);
            p.drawLine(prev, cur);
        }
    }
    if (PointAttr.Visible() && field.contains(cur)) {
        setMarkerTools(p, PointAttr);
        DrawPointMarker(p, index, cur.x(), cur.y(), true);
    }
    p.restore();
}

void Tsp_XYLine::DrawLegendMarker(QPainter& p, const QRect& r) {
    const bool lineOn = LineAttr.Visible() && LineAttr.Style() != Qt::NoPen;
    if (!lineOn && !PointAttr.Visible()) return;
    p.save();
    int cy = r.top() + r.height() / 2, cx = r.left() + r.width() / 2;
    if (lineOn) {
        setLineTools(p, LineAttr);
        p.drawLine(r.left() + 1, cy, r.right(), cy);
    }
    if (PointAttr.Visible() && PointAttr.Kind() != ptCustom) {
        setMarkerTools(p, PointAttr);
        PointAttr.DrawMarker(p, cx, cy);
    }
    p.restore();
}

// ---- Tsp_SpectrLines ----

Tsp_SpectrLines::Tsp_SpectrLines(QObject* owner) : Tsp_XYDataSeries(owner) {}

void Tsp_SpectrLines::SetBaseYValue(double v) {
    baseY_ = v;
    InvalidatePlot(rsDataChanged);
}

void Tsp_SpectrLines::SetYOrigin(Tsp_YOrigin o) {
    yOrigin_ = o;
    InvalidatePlot(rsDataChanged);
}

bool Tsp_SpectrLines::GetYMin(double& v) {
    if (!Tsp_XYDataSeries::GetYMin(v)) return false;
    v = std::min(v, yOrigin_ == yoBaseLine ? baseY_ : 0.0);
    return true;
}

bool Tsp_SpectrLines::GetYMax(double& v) {
    if (!Tsp_XYDataSeries::GetYMax(v)) return false;
    v = std::max(v, yOrigin_ == yoBaseLine ? baseY_ : 0.0);
    return true;
}

void Tsp_SpectrLines::Draw(QPainter& p) {
    Tsp_XYPlot* plot = Plot();
    if (count_ == 0 || !plot) return;
    Tsp_Axis& xa = plot->HAxisOf(this);
    Tsp_Axis& ya = plot->VAxisOf(this);
    double xmin, xmax;
    if (!GetXMin(xmin) || !GetXMax(xmax) || xmin > xa.Max() || xmax < xa.Min()) return;
    const int lowRow = plot->BottomAxis().OY + 2, highRow = plot->TopAxis().OY - 2;
    int base;
    if (yOrigin_ == yoBaseLine)
        base = std::clamp(ya.V2P(baseY_), highRow, lowRow);
    else
        base = ya.Inversed() ? highRow : lowRow;
    p.save();
    QPen pen;
    LineAttr.SetPenAttr(pen);
    if (ShowBaseLine && yOrigin_ == yoBaseLine && LineAttr.Visible()) {
        p.setPen(QPen(LineAttr.Color(), 1));
        p.drawLine(plot->FieldLeft(), base, plot->FieldRight() - 1, base);
    }
    p.setPen(pen);
    if (LineAttr.Visible() && LineAttr.Style() != Qt::NoPen)
        for (int i = 0; i < count_; ++i) {
            if (!finite2(xv_[i], yv_[i])) continue;
            int x = xa.V2P(xv_[i]);
            p.drawLine(x, base, x, ya.V2P(yv_[i]));
        }
    if (ShowLabel) {
        p.setFont(LabelFont);
        p.setPen(LineAttr.Color());
        const QFontMetrics fm(LabelFont);
        for (int i = 0; i < count_; ++i) {
            if (!finite2(xv_[i], yv_[i])) continue;
            QString text = Tsp_FormatFloat(LabelFormat, LabelValues == wvXValues ? xv_[i] : yv_[i]);
            if (OnGetLabel) OnGetLabel(*this, i, xv_[i], yv_[i], text);
            int x = xa.V2P(xv_[i]), y = ya.V2P(yv_[i]);
            int tw = fm.horizontalAdvance(text);
            // Above the tip of an upward line, below a downward one.
            int top = y <= base ? y - fm.height() - 2 : y + 2;
            p.drawText(QRect(x - tw / 2, top, tw, fm.height()), Qt::AlignLeft, text);
        }
    }
    p.restore();
}

// ---- Tsp_PlotMarker ----

Tsp_PlotMarker::~Tsp_PlotMarker() {
    if (plot_) plot_->RemoveMarker(this);
}

void Tsp_PlotMarker::SetPlot(Tsp_XYPlot* p) {
    if (p == plot_) return;
    if (plot_) plot_->RemoveMarker(this);
    plot_ = p;
    if (plot_) plot_->AddMarker(this);
}

void Tsp_PlotMarker::SetWhenDraw(Tsp_WhenDrawMarker w) {
    if (w == when_) return;
    Tsp_XYPlot* p = plot_;
    if (p) p->RemoveMarker(this);
    when_ = w;
    if (p) p->AddMarker(this);
}

void Tsp_PlotMarker::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (plot_) plot_->CustomInvalidate(false, false, true);
}

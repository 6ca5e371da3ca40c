#include "widgets/plot/Sgr_def.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>

#include "widgets/plot/Sgr_data.h"

// ---- Tsp_Axis ----

Tsp_Axis::Tsp_Axis(Tsp_XYPlot* plot, uint32_t flags) : Tsp_Scale(flags), plot_(plot) {
    CalcMetr();
    CalcTicksVal();
    CalcTicksPos();
    GridAttr.SetColor(QColor(128, 128, 128));
    GridAttr.SetVisible(false);
    LineAttr.OnChange = [this] {
        if (plot_) plot_->Invalidate();
    };
    GridAttr.OnChange = [this] {
        if (plot_) plot_->CustomInvalidate(false, false, true);
    };
}

void Tsp_Axis::ApplyRange(double a, double b) {
    ChangeMinMax(a, b);
    if (plot_) plot_->Invalidate();
}

void Tsp_Axis::SetMin(double v) {
    SFlags &= ~(1u << bitAutoMin);
    stored_ = false;
    if (v != Min()) ApplyRange(v, Max());
}

void Tsp_Axis::SetMax(double v) {
    SFlags &= ~(1u << bitAutoMax);
    stored_ = false;
    if (v != Max()) ApplyRange(Min(), v);
}

void Tsp_Axis::SetMinMax(double mn, double mx) {
    SFlags &= ~((1u << bitAutoMin) | (1u << bitAutoMax));
    stored_ = false;
    if (mn != Min() || mx != Max()) ApplyRange(mn, mx);
}

void Tsp_Axis::MoveMinMax(double delta) {
    ShiftScaleBy(false, delta, 0);
    SFlags &= ~((1u << bitAutoMin) | (1u << bitAutoMax));
    stored_ = false;
    // The labels move with the view, so the frame is drawn again too.
    if (plot_) plot_->CustomInvalidate(false, true, true);
}

void Tsp_Axis::SetTicksCount(int n) {
    if (!SetTicksRequested(n)) return;
    CalcTicksVal();
    CalcTicksPos();
    if (plot_) plot_->Invalidate();
}

void Tsp_Axis::SetMargin(int m) {
    if (m == margin_) return;
    margin_ = m;
    if (plot_) plot_->Invalidate();
}

void Tsp_Axis::SetCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    captionVisible_ = std::any_of(c.begin(), c.end(), [](QChar ch) { return ch.unicode() > 32; });
    if (plot_) plot_->Invalidate();
}

void Tsp_Axis::SetLabelFormat(const QString& f) {
    if (f == LabelFormat) return;
    LabelFormat = f;
    if (plot_) plot_->Invalidate();
}

void Tsp_Axis::FlagsChanged(int bit, bool state) {
    Tsp_Scale::FlagsChanged(bit, state);
    if (!plot_) return;
    if (bit == bitAutoMin || bit == bitAutoMax) {
        if (plot_->DoAutoMinMax(*this)) plot_->Invalidate();
        return;
    }
    plot_->Invalidate();
}

void Tsp_Axis::StoreMinMax() {
    if (stored_) return;
    storedMin_ = Min();
    storedMax_ = Max();
    stored_ = true;
}

void Tsp_Axis::ReStoreMinMax() {
    if (!stored_) return;
    ChangeMinMax(storedMin_, storedMax_);
    stored_ = false;
}

QString Tsp_Axis::TickLabel(int i) const {
    QString text = Tsp_Scale::TickLabel(i);
    if (plot_ && plot_->OnGetTickLabel) plot_->OnGetTickLabel(const_cast<Tsp_Axis&>(*this), i, TksDbl(i), text);
    return text;
}

void Tsp_Axis::Assign(const Tsp_Axis& o) {
    if (&o == this) return;
    SFlags = o.SFlags;
    OX = o.OX;
    OY = o.OY;
    Len = o.Len;
    TicksRequested = o.TicksRequested;
    LabelFormat = o.LabelFormat;
    margin_ = o.margin_;
    caption_ = o.caption_;
    captionVisible_ = o.captionVisible_;
    ChangeMinMax(o.Min(), o.Max());
    LineAttr.Assign(o.LineAttr);
    GridAttr.Assign(o.GridAttr);
    stored_ = false;
    if (plot_) plot_->Invalidate();
}

// ---- Tsp_XYPlot ----

Tsp_XYPlot::Tsp_XYPlot(QWidget* parent) : QWidget(parent) {
    left_ = std::make_unique<Tsp_Axis>(this, 1);
    right_ = std::make_unique<Tsp_Axis>(this, 57);
    bottom_ = std::make_unique<Tsp_Axis>(this, 0);
    top_ = std::make_unique<Tsp_Axis>(this, 56);
    left_->GridAttr.SetVisible(true);
    bottom_->GridAttr.SetVisible(true);
    color_ = palette().color(QPalette::Button);
    // Every pixel is painted by the plot itself: no erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(180, 120);
    drawW_ = width();
    drawH_ = height();
}

Tsp_XYPlot::~Tsp_XYPlot() {
    for (auto* s : series_) s->plot_ = nullptr;
    for (auto* m : before_) m->plot_ = nullptr;
    for (auto* m : after_) m->plot_ = nullptr;
}

void Tsp_XYPlot::SetColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    Invalidate();
}

void Tsp_XYPlot::SetFieldColor(const QColor& c) {
    if (c == fieldColor_) return;
    fieldColor_ = c;
    CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::SetBorderStyle(Tsp_BorderStyle s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    Invalidate();
}

void Tsp_XYPlot::SetBufferedDisplay(bool on) {
    if (on == buffered_) return;
    buffered_ = on;
    if (on)
        buffer_ = std::make_unique<Tsp_MemBitmap>(width(), height());
    else
        buffer_.reset();
    Invalidate();
}

void Tsp_XYPlot::Invalidate() { CustomInvalidate(true, true, true); }

void Tsp_XYPlot::CustomInvalidate(bool layout, bool frame, bool field) {
    if (layout) arranged_ = false;
    if (frame) frameDrawn_ = false;
    if (field) fieldDrawn_ = false;
    // A paint of the whole control already asked for serves this request too;
    // asking Qt again costs most of the time of a fast append.
    if (paintPending_) return;
    update();
    // Qt drops the request of a control that cannot paint now, and paints the
    // whole control once it can.
    paintPending_ = isVisible() && updatesEnabled() && !size().isEmpty();
}

void Tsp_XYPlot::BufferIsInvalid() {
    frameDrawn_ = false;
    fieldDrawn_ = false;
}

void Tsp_XYPlot::Arrange() {
    const QFontMetrics fm(font());
    int cw = fm.horizontalAdvance(QLatin1Char('0'));
    int ch = std::abs(fm.height());
    layout_ = Tsp_ArrangeLayout(drawW_, drawH_, *left_, *right_, *bottom_, *top_, left_->Margin(), right_->Margin(),
                                bottom_->Margin(), top_->Margin(), cw, ch);
    left_->SetLine(layout_.left.ox, layout_.left.oy, layout_.left.len);
    right_->SetLine(layout_.right.ox, layout_.right.oy, layout_.right.len);
    bottom_->SetLine(layout_.bottom.ox, layout_.bottom.oy, layout_.bottom.len);
    top_->SetLine(layout_.top.ox, layout_.top.oy, layout_.top.len);
    arranged_ = true;
}

void Tsp_XYPlot::DrawFrame(QPainter& p) {
    const int w = drawW_, h = drawH_;
    const int fl = layout_.fieldLeft, ft = layout_.fieldTop, fr = layout_.fieldRight, fb = layout_.fieldBottom;
    p.fillRect(0, 0, w, ft, color_);
    p.fillRect(0, fb, w, h - fb, color_);
    p.fillRect(0, ft, fl, fb - ft, color_);
    p.fillRect(fr, ft, w - fr, fb - ft, color_);
    auto width = [](const Tsp_Axis& a) { return a.LineAttr.Visible() ? int(a.LineAttr.Width()) : 0; };
    top_->DrawLine(p, 0, width(*right_));
    right_->DrawLine(p, width(*bottom_), 0);
    bottom_->DrawLine(p, width(*left_), 0);
    left_->DrawLine(p, 0, width(*top_));
    p.setFont(font());
    const QColor fontColor = palette().color(QPalette::WindowText);
    top_->DrawTicks(p, fontColor);
    right_->DrawTicks(p, fontColor);
    left_->DrawTicks(p, fontColor);
    bottom_->DrawTicks(p, fontColor);
    DrawCaptions(p);
}

void Tsp_XYPlot::DrawCaptions(QPainter& p) {
    const int fl = layout_.fieldLeft, ft = layout_.fieldTop, fr = layout_.fieldRight, fb = layout_.fieldBottom;
    p.save();
    p.setPen(palette().color(QPalette::WindowText));
    QFont bold = font();
    bold.setBold(true);
    if (bottom_->HasCaption()) {
        p.setFont(bold);
        const QFontMetrics fm(bold);
        int tw = fm.horizontalAdvance(bottom_->Caption());
        p.drawText(QRect((fl + fr) / 2 - tw / 2, drawH_ - bottom_->Margin(), tw, fm.height()), Qt::AlignLeft,
                   bottom_->Caption());
    }
    if (top_->HasCaption()) {
        // Drawn with the font as the bottom caption left it.
        const QFontMetrics fm(p.font());
        int tw = fm.horizontalAdvance(top_->Caption());
        p.drawText(QRect((fl + fr) / 2 - tw / 2, top_->Margin() - fm.height() - 1, tw, fm.height()), Qt::AlignLeft,
                   top_->Caption());
    }
    auto turned = [&](const Tsp_Axis& a, int x) {
        const QFontMetrics fm(bold);
        int tw = fm.horizontalAdvance(a.Caption());
        p.save();
        p.setFont(bold);
        p.translate(x, (ft + fb) / 2 + tw / 2);
        p.rotate(-90);
        p.drawText(QRect(0, 0, tw, fm.height()), Qt::AlignLeft, a.Caption());
        p.restore();
    };
    const int th = QFontMetrics(bold).height();
    if (left_->HasCaption()) turned(*left_, left_->Margin() - th - 1);
    if (right_->HasCaption()) turned(*right_, drawW_ - right_->Margin());
    p.restore();
}

void Tsp_XYPlot::DrawGrid(QPainter& p, const Tsp_Axis& a) {
    if (!a.GridAttr.Visible() || a.Count == 0 || a.GridAttr.Style() == Qt::NoPen) return;
    QPen pen;
    a.GridAttr.SetPenAttr(pen);
    p.setPen(pen);
    const int fl = layout_.fieldLeft, ft = layout_.fieldTop, fr = layout_.fieldRight, fb = layout_.fieldBottom;
    for (int i = 0; i < a.Count; ++i) {
        int t = a.TickPos[i];
        if (a.Vertical()) {
            if (t > ft && t < fb - 1) p.drawLine(fl, t, fr - 1, t);
        } else {
            if (t > fl && t < fr - 1) p.drawLine(t, ft, t, fb - 1);
        }
    }
}

void Tsp_XYPlot::DrawField(QPainter& p) {
    p.save();
    p.setClipRect(layout_.field, Qt::IntersectClip);
    if (fieldColor_.isValid()) p.fillRect(layout_.field, fieldColor_);
    DoOnFieldDraw();
    DrawGrid(p, *left_);
    DrawGrid(p, *bottom_);
    DrawGrid(p, *right_);
    DrawGrid(p, *top_);
    for (auto* m : before_)
        if (m->Visible()) m->Draw(p);
    for (auto* s : series_)
        if (s->Active()) s->Draw(p);
    for (auto* m : after_)
        if (m->Visible()) m->Draw(p);
    p.restore();
}

void Tsp_XYPlot::DoOnDrawEnd() {
    if (OnDrawEnd) OnDrawEnd(*this);
}

void Tsp_XYPlot::DoOnFieldDraw() {
    if (OnFieldDraw) OnFieldDraw(*this);
}

void Tsp_XYPlot::DrawBorder(QPainter& p) {
    const int w = drawW_, h = drawH_;
    const QColor light = palette().color(QPalette::Light), shadow = palette().color(QPalette::Dark);
    p.save();
    p.setBrush(Qt::NoBrush);
    auto outline = [&](int inset, const QColor& c, Qt::PenStyle style = Qt::SolidLine) {
        p.setPen(QPen(c, 1, style));
        p.drawRect(inset, inset, w - 1 - 2 * inset, h - 1 - 2 * inset);
    };
    auto bevel = [&](const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(QPen(topLeft, 1));
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(QPen(bottomRight, 1));
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
    };
    switch (borderStyle_) {
    case bs_None:
        outline(0, color_);
        outline(1, color_);
        break;
    case bs_Raised:
        bevel(light, shadow);
        outline(1, color_);
        break;
    case bs_Lowered:
        bevel(shadow, light);
        outline(1, color_);
        break;
    case bs_Gutter:
        p.setPen(QPen(light, 1));
        p.drawRect(1, 1, w - 2, h - 2);
        p.setPen(QPen(shadow, 1));
        p.drawRect(0, 0, w - 2, h - 2);
        break;
    case bs_BlackRect:
        outline(0, Qt::black);
        outline(1, color_);
        break;
    case bs_BoldRect:
        outline(0, Qt::black);
        outline(1, Qt::black);
        break;
    case bs_FocusRect:
        outline(0, Qt::white);
        outline(0, Qt::black, Qt::DotLine);
        break;
    }
    p.restore();
}

void Tsp_XYPlot::RenderLayers(QPainter& p, bool all) {
    p.setFont(font());
    if (all || !arranged_) Arrange();
    if (all || !frameDrawn_) DrawFrame(p);
    if (all || !fieldDrawn_) DrawField(p);
    frameDrawn_ = fieldDrawn_ = true;
    DoOnDrawEnd();
    DrawBorder(p);
}

void Tsp_XYPlot::DrawPlot(QPainter& p, int w, int h) {
    if (w <= 9 || h <= 9) return;
    drawW_ = w;
    drawH_ = h;
    p.save();
    p.setFont(font());
    Arrange();
    DrawFrame(p);
    DrawField(p);
    DoOnDrawEnd();
    DrawBorder(p);
    p.restore();
    drawW_ = width();
    drawH_ = height();
    // The layout was made for the other surface.
    arranged_ = false;
    frameDrawn_ = fieldDrawn_ = false;
}

QImage Tsp_XYPlot::PlotImage() {
    QImage img(size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(color_);
    QPainter p(&img);
    DrawPlot(p, img.width(), img.height());
    return img;
}

QByteArray Tsp_XYPlot::PlotSvg() {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QSvgGenerator gen;
    gen.setOutputDevice(&buf);
    gen.setSize(size());
    gen.setViewBox(QRect(QPoint(0, 0), size()));
    gen.setTitle(QStringLiteral("Plot"));
    {
        QPainter p(&gen);
        DrawPlot(p, width(), height());
    }
    return bytes;
}

void Tsp_XYPlot::CopyToClipboardBitmap() { QApplication::clipboard()->setImage(PlotImage()); }

void Tsp_XYPlot::CopyToClipboardMetafile() {
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"), PlotSvg());
    QApplication::clipboard()->setMimeData(mime);
}

void Tsp_XYPlot::paintEvent(QPaintEvent*) {
    paintPending_ = false;
    drawW_ = width();
    drawH_ = height();
    QPainter p(this);
    if (buffered_ && buffer_ && buffer_->Valid()) {
        if (buffer_->Width() != width() || buffer_->Height() != height()) {
            if (!buffer_->Recreate(width(), height())) {
                RenderLayers(p, true);
                return;
            }
            arranged_ = frameDrawn_ = fieldDrawn_ = false;
        }
        {
            QPainter bp(&buffer_->Canvas());
            RenderLayers(bp, false);
        }
        p.drawImage(0, 0, buffer_->Canvas());
    } else {
        RenderLayers(p, true);
    }
    DrawXCursor(p);
    if (dragState_ == 2) DrawRubber(p);
}

void Tsp_XYPlot::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    drawW_ = width();
    drawH_ = height();
    Invalidate();
}

void Tsp_XYPlot::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange || e->type() == QEvent::StyleChange)
        Invalidate();
}

// ---- X cursor and rubber band ----

void Tsp_XYPlot::DrawXCursor(QPainter& p) {
    if (!xCursorOn_) return;
    int c = bottom_->V2P(xCursorVal_);
    if (!std::isfinite(xCursorVal_) || c <= layout_.fieldLeft || c >= layout_.fieldRight) return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(c, layout_.fieldTop + 1, c, layout_.fieldBottom - 2);
    p.restore();
}

void Tsp_XYPlot::SetXCursorOn(bool on) {
    if (on == xCursorOn_) return;
    xCursorOn_ = on;
    update();
}

void Tsp_XYPlot::SetXCursorVal(double v) {
    int before = bottom_->V2P(xCursorVal_);
    xCursorVal_ = v;
    if (xCursorOn_ && bottom_->V2P(v) != before) update();
}

Tsp_DragRect Tsp_XYPlot::RubberRect() const { return drag_; }

void Tsp_XYPlot::DrawRubber(QPainter& p) {
    p.save();
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    const QPoint pts[5] = {{drag_.left, drag_.top},
                           {drag_.right, drag_.top},
                           {drag_.right, drag_.bottom},
                           {drag_.left, drag_.bottom},
                           {drag_.left, drag_.top}};
    p.drawPolyline(pts, 5);
    p.restore();
}

// ---- mouse ----

bool Tsp_XYPlot::KeysMatch(const QMouseEvent* e, Tsp_ShiftKeys keys) const {
    Tsp_ShiftKeys held = 0;
    Qt::KeyboardModifiers m = e->modifiers();
    if (m & Qt::ShiftModifier) held |= ssShift;
    if (m & Qt::AltModifier) held |= ssAlt;
    if (m & Qt::ControlModifier) held |= ssCtrl;
    return held == keys && e->buttons() == Qt::LeftButton;
}

void Tsp_XYPlot::mousePressEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton && dragState_ == 0) {
        if (KeysMatch(e, ZoomShiftKeys) && Zoom != zpdNone) {
            drag_.left = Zoom == zpdVertical ? layout_.fieldLeft : pos.x();
            drag_.top = Zoom == zpdHorizontal ? layout_.fieldTop : pos.y();
            drag_.right = drag_.left;
            drag_.bottom = drag_.top;
            pressPos_ = pos;
            dragState_ = 1;
        } else if (KeysMatch(e, PanShiftKeys) && Pan != zpdNone) {
            pressPos_ = prevPos_ = pos;
            dragState_ = 3;
            setCursor(PanCursor);
        }
    }
    QWidget::mousePressEvent(e);
}

void Tsp_XYPlot::PanStep(QPoint at) {
    StoreLimits();
    int dx = prevPos_.x() - at.x(), dy = prevPos_.y() - at.y();
    bool moved = false;
    if (dx != 0 && (Pan == zpdHorizontal || Pan == zpdBoth)) {
        bottom_->ScrollBy(dx);
        top_->ScrollBy(dx);
        moved = true;
    }
    if (dy != 0 && (Pan == zpdVertical || Pan == zpdBoth)) {
        left_->ScrollBy(dy);
        right_->ScrollBy(dy);
        moved = true;
    }
    // The tick labels travel with the content, so the frame follows too.
    if (moved) CustomInvalidate(false, true, true);
    prevPos_ = at;
}

void Tsp_XYPlot::mouseMoveEvent(QMouseEvent* e) {
    QPoint pos = e->position().toPoint();
    switch (dragState_) {
    case 1:
        if (std::abs(pos.x() - pressPos_.x()) > 3 || std::abs(pos.y() - pressPos_.y()) > 3) {
            dragState_ = 2;
            setCursor(Qt::CrossCursor);
        } else {
            break;
        }
        [[fallthrough]];
    case 2:
        drag_.right = Zoom == zpdVertical ? layout_.fieldRight : pos.x();
        drag_.bottom = Zoom == zpdHorizontal ? layout_.fieldBottom : pos.y();
        update();
        break;
    case 3:
        if (pos == prevPos_) break;
        dragState_ = 4;
        [[fallthrough]];
    case 4:
        PanStep(pos);
        break;
    default:
        break;
    }
    QWidget::mouseMoveEvent(e);
}

void Tsp_XYPlot::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && dragState_ != 0) {
        int state = dragState_;
        dragState_ = 0;
        if (state == 1) {
            RestoreLimits();
        } else if (state == 2) {
            update();  // the rubber band goes with the next paint
            RectToLimits(Tsp_NormalizeDragRect(drag_), Zoom);
        }
        unsetCursor();
    }
    QWidget::mouseReleaseEvent(e);
}

// ---- limits ----

void Tsp_XYPlot::StoreLimits() {
    for (Tsp_Axis* a : {left_.get(), right_.get(), bottom_.get(), top_.get()}) a->StoreMinMax();
}

bool Tsp_XYPlot::LimitsStored() const {
    return left_->LimitsStored() && right_->LimitsStored() && bottom_->LimitsStored() && top_->LimitsStored();
}

void Tsp_XYPlot::RestoreLimits() {
    if (!LimitsStored()) return;
    for (Tsp_Axis* a : {left_.get(), right_.get(), bottom_.get(), top_.get()}) a->ReStoreMinMax();
    Invalidate();
}

void Tsp_XYPlot::RectToLimits(Tsp_DragRect r, Tsp_zpDirections dirs) {
    if (dirs == zpdNone || r.Width() <= 2 || r.Height() <= 2) return;
    StoreLimits();
    auto zoom = [this](Tsp_Axis& a, int p1, int p2) {
        double lo, hi;
        // Past the resolution of the doubles a zoom would give a range the
        // axis cannot show; that axis keeps its limits.
        if (!Tsp_ZoomLimits(a, p1, p2, lo, hi)) return;
        bool canZoom = true;
        if (OnAxisZoom) OnAxisZoom(a, lo, hi, canZoom);
        if (canZoom) a.ChangeMinMax(lo, hi);
    };
    if (dirs == zpdHorizontal || dirs == zpdBoth) {
        zoom(*bottom_, r.left, r.right);
        zoom(*top_, r.left, r.right);
    }
    if (dirs == zpdVertical || dirs == zpdBoth) {
        zoom(*left_, r.bottom, r.top);
        zoom(*right_, r.bottom, r.top);
    }
    Invalidate();
}

bool Tsp_XYPlot::DoAutoMinMax(Tsp_Axis& axis) {
    if (!axis.AutoMin() && !axis.AutoMax()) return false;
    bool haveMin = false, haveMax = false;
    double wantMin = axis.Min(), wantMax = axis.Max();
    double dataMin = 0, dataMax = 0;
    for (auto* s : series_) {
        if (!s->Active()) continue;
        bool bound = axis.Vertical() ? &VAxisOf(s) == &axis : &HAxisOf(s) == &axis;
        if (!bound) continue;
        double lo, hi;
        bool has = axis.Vertical() ? s->GetYMin(lo) && s->GetYMax(hi) : s->GetXMin(lo) && s->GetXMax(hi);
        if (!has) continue;
        if (axis.AutoMin() && (!haveMin || lo < dataMin)) {
            dataMin = lo;
            haveMin = true;
        }
        if (axis.AutoMax() && (!haveMax || hi > dataMax)) {
            dataMax = hi;
            haveMax = true;
        }
    }
    if (haveMin) wantMin = dataMin;
    if (haveMax) wantMax = dataMax;
    double margin = 0.025 * (wantMax - wantMin);
    if (haveMin) wantMin -= margin;
    if (haveMax) wantMax += margin;
    if (wantMin != axis.Min() || wantMax != axis.Max()) axis.ChangeMinMax(wantMin, wantMax);
    return haveMin || haveMax;
}

// ---- series and markers ----

Tsp_Axis& Tsp_XYPlot::HAxisOf(const Tsp_DataSeries* s) { return s->XAxis() == dsxTop ? *top_ : *bottom_; }
Tsp_Axis& Tsp_XYPlot::VAxisOf(const Tsp_DataSeries* s) { return s->YAxis() == dsyRight ? *right_ : *left_; }

void Tsp_XYPlot::AddSeries(Tsp_DataSeries* s) {
    if (!s || std::find(series_.begin(), series_.end(), s) != series_.end()) return;
    series_.push_back(s);
    if (s->Active()) InvalidateSeries(s);
}

void Tsp_XYPlot::RemoveSeries(Tsp_DataSeries* s) {
    auto it = std::find(series_.begin(), series_.end(), s);
    if (it == series_.end()) return;
    series_.erase(it);
    if (s->Active()) InvalidateSeries(s);
}

Tsp_DataSeries* Tsp_XYPlot::GetSeriesPtr(int i) const {
    return i >= 0 && i < GetSeriesCount() ? series_[i] : nullptr;
}

void Tsp_XYPlot::InvalidateSeries(Tsp_DataSeries* s) {
    bool h = DoAutoMinMax(HAxisOf(s));
    bool v = DoAutoMinMax(VAxisOf(s));
    if (h || v)
        Invalidate();
    else
        CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::BringToFront(Tsp_DataSeries* s) {
    auto it = std::find(series_.begin(), series_.end(), s);
    if (it == series_.end()) return;
    series_.erase(it);
    series_.push_back(s);
    CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::SendToBack(Tsp_DataSeries* s) {
    auto it = std::find(series_.begin(), series_.end(), s);
    if (it == series_.end()) return;
    series_.erase(it);
    series_.insert(series_.begin(), s);
    CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::AddMarker(Tsp_PlotMarker* m) {
    auto& list = m->WhenDraw() == dmBeforeSeries ? before_ : after_;
    if (std::find(list.begin(), list.end(), m) != list.end()) return;
    list.push_back(m);
    if (m->Visible()) CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::RemoveMarker(Tsp_PlotMarker* m) {
    for (auto* list : {&before_, &after_}) {
        auto it = std::find(list->begin(), list->end(), m);
        if (it == list->end()) continue;
        list->erase(it);
        if (m->Visible()) CustomInvalidate(false, false, true);
    }
}

const std::vector<Tsp_PlotMarker*>& Tsp_XYPlot::MarkerList(Tsp_WhenDrawMarker when) const {
    return when == dmBeforeSeries ? before_ : after_;
}

void Tsp_XYPlot::SetMarkerAt(Tsp_PlotMarker* m, int i) {
    auto& list = m->WhenDraw() == dmBeforeSeries ? before_ : after_;
    auto it = std::find(list.begin(), list.end(), m);
    if (it == list.end()) return;
    list.erase(it);
    i = std::clamp(i, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + i, m);
    if (m->Visible()) CustomInvalidate(false, false, true);
}

void Tsp_XYPlot::QuickDraw(Tsp_XYLine* line, int index) {
    if (buffered_ && buffer_ && buffer_->Valid() && arranged_ && frameDrawn_ && fieldDrawn_ &&
        buffer_->Width() == width() && buffer_->Height() == height()) {
        QPainter bp(&buffer_->Canvas());
        bp.setClipRect(layout_.field);
        line->DrawPiece(bp, index);
        update(layout_.field);
        return;
    }
    // Drawn with the rest of the field at the next paint.
    CustomInvalidate(false, false, true);
}

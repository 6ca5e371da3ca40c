#include "widgets/plot/Sgr_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// ---- Tsp_CustomLineAttr ----

void Tsp_CustomLineAttr::Changed() {
    if (OnChange) OnChange();
}

void Tsp_CustomLineAttr::SetColor(const QColor& c) {
    color_ = c;
    Changed();
}

void Tsp_CustomLineAttr::SetStyle(Qt::PenStyle s) {
    style_ = s;
    Changed();
}

void Tsp_CustomLineAttr::SetWidth(uint16_t w) {
    width_ = w;
    Changed();
}

void Tsp_CustomLineAttr::SetMode(int m) {
    mode_ = m;
    Changed();
}

void Tsp_CustomLineAttr::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void Tsp_CustomLineAttr::SetPenAttr(QPen& pen) const {
    pen.setColor(color_);
    pen.setStyle(style_);
    pen.setWidth(width_);
}

bool Tsp_CustomLineAttr::IsSame(const Tsp_CustomLineAttr& o) const {
    return color_ == o.color_ && style_ == o.style_ && width_ == o.width_ && visible_ == o.visible_;
}

void Tsp_CustomLineAttr::Assign(const Tsp_CustomLineAttr& o) {
    if (IsSame(o)) return;
    color_ = o.color_;
    style_ = o.style_;
    width_ = o.width_;
    visible_ = o.visible_;
    Changed();
}

// ---- Tsp_Scale ----

namespace {

// Slightly above ln 10, so an exact power of ten lands just below its exponent.
constexpr double kLn10Plus = 2.30258509299405;

}  // namespace

Tsp_Scale::Tsp_Scale(uint32_t flags) : SFlags(flags) {
    FixMinMax(0, 10);
    CalcMetr();
    CalcTicksVal();
    CalcTicksPos();
}

void Tsp_Scale::FixMinMax(double a, double b) {
    // A limit that is no number (or infinite) leaves the axis as it is.
    if (!std::isfinite(a) || !std::isfinite(b)) return;
    double lo = std::min(a, b), hi = std::max(a, b);
    // Limits closer than the doubles resolve at their magnitude leave no
    // usable range: they count as equal.
    if (hi - lo <= std::max(std::fabs(lo), std::fabs(hi)) * 1e-13 || hi - lo < 1e-280) hi = lo;
    if (lo == hi) {
        double v = lo;
        if (std::fabs(v) < 10) {
            hi = v + 1;
            lo = hi - 1;
        } else {
            hi = v + std::fabs(v) / 10;
            lo = hi - std::fabs(hi) / 10;
        }
    }
    double range = hi - lo;
    if (!std::isfinite(range) || !(range > 0)) return;
    double q = std::floor(std::log(range) / kLn10Plus);
    if (!(q > -300 && q < 300)) return;
    int32_t k = static_cast<int32_t>(q);
    double factor = k <= 0 ? std::trunc(std::exp((1 - k) * kLn10Plus))
                           : 1.0 / std::trunc(std::exp((k - 1) * kLn10Plus));
    double imin = std::ceil(lo * factor), imax = std::floor(hi * factor);
    if (!std::isfinite(factor) || !(factor > 0) || !std::isfinite(imin) || !std::isfinite(imax)) return;
    min_ = lo;
    max_ = hi;
    range_ = range;
    Factor = factor;
    IMin = imin;
    IMax = imax;
}

void Tsp_Scale::ChangeMinMax(double a, double b) {
    FixMinMax(a, b);
    CalcMetr();
    CalcTicksVal();
    CalcTicksPos();
}

void Tsp_Scale::SetLine(int ox, int oy, int len) {
    if (len == 0) len = 1;
    len = std::abs(len);
    if (ox == OX && oy == OY && len == Len) return;
    OX = ox;
    OY = oy;
    Len = len;
    CalcMetr();
    CalcTicksPos();
}

void Tsp_Scale::CalcMetr() {
    if (Inversed()) {
        PixPerUnit = -Len / range_;
        V0 = max_;
    } else {
        PixPerUnit = Len / range_;
        V0 = min_;
    }
    if (Vertical()) {
        Origin = OY;
        PixPerUnit = -PixPerUnit;
    } else {
        Origin = OX;
    }
}

int Tsp_Scale::V2P(double v) const {
    double p = (v - V0) * PixPerUnit + Origin;
    if (std::isnan(p)) return kPixelLimit;  // callers skip such points; never UB
    if (p > kPixelLimit) return kPixelLimit;
    if (p < -kPixelLimit) return -kPixelLimit;
    return static_cast<int>(std::nearbyint(p));
}

double Tsp_Scale::P2V(double pixel) const { return (pixel - Origin) / PixPerUnit + V0; }

bool Tsp_Scale::SetTicksRequested(int n) {
    n = std::clamp(n, 0, kMaxTicks);
    if (n == TicksRequested) return false;
    TicksRequested = static_cast<uint8_t>(n);
    return true;
}

void Tsp_Scale::CalcTicksVal() {
    Count = TicksRequested;
    if (Count == 0) return;
    if (AdjustedTicks()) {
        double span = std::nearbyint(IMax - IMin);
        // Imprecise limits far from zero can make the scaled span odd; the
        // count cap below keeps the ticks bounded anyway.
        int64_t a = span > 0 ? static_cast<int64_t>(std::min(span, 2.0e9)) : 0;
        int64_t step;
        if (TicksRequested < 2) {
            step = std::max<int64_t>(a, 1);  // later shifts divide by it
            Count = 1;
        } else {
            step = a / (TicksRequested - 1);
            if (step == 0) step = 1;
            Count = static_cast<uint8_t>(std::min<int64_t>(a / step + 1, kMaxTicks));
        }
        Step = static_cast<int32_t>(step);
        for (int i = 0; i < Count; ++i)
            TickVal[i] = Inversed() ? (IMax - static_cast<double>(i) * Step) / Factor
                                    : (IMin + static_cast<double>(i) * Step) / Factor;
    } else {
        Count = std::min<int>(TicksRequested, kMaxTicks);
        for (int i = 0; i < Count; ++i) TickVal[i] = Count < 2 ? i : static_cast<double>(i) / (Count - 1);
    }
}

void Tsp_Scale::CalcTicksPos() {
    for (int i = 0; i < Count; ++i) {
        if (AdjustedTicks()) {
            TickPos[i] = static_cast<int16_t>(V2P(TickVal[i]));
        } else {
            int d = static_cast<int>(std::nearbyint(Len * TickVal[i]));
            TickPos[i] = static_cast<int16_t>(std::clamp(Vertical() ? Origin - d : Origin + d, -kPixelLimit, kPixelLimit));
        }
    }
}

double Tsp_Scale::TksDbl(int i) const {
    if (AdjustedTicks()) return TickVal[i];
    return Inversed() ? V0 - range_ * TickVal[i] : V0 + range_ * TickVal[i];
}

QString Tsp_Scale::TickLabel(int i) const {
    double v = TksDbl(i);
    if (GetFlagBit(bitLabelAsDateTime)) return Tsp_FormatDateTime(LabelFormat, v);
    return Tsp_FormatFloat(LabelFormat, v);
}

void Tsp_Scale::SetFlagBit(int bit, bool state) {
    if (GetFlagBit(bit) == state) return;
    if (state)
        SFlags |= 1u << bit;
    else
        SFlags &= ~(1u << bit);
    FlagsChanged(bit, state);
}

void Tsp_Scale::FlagsChanged(int bit, bool) {
    switch (bit) {
    case bitInversed:
    case bitVertical:
        CalcMetr();
        CalcTicksVal();
        CalcTicksPos();
        break;
    case bitNoTicksLines:
    case bitNoTicksLabel:
    case bitNoTicksAdjust:
        CalcTicksVal();
        CalcTicksPos();
        break;
    default:
        break;
    }
}

void Tsp_Scale::ScrollBy(int p) { ShiftScaleBy(true, 0, p); }

void Tsp_Scale::ShiftScaleBy(bool pixelGiven, double dv, double dp) {
    if (pixelGiven)
        dv = dp / PixPerUnit;
    else
        dp = dv * PixPerUnit;
    if (dv == 0 || !std::isfinite(dv)) return;
    double newMin = min_ + dv, newMax = newMin + range_;
    if (!std::isfinite(newMin) || !std::isfinite(newMax) || !std::isfinite(std::ceil(newMin * Factor)) ||
        !std::isfinite(std::floor(newMax * Factor)))
        return;
    double oldFraction0 = TickVal[0];
    double oldTick0 = TickVal[0];
    bool hadTicks = Count > 0;
    min_ = newMin;
    max_ = newMax;
    V0 = Inversed() ? max_ : min_;
    IMin = std::ceil(min_ * Factor);
    IMax = std::floor(max_ * Factor);
    if (std::fabs(dv) > range_ || !hadTicks) {
        CalcTicksVal();
    } else if (AdjustedTicks()) {
        double intPart;
        double b = std::modf((oldTick0 * Factor - V0 * Factor) / Step, &intPart);
        if (!Inversed()) {
            if (b < 0) b += 1;
            double first = V0 * Factor + b * Step;
            double n = std::trunc((max_ * Factor - first) / Step) + 1;
            Count = static_cast<uint8_t>(std::clamp(n, 0.0, double(kMaxTicks)));
            for (int i = 0; i < Count; ++i) TickVal[i] = (first + static_cast<double>(i) * Step) / Factor;
        } else {
            if (b > 0) b -= 1;
            double first = V0 * Factor + b * Step;
            double n = std::trunc((first - min_ * Factor) / Step) + 1;
            Count = static_cast<uint8_t>(std::clamp(n, 0.0, double(kMaxTicks)));
            for (int i = 0; i < Count; ++i) TickVal[i] = (first - static_cast<double>(i) * Step) / Factor;
        }
    } else {
        double c = TicksRequested < 2 ? 1.0 : 1.0 / (TicksRequested - 1);
        double shift = Vertical() ? -dp : dp;
        double intPart;
        double d = std::modf((Len * oldFraction0 - shift) / (Len * c), &intPart);
        double e = d < 0 ? d + 1 : d;
        double n = std::trunc(1 / c - e) + 1;
        Count = static_cast<uint8_t>(std::clamp(n, 0.0, double(kMaxTicks)));
        for (int i = 0; i < Count; ++i) TickVal[i] = c * i + c * e;
    }
    CalcTicksPos();
}

// ---- layout ----

int Tsp_Scale::BandWidth(int cw, int ch) const {
    int w = LineAttr.Width();
    if (!HasTicks()) return w;
    if (Vertical()) {
        if (!NoTicksLabel()) {
            int chars = 0;
            for (int i = 0; i < Count; ++i) chars = std::max<int>(chars, TickLabel(i).size());
            return w + chars * cw + 5;
        }
        return w + 4;
    }
    if (!NoTicksLabel()) return ch + w + 5;
    return w + 4;
}

int Tsp_Scale::OrgIndent(int cw, int ch) const {
    if (!HasTicks() || NoTicksLabel()) return 0;
    int extent = Vertical() ? ch : static_cast<int>(TickLabel(0).size()) * cw;
    int dist = std::abs(TickPos[0] - V2P(V0));
    return std::max(0, extent / 2 - dist);
}

int Tsp_Scale::EndIndent(int cw, int ch) const {
    if (!HasTicks() || NoTicksLabel()) return 0;
    int last = Count - 1;
    int extent = Vertical() ? ch : static_cast<int>(TickLabel(last).size()) * cw;
    double farEnd = Inversed() ? min_ : max_;
    int dist = std::abs(TickPos[last] - V2P(farEnd));
    return std::max(0, extent / 2 - dist);
}

Tsp_PlotLayout Tsp_ArrangeLayout(int width, int height, const Tsp_Scale& left, const Tsp_Scale& right,
                                 const Tsp_Scale& bottom, const Tsp_Scale& top, int marginLeft,
                                 int marginRight, int marginBottom, int marginTop, int cw, int ch) {
    int roomLeft = std::max({top.OrgIndent(cw, ch), bottom.OrgIndent(cw, ch), left.BandWidth(cw, ch)}) + marginLeft;
    int roomBottom =
        std::max({right.OrgIndent(cw, ch), left.OrgIndent(cw, ch), bottom.BandWidth(cw, ch)}) + marginBottom;
    int roomRight = std::max({top.EndIndent(cw, ch), bottom.EndIndent(cw, ch), right.BandWidth(cw, ch)}) + marginRight;
    int roomTop = std::max({right.EndIndent(cw, ch), left.EndIndent(cw, ch), top.BandWidth(cw, ch)}) + marginTop;
    Tsp_PlotLayout l;
    l.fieldLeft = roomLeft;
    l.fieldTop = roomTop;
    l.fieldRight = std::max(width - roomRight, l.fieldLeft + 3);
    l.fieldBottom = std::max(height - roomBottom, l.fieldTop + 3);
    l.field = QRect(QPoint(l.fieldLeft, l.fieldTop), QPoint(l.fieldRight - 1, l.fieldBottom - 1));
    int vlen = l.fieldBottom - l.fieldTop - 1;
    int hlen = l.fieldRight - l.fieldLeft - 1;
    l.left = {l.fieldLeft - 1, l.fieldBottom - 1, vlen};
    l.right = {l.fieldRight, l.fieldBottom - 1, vlen};
    l.bottom = {l.fieldLeft, l.fieldBottom, hlen};
    l.top = {l.fieldLeft, l.fieldTop - 1, hlen};
    return l;
}

Tsp_DragRect Tsp_NormalizeDragRect(Tsp_DragRect r) {
    if (r.right < r.left) r = {r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.bottom < r.top) r = {r.left, r.bottom + 1, r.right, r.top + 1};
    return r;
}

bool Tsp_ZoomLimits(const Tsp_Scale& scale, int p1, int p2, double& low, double& high) {
    double a = scale.P2V(p1), b = scale.P2V(p2);
    low = std::min(a, b);
    high = std::max(a, b);
    if (!std::isfinite(low) || !std::isfinite(high)) return false;
    return high - low > std::max(std::fabs(low), std::fabs(high)) * 1e-13 && high - low >= 1e-280;
}

#pragma once
// Axis geometry without any widget: the value range of an axis, how it maps
// values to pixels and back, which ticks it lays out and how it labels them,
// how the ticks follow a pan, and how a plot lays its four axes out around the
// field. The plot (widgets/plot/Sgr_def.h) owns four of these as Tsp_Axis.
#include <array>
#include <cstdint>
#include <functional>

#include <QColor>
#include <QPen>
#include <QRect>
#include <QString>

class QPainter;

// Colour, style, width and visibility of a line (axis line, grid, series).
class Tsp_CustomLineAttr {
public:
    virtual ~Tsp_CustomLineAttr() = default;

    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    Qt::PenStyle Style() const { return style_; }
    void SetStyle(Qt::PenStyle s);
    uint16_t Width() const { return width_; }
    void SetWidth(uint16_t w);
    // Kept for completeness; drawing always copies the pen colour.
    int Mode() const { return mode_; }
    void SetMode(int m);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // Called after every property assignment.
    std::function<void()> OnChange;
    void Changed();

    // Colour, style and width on `pen`, drawn in copy mode.
    void SetPenAttr(QPen& pen) const;
    bool IsSame(const Tsp_CustomLineAttr& other) const;
    // Copies colour, style, width and visibility, notifying once (only when they differ).
    void Assign(const Tsp_CustomLineAttr& other);

private:
    QColor color_ = Qt::black;
    Qt::PenStyle style_ = Qt::SolidLine;
    uint16_t width_ = 1;
    int mode_ = 0;
    bool visible_ = true;
};

class Tsp_LineAttr : public Tsp_CustomLineAttr {};

// Formats `v` with a numeric format string: "0" a required digit, "#" an
// optional one, "." the place of the locale's decimal separator, "," anywhere
// in the integer part turns on thousands grouping, "E+00"/"E-00" scientific
// notation, quoted text and other characters copied, up to three sections
// "positive;negative;zero". "###0.##" gives 2.5 -> "2.5", 10 -> "10",
// 0.333 -> "0.33". Values of 1E18 and more, and NaN and infinities, fall back to
// the general number format. `decimalPoint` 0 means the locale's.
QString Tsp_FormatFloat(const QString& format, double v, QChar decimalPoint = QChar());

// A date-time given as days since 30 December 1899 (fraction = time of day),
// formatted with the date-time letters y, m, d, h, n (minutes), s, z and
// "am/pm"; a format without any of them gives the short date and time.
QString Tsp_FormatDateTime(const QString& format, double days);

class Tsp_Scale {
public:
    // SFlags bits.
    enum : int {
        bitVertical = 0,
        bitInversed = 1,
        bitNoTicksLines = 3,
        bitNoTicksLabel = 4,
        bitFarSide = 5,
        bitAutoMin = 6,
        bitAutoMax = 7,
        bitLabelAsDateTime = 8,
        bitNoTicksAdjust = 9,
    };
    static constexpr int kMaxTicks = 21;
    static constexpr int kPixelLimit = 16383;

    explicit Tsp_Scale(uint32_t flags = 0);
    virtual ~Tsp_Scale() = default;

    // The axis state; public so that the plot and its series can map values cheaply.
    double IMin = 0, IMax = 0;
    double Factor = 1;
    int32_t Step = 1;
    uint8_t Count = 0;
    int32_t Origin = 0;
    double V0 = 0;
    double PixPerUnit = 1;
    uint32_t SFlags = 0;
    int32_t OX = 10, OY = 30, Len = 25;
    uint8_t TicksRequested = 5;
    QString LabelFormat = QStringLiteral("###0.##");
    Tsp_LineAttr LineAttr;
    std::array<int16_t, kMaxTicks + 1> TickPos{};
    std::array<double, kMaxTicks> TickVal{};

    double Min() const { return min_; }
    double Max() const { return max_; }
    double Range() const { return range_; }

    // Sets the range to a and b in either order and recomputes everything.
    void ChangeMinMax(double a, double b);
    // Sets the line start and length (0 becomes 1, a negative length its magnitude).
    void SetLine(int ox, int oy, int len);

    int V2P(double v) const;
    double P2V(double pixel) const;

    // Shifts the view by p pixels.
    void ScrollBy(int p);
    // Shifts by a value (pixelGiven false) or a pixel amount (pixelGiven true).
    void ShiftScaleBy(bool pixelGiven, double valueShift, double pixelShift);

    virtual QString TickLabel(int i) const;
    double TksDbl(int i) const;
    int TicksCount() const { return Count; }
    // Stores the request (capped at 21); returns true when it changed.
    bool SetTicksRequested(int n);

    bool GetFlagBit(int bit) const { return (SFlags >> bit) & 1u; }
    bool NotFlagBit(int bit) const { return !GetFlagBit(bit); }
    void SetFlagBit(int bit, bool state);
    void ReSetFlagBit(int bit, bool state) { SetFlagBit(bit, !state); }

    bool Vertical() const { return GetFlagBit(bitVertical); }
    bool Inversed() const { return GetFlagBit(bitInversed); }
    bool TicksLines() const { return NotFlagBit(bitNoTicksLines); }
    bool NoTicksLabel() const { return GetFlagBit(bitNoTicksLabel); }
    bool FarSide() const { return GetFlagBit(bitFarSide); }
    bool TicksAdjusted() const { return NotFlagBit(bitNoTicksAdjust); }
    // Ticks on whole multiples of Step / Factor; otherwise spread uniformly
    // over the line (also whenever labels are off).
    bool AdjustedTicks() const { return NotFlagBit(bitNoTicksAdjust) && NotFlagBit(bitNoTicksLabel); }
    // Ticks that take room or are drawn: some tick laid out, with marks or labels.
    bool HasTicks() const { return Count > 0 && (TicksLines() || !NoTicksLabel()); }
    bool GetVisible() const { return TicksLines() || !NoTicksLabel() || LineAttr.Visible(); }

    // Layout helpers; cw is the width of "0", ch the font height in pixels.
    int BandWidth(int cw, int ch) const;
    int OrgIndent(int cw, int ch) const;
    int EndIndent(int cw, int ch) const;
    // The rectangle covered by the line, marks and labels in the painter's font.
    QRect CalcDrawBounds(const QPainter& p) const;

    // Drawing (Sgr_scale_draw.cpp).
    void DrawLine(QPainter& p, int startExt, int endExt) const;
    void DrawTicks(QPainter& p, const QColor& fontColor) const;

    void CalcMetr();
    void CalcTicksVal();
    void CalcTicksPos();

protected:
    virtual void FlagsChanged(int bit, bool state);
    // Sets Min and Max from a and b; keeps the range when no sane one results.
    void FixMinMax(double a, double b);

private:
    double min_ = 0, max_ = 10, range_ = 10;
};

// Where a plot puts its field and the four axis lines.
struct Tsp_PlotLayout {
    QRect field;  // left, top inclusive; right(), bottom() as QRect gives them
    int fieldLeft = 0, fieldTop = 0, fieldRight = 0, fieldBottom = 0;  // right and bottom exclusive
    struct Line {
        int ox, oy, len;
    } left{}, right{}, bottom{}, top{};
};

// The layout rule: room for each side from the axes' bands and label
// overhangs plus the margins, field at least 3 by 3 pixels.
Tsp_PlotLayout Tsp_ArrangeLayout(int width, int height, const Tsp_Scale& left, const Tsp_Scale& right,
                                 const Tsp_Scale& bottom, const Tsp_Scale& top, int marginLeft,
                                 int marginRight, int marginBottom, int marginTop, int cw, int ch);

// A point mapped to a pixel this far out is treated as lying at infinity:
// a segment is skipped when both of its ends are this far.
constexpr int kFarPixel = 16000;
inline bool Tsp_IsFar(int x, int y) { return x < -kFarPixel || x > kFarPixel || y < -kFarPixel || y > kFarPixel; }

struct Tsp_DragRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
// A dragged rectangle put in order: a right edge left of the left edge swaps
// them, each moved one pixel right (likewise for top and bottom).
Tsp_DragRect Tsp_NormalizeDragRect(Tsp_DragRect r);
// The limits after zooming to pixels p1..p2 on `scale`, low first. False when
// they cannot form a usable range (not finite, or narrower than the doubles
// can resolve at that magnitude), so a runaway zoom keeps the axis instead.
bool Tsp_ZoomLimits(const Tsp_Scale& scale, int p1, int p2, double& low, double& high);

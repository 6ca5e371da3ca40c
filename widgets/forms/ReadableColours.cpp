#include "widgets/forms/ReadableColours.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

double luminance(const QColor& c) {
    auto channel = [](double s) { return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share), float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// WCAG's level for body text is 4.5 : 1; the margin covers the shades a
// style draws over the palette's ground (a tab's page is drawn lighter).
constexpr double kReadable = 6.0;

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor inkFor(const QColor& ground) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, ground) >= std::min(kReadable, contrastRatio(white, ground)) ? black : white;
}

QColor readableOn(const QColor& wanted, const QColor& ground) {
    // The forms' colours were chosen for the light grounds they keep there.
    if (contrastRatio(wanted, ground) >= kReadable || inkFor(ground) == QColor(Qt::black)) return wanted;
    const QColor end(Qt::white);
    for (int step = 1; step < 20; ++step) {
        const QColor c = mixed(wanted, end, step / 20.0);
        if (contrastRatio(c, ground) >= kReadable) return c;
    }
    return end;
}

void setTextColour(QWidget* w, const QColor& wanted) {
    QPalette p = w->palette();
    const QColor ink = readableOn(wanted, p.color(w->backgroundRole()));
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::ButtonText, ink);
    w->setPalette(p);
}

}  // namespace forms

#pragma once
// How readable a text is where it is drawn, read from the window's picture:
// in the area of the text, the commonest colour is its ground and the colour
// that stands out most from it is its ink; their contrast is WCAG 2's ratio
// of relative luminances, 1 : 1 to 21 : 1.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <cmath>
#include <optional>

namespace testsupport {

inline double relativeLuminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

inline double contrastRatio(QRgb a, QRgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TextReading {
    QRgb ink;
    QRgb ground;
    double ratio;
};

// `area` is in the window's own (logical) pixels; the picture may be drawn at
// a higher device pixel ratio. Nothing when the area holds one colour only.
inline std::optional<TextReading> readText(const QImage& shot, const QRect& area) {
    const qreal dpr = shot.devicePixelRatio();
    const QRect pixels = QRectF(area.topLeft() * dpr, area.size() * dpr).toAlignedRect().intersected(shot.rect());
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) ++counts[shot.pixel(x, y) | 0xff000000u];
    if (counts.size() < 2) return std::nullopt;
    QRgb ground = counts.begin().key();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts.value(ground)) ground = it.key();
    TextReading best{ground, ground, 1.0};
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        const double r = contrastRatio(it.key(), ground);
        if (r > best.ratio) best = {it.key(), ground, r};
    }
    return best;
}

}  // namespace testsupport

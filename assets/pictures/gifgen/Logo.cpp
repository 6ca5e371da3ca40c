#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/Charts.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace kv::gifgen {

namespace {

constexpr int kW = 29;
constexpr int kH = 24;

// The needle of a measuring dial swings up from rest, overshoots and settles
// on the last angle: the program "takes a reading" once when the bar appears.
constexpr double kNeedleDegrees[] = {180, 160, 128, 92, 62, 44, 40, 50, 60, 56, 54};

const QColor plate(31, 78, 140);
const QColor plateLight(66, 120, 190);
const QColor dial(250, 250, 245);
const QColor needle(235, 110, 30);
const QColor ruler(255, 214, 92);

QImage frame(double needleDegrees, double glow) {
    QImage image(kW, kH, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Plate with rounded corners; the corners stay see-through on the bar.
    QLinearGradient shade(0, 0, 0, kH);
    shade.setColorAt(0, plateLight);
    shade.setColorAt(1, plate);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0, 0, kW, kH), 4, 4);

    // Dial face: a half disc with ticks.
    const QPointF centre(14.5, 15.5);
    const double radius = 11.5;
    QPainterPath face;
    face.moveTo(centre);
    face.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0, 180);
    face.closeSubpath();
    p.setBrush(dial);
    p.drawPath(face);
    p.setPen(QPen(plate, 1));
    for (int tick = 0; tick <= 4; ++tick) {
        const double a = (180 - tick * 45) * std::numbers::pi / 180;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(centre + dir * (radius - 3.2), centre + dir * (radius - 0.8));
    }

    // Ruler strip along the bottom edge: the other half of a measuring tool.
    p.setPen(Qt::NoPen);
    p.setBrush(ruler);
    p.drawRect(QRectF(3, 18, kW - 6, 4));
    p.setPen(QPen(plate, 1));
    for (int x = 4; x < kW - 3; x += 3)
        p.drawLine(QPointF(x + 0.5, 18), QPointF(x + 0.5, x % 6 == 4 ? 21.0 : 19.5));

    // Needle, and a hub that lights up when the reading is taken.
    const double a = needleDegrees * std::numbers::pi / 180;
    const QPointF tip = centre + QPointF(std::cos(a), -std::sin(a)) * (radius - 1.5);
    p.setPen(QPen(needle, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    QColor hub = plate;
    hub.setRgb(int(plate.red() + (needle.red() - plate.red()) * glow),
               int(plate.green() + (needle.green() - plate.green()) * glow),
               int(plate.blue() + (needle.blue() - plate.blue()) * glow));
    p.setPen(Qt::NoPen);
    p.setBrush(hub);
    p.drawEllipse(centre, 2.2, 2.2);
    return image;
}

}  // namespace

QList<OutFrame> drawLogo() {
    QList<OutFrame> frames;
    const int count = int(std::size(kNeedleDegrees));
    for (int i = 0; i < count; ++i) {
        // The hub lights up on the settled reading, which stays a second.
        const bool last = i == count - 1;
        frames.append({frame(kNeedleDegrees[i], last ? 1.0 : 0.0), i == 0 ? 40 : last ? 100 : 6});
    }
    return frames;
}

}  // namespace kv::gifgen

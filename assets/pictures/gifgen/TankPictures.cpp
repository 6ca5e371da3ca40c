// The tank window's shape pictures: each vessel in outline with the liquid
// shaded up to its level and the dimension lines named as the window's rows.
#include <QPainterPath>
#include <QtMath>

#include <functional>

#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/Charts.h"

namespace kv::gifgen {
namespace {

// The picture box of the window shows 175 x 154 pixels.
constexpr int kWidth = 172, kHeight = 150;

const QColor liquid(150, 200, 238);
const QColor liquidTop(108, 170, 222);
const QColor vessel(31, 52, 96);
const QColor dimensionInk(196, 62, 24);

QPen outline() { return QPen(vessel, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen hiddenLine() { return QPen(vessel, 1, Qt::DashLine); }
QPen axisLine() { return QPen(vessel, 0.8, Qt::DashDotLine); }

void fillLiquid(QPainter& p, const QPainterPath& path) {
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

// The free surface: a darker shade with its rim drawn.
void surface(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(liquidTop.darker(130), 1));
    p.setBrush(liquidTop);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    p.setBrush(dimensionInk);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({tip, tip - 7 * u + 2.6 * n, tip - 7 * u - 2.6 * n}));
    p.setBrush(Qt::NoBrush);
}

void name(QPainter& p, QPointF at, const QString& text) {
    QFont f = font(15, true, true);
    f.setFamily(QStringLiteral("DejaVu Serif"));
    p.setFont(f);
    const QRectF box(at.x() - 10, at.y() - 10, 20, 20);
    // A white halo keeps the letter readable over the liquid and the lines.
    p.setPen(QPen(colours::paper, 3));
    QPainterPath glyph;
    glyph.addText(box.center().x() - 4.5, box.center().y() + 5.5, f, text);
    p.drawPath(glyph);
    p.setPen(dimensionInk);
    p.drawText(box, Qt::AlignCenter, text);
}

// A dimension line from a to b, arrows at both ends, named at `at`.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF at) {
    p.setPen(QPen(dimensionInk, 1.1));
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    name(p, at, text);
}

// A radius: one arrow, at the rim.
void radius(QPainter& p, QPointF centre, QPointF rim, const QString& text, QPointF at) {
    p.setPen(QPen(dimensionInk, 1.1));
    p.drawLine(centre, rim);
    p.setBrush(dimensionInk);
    p.drawEllipse(centre, 1.6, 1.6);
    arrowHead(p, rim, centre);
    name(p, at, text);
}

void extension(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(dimensionInk, 0.7));
    p.drawLine(a, b);
}

QRectF ellipse(QPointF c, double rx, double ry) { return {c.x() - rx, c.y() - ry, 2 * rx, 2 * ry}; }

// The liquid in a body of revolution drawn in oblique view: the front half of
// the bottom ellipse, the walls up to the level, the surface ellipse on top.
void revolvedLiquid(QPainter& p, QPointF bottom, double rb, QPointF level, double rl, double tilt) {
    QPainterPath path;
    path.moveTo(bottom.x() - rb, bottom.y());
    path.arcTo(ellipse(bottom, rb, rb * tilt), 180, 180);
    path.lineTo(level.x() + rl, level.y());
    path.arcTo(ellipse(level, rl, rl * tilt), 0, 180);
    path.closeSubpath();
    fillLiquid(p, path);
    QPainterPath top;
    top.addEllipse(ellipse(level, rl, rl * tilt));
    surface(p, top);
}

// The bottom rim: its front half seen, its back half hidden.
void bottomRim(QPainter& p, QPointF bottom, double r, double tilt) {
    p.setPen(outline());
    p.drawArc(ellipse(bottom, r, r * tilt), 180 * 16, 180 * 16);
    p.setPen(hiddenLine());
    p.drawArc(ellipse(bottom, r, r * tilt), 0, 180 * 16);
}

QImage cone() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const double tilt = 0.2, R = 58;
    const QPointF base(84, 126), apex(84, 16);
    const double t = 0.45;  // the level as a share of the height
    const QPointF level(84, base.y() - t * (base.y() - apex.y()));
    const double r = R * (1 - t);
    revolvedLiquid(p, base, R, level, r, tilt);
    bottomRim(p, base, R, tilt);
    p.setPen(outline());
    p.drawLine(QPointF(base.x() - R, base.y()), apex);
    p.drawLine(QPointF(base.x() + R, base.y()), apex);
    p.setPen(axisLine());
    p.drawLine(apex - QPointF(0, 6), base + QPointF(0, 16));

    radius(p, base, base + QPointF(R, 0), "R", base + QPointF(R / 2, -9));
    extension(p, apex, QPointF(8, apex.y()));
    extension(p, QPointF(base.x() - R, base.y()), QPointF(8, base.y()));
    dimension(p, QPointF(14, apex.y()), QPointF(14, base.y()), "H", QPointF(24, 60));
    extension(p, QPointF(level.x() + r, level.y()), QPointF(166, level.y()));
    extension(p, QPointF(base.x() + R, base.y()), QPointF(166, base.y()));
    dimension(p, QPointF(160, level.y()), QPointF(160, base.y()), "h", QPointF(151, (level.y() + base.y()) / 2));
    return image;
}

QImage cylinder() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const double tilt = 0.22, R = 54;
    const QPointF bottom(80, 126), top(80, 24), level(80, 76);
    revolvedLiquid(p, bottom, R, level, R, tilt);
    bottomRim(p, bottom, R, tilt);
    p.setPen(outline());
    p.drawLine(QPointF(bottom.x() - R, bottom.y()), QPointF(top.x() - R, top.y()));
    p.drawLine(QPointF(bottom.x() + R, bottom.y()), QPointF(top.x() + R, top.y()));
    p.drawEllipse(ellipse(top, R, R * tilt));
    p.setPen(axisLine());
    p.drawLine(top - QPointF(0, 18), bottom + QPointF(0, 18));

    radius(p, top, top + QPointF(R, 0), "R", top + QPointF(R / 2, -7));
    extension(p, QPointF(level.x() + R, level.y()), QPointF(160, level.y()));
    extension(p, QPointF(bottom.x() + R, bottom.y()), QPointF(160, bottom.y()));
    dimension(p, QPointF(153, level.y()), QPointF(153, bottom.y()), "h", QPointF(163, 101));
    return image;
}

// A box or frustum in oblique view: the front face, the right face and the top.
struct Solid {
    QPointF frontLeft, frontRight, backRight, backLeft;  // the base
    QPointF topFrontLeft, topFrontRight, topBackRight, topBackLeft;
};

QPointF along(QPointF a, QPointF b, double t) { return a + t * (b - a); }

void drawLiquidSolid(QPainter& p, const Solid& s) {
    QPainterPath body;
    body.addPolygon(QPolygonF({s.frontLeft, s.frontRight, s.backRight, s.topBackRight, s.topBackLeft,
                               s.topFrontLeft}));
    body.closeSubpath();
    fillLiquid(p, body);
    QPainterPath top;
    top.addPolygon(QPolygonF({s.topFrontLeft, s.topFrontRight, s.topBackRight, s.topBackLeft}));
    top.closeSubpath();
    surface(p, top);
    // The front edges of the liquid, where it meets the walls.
    p.setPen(QPen(liquidTop.darker(130), 1));
    p.drawLine(s.topFrontRight, s.frontRight);
}

QImage prism() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const QPointF depth(40, -28), up(0, -84);
    const QPointF fl(22, 126), fr(118, 126), br = fr + depth, bl = fl + depth;
    const double t = 0.5;
    drawLiquidSolid(p, {fl, fr, br, bl, fl + t * up, fr + t * up, br + t * up, bl + t * up});
    p.setPen(outline());
    p.drawPolygon(QPolygonF({fl, fr, fr + up, fl + up}));
    p.drawPolygon(QPolygonF({fr, br, br + up, fr + up}));
    p.drawPolygon(QPolygonF({fl + up, fr + up, br + up, bl + up}));
    p.setPen(hiddenLine());
    p.drawLine(fl, bl);
    p.drawLine(bl, br);
    p.drawLine(bl, bl + up);

    extension(p, fl, fl + QPointF(0, 16));
    extension(p, fr, fr + QPointF(0, 16));
    dimension(p, fl + QPointF(0, 12), fr + QPointF(0, 12), "a", QPointF(70, 137 - 10));
    const QPointF out(7, 7);
    extension(p, fr, fr + out * 1.6);
    extension(p, br, br + out * 1.6);
    dimension(p, fr + out, br + out, "b", along(fr, br, 0.5) + QPointF(16, 10));
    extension(p, fl, fl - QPointF(14, 0));
    extension(p, fl + t * up, fl + t * up - QPointF(14, 0));
    dimension(p, fl - QPointF(10, 0), fl + t * up - QPointF(10, 0), "h", QPointF(20, fl.y() + t * up.y() / 2));
    return image;
}

QImage pyramid() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const QPointF depth(44, -28);
    const QPointF fl(24, 128), fr(118, 128), br = fr + depth, bl = fl + depth;
    const QPointF centre = (fl + br) / 2, apex(centre.x(), 12);
    const double t = 0.4;  // the level as a share of the height
    drawLiquidSolid(p, {fl, fr, br, bl, along(fl, apex, t), along(fr, apex, t), along(br, apex, t),
                        along(bl, apex, t)});
    p.setPen(outline());
    p.drawPolygon(QPolygonF({fl, fr, apex}));
    p.drawPolygon(QPolygonF({fr, br, apex}));
    p.setPen(hiddenLine());
    p.drawLine(fl, bl);
    p.drawLine(bl, br);
    p.drawLine(bl, apex);
    p.setPen(axisLine());
    p.drawLine(centre, apex);

    extension(p, fl, fl + QPointF(0, 14));
    extension(p, fr, fr + QPointF(0, 14));
    dimension(p, fl + QPointF(0, 10), fr + QPointF(0, 10), "a", QPointF(71, 128));
    const QPointF out(7, 7);
    extension(p, fr, fr + out * 1.6);
    extension(p, br, br + out * 1.6);
    dimension(p, fr + out, br + out, "b", along(fr, br, 0.5) + QPointF(17, 9));
    // Heights are measured on the axis, from the base's centre: the one place
    // where the oblique view shows them undistorted.
    const QPointF levelCentre = along(centre, apex, t);
    for (QPointF at : {centre, levelCentre}) extension(p, at - QPointF(9, 0), at + QPointF(9, 0));
    dimension(p, QPointF(centre.x() - 6, apex.y() + 2), QPointF(centre.x() - 6, centre.y()), "H",
              QPointF(centre.x() - 17, apex.y() + 36));
    dimension(p, QPointF(centre.x() + 6, levelCentre.y()), QPointF(centre.x() + 6, centre.y()), "h",
              QPointF(centre.x() + 17, (levelCentre.y() + centre.y()) / 2));
    return image;
}

QImage sphere() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const QPointF c(78, 76);
    const double R = 60, tilt = 0.22;
    const double levelY = c.y() + R - 0.7 * 2 * R;
    const double half = std::sqrt(R * R - (levelY - c.y()) * (levelY - c.y()));
    QPainterPath ball;
    ball.addEllipse(c, R, R);
    QPainterPath below;
    below.addRect(QRectF(0, levelY, kWidth, kHeight));
    QPainterPath liquidPath = ball.intersected(below);
    liquidPath.addEllipse(ellipse({c.x(), levelY}, half, half * tilt));
    liquidPath.setFillRule(Qt::WindingFill);
    fillLiquid(p, liquidPath);
    QPainterPath free;
    free.addEllipse(ellipse({c.x(), levelY}, half, half * tilt));
    surface(p, free);
    p.setPen(outline());
    p.drawEllipse(c, R, R);
    p.setPen(hiddenLine());
    p.drawArc(ellipse(c, R, R * tilt), 0, 180 * 16);
    p.setPen(QPen(vessel, 1));
    p.drawArc(ellipse(c, R, R * tilt), 180 * 16, 180 * 16);

    const double a = qDegreesToRadians(140.0);
    radius(p, c, c + QPointF(R * std::cos(a), -R * std::sin(a)), "R", c + QPointF(-22, -30));
    const QPointF bottom(c.x(), c.y() + R);
    extension(p, QPointF(c.x() + half, levelY), QPointF(166, levelY));
    extension(p, bottom, QPointF(166, bottom.y()));
    dimension(p, QPointF(160, levelY), QPointF(160, bottom.y()), "h", QPointF(150, c.y() + 16));
    return image;
}

// The torus cut through its axis: the tube's two sections, liquid in each.
QImage torus() {
    QImage image = paper(kWidth, kHeight);
    QPainter p(&image);
    preparePainter(p);
    const double axisX = 78, L = 46, R = 26, cy = 66;
    const double levelY = cy + R - 0.62 * 2 * R;
    QPainterPath below;
    below.addRect(QRectF(0, levelY, kWidth, kHeight));
    for (double x : {axisX - L, axisX + L}) {
        QPainterPath tube;
        tube.addEllipse(QPointF(x, cy), R, R);
        fillLiquid(p, tube.intersected(below));
        const double half = std::sqrt(R * R - (levelY - cy) * (levelY - cy));
        p.setPen(QPen(liquidTop.darker(130), 1.4));
        p.drawLine(QPointF(x - half, levelY), QPointF(x + half, levelY));
        p.setPen(outline());
        p.drawEllipse(QPointF(x, cy), R, R);
        p.setPen(axisLine());
        p.drawLine(QPointF(x - R - 5, cy), QPointF(x + R + 5, cy));
    }
    // The ring's outline seen from the side joins the sections.
    p.setPen(QPen(vessel, 0.8));
    p.drawLine(QPointF(axisX - L, cy - R), QPointF(axisX + L, cy - R));
    p.drawLine(QPointF(axisX - L, cy + R), QPointF(axisX + L, cy + R));
    p.setPen(axisLine());
    p.drawLine(QPointF(axisX, 8), QPointF(axisX, cy + R + 26));

    const QPointF centre(axisX + L, cy);
    extension(p, centre, QPointF(centre.x(), cy + R + 24));
    dimension(p, QPointF(axisX, cy + R + 18), QPointF(centre.x(), cy + R + 18), "L",
              QPointF(axisX + L / 2, cy + R + 30));
    const double a = qDegreesToRadians(125.0);
    radius(p, centre, centre + QPointF(R * std::cos(a), -R * std::sin(a)), "R", centre + QPointF(-2, -35));
    const QPointF bottom(centre.x(), cy + R);
    extension(p, QPointF(centre.x(), levelY), QPointF(162, levelY));
    extension(p, bottom, QPointF(162, bottom.y()));
    dimension(p, QPointF(157, levelY), QPointF(157, bottom.y()), "h", QPointF(165, (levelY + bottom.y()) / 2));
    return image;
}

}  // namespace

QList<NamedPicture> drawTankPictures() {
    return {{"Cone.gif", cone()},   {"Cylinder.gif", cylinder()}, {"Prism.gif", prism()},
            {"Pyramid.gif", pyramid()}, {"Sphere.gif", sphere()}, {"Torus.gif", torus()}};
}

}  // namespace kv::gifgen

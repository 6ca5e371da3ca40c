#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/GeometryFigures.h"

namespace kv::gifgen {

QList<Figure> solidFigures() {
    return {
        {"Cube", {"V = a³", "S = 6a²", "d = a√3"},
         [](QPainter& p) {
             filled(p, QPolygonF({{10, 26}, {58, 26}, {58, 74}, {10, 74}}));
             filled(p, QPolygonF({{10, 26}, {30, 8}, {78, 8}, {58, 26}}));
             filled(p, QPolygonF({{58, 26}, {78, 8}, {78, 56}, {58, 74}}));
             p.setPen(hidden());
             p.drawLine(QPointF(30, 8), QPointF(30, 56));
             p.drawLine(QPointF(30, 56), QPointF(10, 74));
             p.drawLine(QPointF(30, 56), QPointF(78, 56));
             label(p, {34, 82}, "a");
         }},
        {"Cuboid", {"V = abc", "S = 2(ab + bc + ac)", "d = √(a² + b² + c²)"},
         [](QPainter& p) {
             filled(p, QPolygonF({{4, 34}, {64, 34}, {64, 74}, {4, 74}}));
             filled(p, QPolygonF({{4, 34}, {22, 16}, {82, 16}, {64, 34}}));
             filled(p, QPolygonF({{64, 34}, {82, 16}, {82, 56}, {64, 74}}));
             label(p, {34, 82}, "a");
             label(p, {82, 70}, "b");
             label(p, {88, 36}, "c");
         }},
        {"Cylinder", {"V = πr²h", "S = 2πr(r + h)", "side: 2πrh"},
         [](QPainter& p) {
             QPainterPath body;
             body.moveTo(14, 16);
             body.lineTo(14, 66);
             body.arcTo(QRectF(14, 58, 62, 16), 180, 180);
             body.lineTo(76, 16);
             filled(p, body);
             QPainterPath top;
             top.addEllipse(QRectF(14, 8, 62, 16));
             filled(p, top);
             p.setPen(hidden());
             p.drawArc(QRectF(14, 58, 62, 16), 0, 180 * 16);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 16), QPointF(76, 16));
             label(p, {60, 10}, "r");
             label(p, {84, 42}, "h");
         }},
        {"Cone", {"V = πr²h / 3", "S = πr(r + l)", "l = √(r² + h²)"},
         [](QPainter& p) {
             QPainterPath body;
             body.moveTo(45, 6);
             body.lineTo(12, 64);
             body.arcTo(QRectF(12, 56, 66, 16), 180, 180);
             body.closeSubpath();
             filled(p, body);
             p.setPen(hidden());
             p.drawArc(QRectF(12, 56, 66, 16), 0, 180 * 16);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 6), QPointF(45, 64));
             p.drawLine(QPointF(45, 64), QPointF(78, 64));
             label(p, {51, 36}, "h");
             label(p, {62, 58}, "r");
             label(p, {70, 32}, "l");
         }},
        {"Truncated cone", {"V = πh(R² + Rr + r²) / 3", "S = π(R + r)l + π(R² + r²)", "l = √(h² + (R − r)²)"},
         [](QPainter& p) {
             QPainterPath body;
             body.moveTo(28, 16);
             body.lineTo(8, 64);
             body.arcTo(QRectF(8, 56, 74, 16), 180, 180);
             body.lineTo(62, 16);
             filled(p, body);
             QPainterPath top;
             top.addEllipse(QRectF(28, 10, 34, 12));
             filled(p, top);
             p.setPen(hidden());
             p.drawArc(QRectF(8, 56, 74, 16), 0, 180 * 16);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 16), QPointF(45, 64));
             p.drawLine(QPointF(45, 64), QPointF(82, 64));
             p.drawLine(QPointF(45, 16), QPointF(62, 16));
             label(p, {39, 40}, "h");
             label(p, {64, 58}, "R");
             label(p, {54, 4}, "r");
         }},
        {"Sphere", {"V = 4πr³ / 3 = πd³ / 6", "S = 4πr² = πd²"},
         [](QPainter& p) {
             QPainterPath path;
             path.addEllipse(QPointF(45, 40), 34, 34);
             filled(p, path);
             p.setPen(edge());
             p.drawArc(QRectF(11, 31, 68, 18), 180 * 16, 180 * 16);
             p.setPen(hidden());
             p.drawArc(QRectF(11, 31, 68, 18), 0, 180 * 16);
             p.setPen(QPen(colours::mark, 1.2));
             p.drawLine(QPointF(45, 40), QPointF(69, 16));
             label(p, {51, 24}, "r");
         }},
        {"Pyramid", {"V = S₀·h / 3", "S = S₀ + side faces", "S₀ — base area"},
         [](QPainter& p) {
             const QPointF apex(44, 6), a(8, 68), b(60, 68), c(82, 52), d(30, 52);
             filled(p, QPolygonF({apex, a, b}));
             filled(p, QPolygonF({apex, b, c}));
             p.setPen(hidden());
             p.drawLine(a, d);
             p.drawLine(d, c);
             p.drawLine(apex, d);
             p.setPen(dimension());
             p.drawLine(apex, QPointF(44, 60));
             label(p, {51, 38}, "h");
         }},
        {"Torus", {"V = 2π²Rr²", "S = 4π²Rr", "R — ring radius"},
         [](QPainter& p) {
             QPainterPath ring;
             ring.addEllipse(QRectF(4, 16, 82, 48));
             QPainterPath hole;
             hole.moveTo(26, 38);
             hole.quadTo(45, 50, 64, 38);
             hole.quadTo(45, 30, 26, 38);
             filled(p, ring.subtracted(hole));
             p.setPen(edge());
             p.drawArc(QRectF(20, 26, 50, 22), 200 * 16, 140 * 16);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 40), QPointF(75, 40));
             p.drawLine(QPointF(75, 30), QPointF(75, 50));
             label(p, {60, 33}, "R");
             label(p, {82, 40}, "r");
         }},
    };
}

}  // namespace kv::gifgen

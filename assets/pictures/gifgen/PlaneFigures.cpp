#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/GeometryFigures.h"

#include <cmath>
#include <numbers>

namespace kv::gifgen {

QList<Figure> planeFigures() {
    return {
        {"Square", {"S = a²", "P = 4a", "d = a√2"},
         [](QPainter& p) {
             filled(p, QPolygonF({{15, 10}, {75, 10}, {75, 70}, {15, 70}}));
             p.setPen(dimension());
             p.drawLine(QPointF(15, 70), QPointF(75, 10));
             label(p, {45, 78}, "a");
             label(p, {50, 46}, "d");
         }},
        {"Rectangle", {"S = ab", "P = 2(a + b)", "d = √(a² + b²)"},
         [](QPainter& p) {
             filled(p, QPolygonF({{6, 18}, {80, 18}, {80, 64}, {6, 64}}));
             label(p, {43, 73}, "a");
             label(p, {88, 41}, "b");
         }},
        {"Parallelogram", {"S = ah = ab·sin α", "P = 2(a + b)"},
         [](QPainter& p) {
             filled(p, QPolygonF({{4, 64}, {66, 64}, {86, 18}, {24, 18}}));
             p.setPen(dimension());
             p.drawLine(QPointF(30, 18), QPointF(30, 64));
             label(p, {35, 73}, "a");
             label(p, {8, 38}, "b");
             label(p, {38, 42}, "h");
             label(p, {16, 58}, "α");
         }},
        {"Trapezoid", {"S = (a + b)·h / 2", "P = a + b + c + d"},
         [](QPainter& p) {
             filled(p, QPolygonF({{4, 64}, {86, 64}, {64, 18}, {24, 18}}));
             p.setPen(dimension());
             p.drawLine(QPointF(44, 18), QPointF(44, 64));
             label(p, {45, 73}, "a");
             label(p, {45, 9}, "b");
             label(p, {52, 42}, "h");
         }},
        {"Triangle", {"S = ah / 2", "S = √(p(p−a)(p−b)(p−c))", "p = (a + b + c) / 2"},
         [](QPainter& p) {
             filled(p, QPolygonF({{4, 66}, {86, 66}, {58, 12}}));
             p.setPen(dimension());
             p.drawLine(QPointF(58, 12), QPointF(58, 66));
             label(p, {45, 75}, "a");
             label(p, {24, 34}, "b");
             label(p, {80, 36}, "c");
             label(p, {64, 46}, "h");
         }},
        {"Circle", {"S = πr² = πd² / 4", "P = 2πr = πd"},
         [](QPainter& p) {
             QPainterPath path;
             path.addEllipse(QPointF(45, 40), 34, 34);
             filled(p, path);
             p.setPen(QPen(colours::mark, 1.2));
             p.drawLine(QPointF(45, 40), QPointF(79, 40));
             p.setBrush(colours::mark);
             p.drawEllipse(QPointF(45, 40), 1.8, 1.8);
             label(p, {62, 32}, "r");
         }},
        {"Sector", {"S = αr² / 2 = lr / 2", "l = αr,  P = 2r + l", "α in radians"},
         [](QPainter& p) {
             QPainterPath path;
             path.moveTo(14, 66);
             path.arcTo(QRectF(14 - 66, 66 - 66, 132, 132), 0, 62);
             path.closeSubpath();
             filled(p, path);
             label(p, {48, 74}, "r");
             label(p, {26, 58}, "α");
             label(p, {77, 24}, "l");
         }},
        {"Ellipse", {"S = πab", "P ≈ π[3(a + b) −", "      √((3a + b)(a + 3b))]"},
         [](QPainter& p) {
             QPainterPath path;
             path.addEllipse(QPointF(45, 40), 42, 26);
             filled(p, path);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 40), QPointF(87, 40));
             p.drawLine(QPointF(45, 40), QPointF(45, 14));
             label(p, {66, 48}, "a");
             label(p, {37, 27}, "b");
         }},
        {"Regular polygon", {"S = n·a² / (4·tan(π/n))", "S = P·r / 2,  P = n·a", "n — number of sides"},
         [](QPainter& p) {
             QPolygonF hexagon;
             for (int i = 0; i < 6; ++i) {
                 const double angle = std::numbers::pi / 6 + i * std::numbers::pi / 3;
                 hexagon << QPointF(45 + 36 * std::cos(angle), 40 + 36 * std::sin(angle));
             }
             filled(p, hexagon);
             p.setPen(dimension());
             p.drawLine(QPointF(45, 40), QPointF(45 + 36 * std::cos(std::numbers::pi / 6), 40));
             label(p, {60, 33}, "r");
             label(p, {45, 84}, "a");
         }},
    };
}

}  // namespace kv::gifgen

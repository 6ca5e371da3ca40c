#include "tools/engineering/TankShapes.h"

#include <cmath>

namespace engineering {
namespace {

constexpr double pi = 3.141592653589793;

struct ShapeRows {
    const char* name;
    int count;
    std::array<const char*, 4> labels;
};

constexpr std::array<ShapeRows, 6> kRows = {{
    {"Cone", 3, {"R =", "H =", "h =", "h ="}},
    {"Cylinder", 2, {"R =", "h =", "h =", "h ="}},
    {"Prism", 3, {"a =", "b =", "h =", "h ="}},
    {"Pyramid", 4, {"a =", "b =", "H =", "h ="}},
    {"Sphere", 2, {"R =", "h =", "h =", "h ="}},
    {"Torus", 3, {"L =", "R =", "h =", "h ="}},
}};

const ShapeRows& rowsOf(TankShape shape) { return kRows[static_cast<size_t>(shape)]; }

// A truncated cone of base radius R and height H, filled to h (apex up).
TankBody cone(double R, double H, double h) {
    if (h > H) return {0, 0, false};
    const double r = R * (H - h) / H;
    const double s = std::sqrt(h * h + (R - r) * (R - r));
    return {pi * h * (R * R + r * r + R * r) / 3, pi * (R + r) * s + pi * R * R + pi * r * r};
}

// A pyramid over an a by b rectangle, apex H above its centre, filled to h. The
// liquid is a frustum: the base, the free surface a'b' (a' = a(H - h)/H), and
// four trapezoids. The two over the sides a rise on a slant of
// sqrt(H^2 + (b/2)^2) per height H, so each is (a + a')/2 * (h/H) * that slant;
// likewise for the sides b.
TankBody pyramid(double a, double b, double H, double h) {
    if (h > H) return {0, 0, false};
    const double k = (H - h) / H;
    const double top = a * k, side = b * k;
    const double A1 = a * b, A2 = top * side;
    const double volume = h * (A1 + A2 + std::sqrt(A1 * A2)) / 3;
    const double rise = h / H;
    const double overA = (a + top) * rise * std::sqrt(H * H + b * b / 4);
    const double overB = (b + side) * rise * std::sqrt(H * H + a * a / 4);
    return {volume, A1 + A2 + overA + overB};
}

TankBody sphere(double R, double h) {
    if (h > 2 * R) return {0, 0, false};
    return {pi * h * h * (R - h / 3), pi * (R * R - (R - h) * (R - h)) + 2 * pi * R * h};
}

// A ring of centre-line radius L with a tube of radius R, filled to h: the
// circular segment of the tube's section below h, swept round the ring.
TankBody torus(double L, double R, double h) {
    if (h < 0 || h > 2 * R) return {0, 0, false};
    double t, A, arc;
    if (h < R) {
        t = std::acos((R - h) / R);
        A = t * R * R - std::sin(t) * R * (R - h);
        arc = 2 * R * t;
    } else {
        t = std::acos((h - R) / R);
        A = (pi - t) * R * R + std::sin(t) * R * (h - R);
        arc = 2 * R * (pi - t);
    }
    const double chord = 2 * std::sqrt((2 * R - h) * h);
    return {2 * pi * L * A, 2 * pi * L * (arc + chord)};
}

}  // namespace

const char* tankShapeName(TankShape shape) { return rowsOf(shape).name; }
const std::array<const char*, 4>& tankRowLabels(TankShape shape) { return rowsOf(shape).labels; }
int tankRowCount(TankShape shape) { return rowsOf(shape).count; }

TankBody tankBody(TankShape shape, double a, double b, double c, double d) {
    switch (shape) {
    case TankShape::Cone: return cone(a, b, c);
    case TankShape::Cylinder: return {pi * a * a * b, 2 * pi * a * b + 2 * pi * a * a};
    case TankShape::Prism: return {a * b * c, 2 * a * b + 2 * a * c + 2 * b * c};
    case TankShape::Pyramid: return pyramid(a, b, c, d);
    case TankShape::Sphere: return sphere(a, b);
    case TankShape::Torus: return torus(a, b, c);
    }
    return {};
}

}  // namespace engineering

#pragma once
// The tank shapes: what each one's input rows mean, and the volume and surface
// of the liquid that fills it up to a level. Lengths in metres, no units here.
#include <array>
#include <string>

namespace engineering {

enum class TankShape { Cone, Cylinder, Prism, Pyramid, Sphere, Torus };

inline constexpr std::array<TankShape, 6> kTankShapes = {TankShape::Cone,    TankShape::Cylinder,
                                                         TankShape::Prism,   TankShape::Pyramid,
                                                         TankShape::Sphere,  TankShape::Torus};

// "Cone", "Cylinder", ...: the tab's caption, and its picture's name before ".gif".
const char* tankShapeName(TankShape shape);
// The labels of the input rows the shape shows ("R =", "H =", "h ="): two to four.
const std::array<const char*, 4>& tankRowLabels(TankShape shape);
int tankRowCount(TankShape shape);

// The liquid in the tank: its volume and its surface, the wetted walls with the
// free surface on top. `fits` is false when the level lies outside the vessel
// (a cone or pyramid filled above its apex, a sphere or torus filled above its
// top or below its bottom); volume and surface are then 0.
struct TankBody {
    double volume = 0;
    double area = 0;
    bool fits = true;
};

// a to d as the shape's rows give them (unused ones ignored).
TankBody tankBody(TankShape shape, double a, double b, double c, double d);

}  // namespace engineering

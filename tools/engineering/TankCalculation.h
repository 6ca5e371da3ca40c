#pragma once
// The tank window's calculation: the typed dimensions and density in their
// units, checked, brought to metres and kilograms per cubic metre, and the
// liquid's volume, mass and surface in the units chosen for them.
#include <array>
#include <string>

#include "tools/engineering/TankShapes.h"

namespace engineering {

// The window's two messages, as it shows them.
inline constexpr const char* kIncorrectInput = "Incorrect input";
inline constexpr const char* kWrongInput = " Wrong input!";

// The INDEX factor of each chosen unit, in the units table's reference units:
// centimetres, kilograms, litres, square metres.
struct TankFactors {
    std::array<double, 4> lengths{100, 100, 100, 100};
    double densityMass = 1;
    double densityVolume = 1;
    double volume = 1;
    double mass = 1;
    double area = 1;
};

// The boxes' texts. The rows the shape does not show are not read; an empty
// density counts as 0.
struct TankEntry {
    TankShape shape = TankShape::Cone;
    std::array<std::string, 4> dimensions;
    std::string density;
};

struct TankResults {
    double volume = 0;
    double mass = 0;
    double area = 0;
    bool fits = true;  // false: the level lies outside the vessel, and all three are 0
};

// Throws kv::Error kIncorrectInput when a shown dimension is no number, zero
// or negative, or the density is no number or negative; kv::Error with the
// floating-point message when a result overflows.
TankResults calculateTank(const TankEntry& entry, const TankFactors& factors);

}  // namespace engineering

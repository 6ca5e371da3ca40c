#pragma once
// Converting a value between two units of one category, without any window.
//
// Ordinary units carry one factor each (their size in the category's reference
// unit); temperatures go through degrees Celsius with fixed linear constants.
// The converter window and the command line both compute here, so they show
// the same digits.
#include <array>
#include <optional>

namespace convert {

// The temperature category: CLASS 28, the 28th entry of the category list.
constexpr int kTemperatureClass = 28;

struct TemperatureScale {
    double toCelsiusMul, toCelsiusAdd, fromCelsiusMul, fromCelsiusAdd;
};

// By NUMBER within the temperature category: Celsius, Fahrenheit, Kelvin,
// Rankine, Reaumur. The Fahrenheit and Rankine constants are the rounded
// decimals the program has always used (0.5555556, not 5/9), so 212 degrees
// Fahrenheit read back as 100.0000094 degrees Celsius; users' figures were made
// with these, and they stay.
constexpr std::array<TemperatureScale, 5> kTemperatureScales = {{
    {1.0, 0.0, 1.0, 0.0},
    {0.5555556, -17.7777778, 1.8, 32.0},
    {1.0, -273.15, 1.0, 273.15},
    {0.5555556, -273.15, 1.8, 491.67},
    {1.25, 0.0, 0.8, 0.0},
}};

// x in scale `from` expressed in scale `to` (positions in kTemperatureScales).
// Every step is rounded to a double on its own. The same scale on both sides
// with x exactly 0 gives 0, not the residue of the rounded constants.
// Throws kv::Error for a position outside the table, and the floating-point
// error for an overflow.
double convertTemperature(double x, int from, int to);

// x * fromFactor / toFactor, multiplying first. No result for a target factor
// of 0. Throws the floating-point error for an overflow or an invalid operation.
std::optional<double> convertByFactor(double x, double fromFactor, double toFactor);

}  // namespace convert

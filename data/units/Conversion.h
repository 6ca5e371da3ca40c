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
// Rankine, Reaumur. The Fahrenheit and Rankine factors are the exact 5/9 and
// -160/9 (as doubles): decimals cut to seven places showed 212 degrees
// Fahrenheit as 100.0000094 degrees Celsius and 32 as 1.4E-6.
constexpr std::array<TemperatureScale, 5> kTemperatureScales = {{
    {1.0, 0.0, 1.0, 0.0},
    {5.0 / 9.0, -160.0 / 9.0, 1.8, 32.0},
    {1.0, -273.15, 1.0, 273.15},
    {5.0 / 9.0, -273.15, 1.8, 491.67},
    {1.25, 0.0, 0.8, 0.0},
}};

// x in scale `from` expressed in scale `to` (positions in kTemperatureScales).
// Every step is rounded to a double on its own. The same scale on both sides
// gives x itself (0 for either zero): the trip through Celsius and back would
// leave a residue in the last digits.
// Throws kv::Error for a position outside the table, and the floating-point
// error for an overflow.
double convertTemperature(double x, int from, int to);

// x * fromFactor / toFactor, multiplying first. No result for a target factor
// of 0. Throws the floating-point error for an overflow or an invalid operation.
std::optional<double> convertByFactor(double x, double fromFactor, double toFactor);

}  // namespace convert

#pragma once
// The ratio of two values of one unit in decibels.
#include <optional>
#include <string>

namespace engineering {

// Power-like quantities (power, energy) take 10 lg of the ratio; field
// quantities (voltage, current) 20 lg.
enum class Quantity { Power, Field };

// 10 or 20 times lg(v2 / v1); nothing unless both values are above zero.
// A ratio too large or too small for a double still gets its level.
std::optional<double> decibels(double v2, double v1, Quantity quantity);

// The window's calculation on its texts: both read first (kv::Error names the
// first that is no number), then the result in the general number format, or
// nothing when a value is not above zero.
std::optional<std::string> decibelText(const std::string& v2, const std::string& v1, Quantity quantity);

}  // namespace engineering

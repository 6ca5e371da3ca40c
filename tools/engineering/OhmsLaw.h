#pragma once
// Ohm's law for direct current, and resistors in series and in parallel: the
// computations of the Ohm's-law page, on the texts of its boxes and lists.
#include <optional>
#include <string>
#include <vector>

namespace engineering {

struct OhmBoxes {
    std::string amperes = "1", volts = "1", ohms = "1";
};

enum class OhmUnknown { None, Current, Voltage, Resistance };

// The box holding 0 is computed from the other two when both are positive:
// I = U / R, U = I x R or R = U / I, in the general number format. With no
// zero, more than one, or a negative value nothing changes and None is
// returned. A box that is no number throws (kv::Error) before anything
// changes, as does a result beyond the range of a double.
OhmUnknown solveOhmsLaw(OhmBoxes& boxes);

// The sum of the entries in list order; nothing for an empty list. An entry
// that is no number throws its reading error.
std::optional<double> seriesResistance(const std::vector<std::string>& entries);

// 1 / (sum of 1 / x over the entries in list order); nothing for an empty
// list. An entry 0 (or entries whose conductances cancel) throws "Floating
// point division by zero".
std::optional<double> parallelResistance(const std::vector<std::string>& entries);

}  // namespace engineering

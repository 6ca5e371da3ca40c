#include "tools/engineering/Decibel.h"

#include <cmath>

#include "core/NumberFormat.h"
#include "core/NumberRead.h"

namespace engineering {

std::optional<double> decibels(double v2, double v1, Quantity quantity) {
    if (!(v2 > 0 && v1 > 0)) return std::nullopt;
    const double factor = quantity == Quantity::Field ? 20 : 10;
    const double ratio = v2 / v1;
    // A ratio beyond the range of a double still has a level: take it as the
    // difference of the logarithms rather than fail on the quotient.
    if (!std::isnormal(ratio)) return factor * (std::log10(v2) - std::log10(v1));
    return factor * std::log10(ratio);
}

std::optional<std::string> decibelText(const std::string& v2, const std::string& v1, Quantity quantity) {
    const double upper = kv::readFloat(v2);
    const double lower = kv::readFloat(v1);
    const std::optional<double> level = decibels(upper, lower, quantity);
    if (!level) return std::nullopt;
    return kv::formatGeneral(*level);
}

}  // namespace engineering

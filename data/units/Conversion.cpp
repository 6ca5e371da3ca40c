// Built with -ffp-contract=off (see CMakeLists.txt): a fused multiply-add would
// skip the rounding between the steps of the temperature conversion and change
// its last digits.
#include "data/units/Conversion.h"

#include <string>

#include "core/Error.h"
#include "core/FloatErrors.h"

namespace convert {

double convertTemperature(double x, int from, int to) {
    const int count = static_cast<int>(kTemperatureScales.size());
    if (from < 0 || from >= count || to < 0 || to >= count)
        throw kv::Error("No temperature scale at position " + std::to_string(from < 0 || from >= count ? from : to));
    if (from == to) return x == 0 ? 0.0 : x;
    const TemperatureScale& a = kTemperatureScales[static_cast<size_t>(from)];
    const TemperatureScale& b = kTemperatureScales[static_cast<size_t>(to)];
    return kv::checkedFloat([&] {
        double c = a.toCelsiusMul * x;
        c = a.toCelsiusAdd + c;
        double r = b.fromCelsiusMul * c;
        r = b.fromCelsiusAdd + r;
        return r;
    });
}

std::optional<double> convertByFactor(double x, double fromFactor, double toFactor) {
    if (toFactor == 0) return std::nullopt;
    return kv::checkedFloat([&] {
        double product = x * fromFactor;
        return product / toFactor;
    });
}

}  // namespace convert

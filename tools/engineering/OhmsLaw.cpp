#include "tools/engineering/OhmsLaw.h"

#include "core/FloatErrors.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"

namespace engineering {

OhmUnknown solveOhmsLaw(OhmBoxes& boxes) {
    // Doubles, so that 0.1 V over 1 ohm shows 0.1 A and not the rounding of
    // a single-precision 0.1.
    const double i = kv::readFloat(boxes.amperes);
    const double u = kv::readFloat(boxes.volts);
    const double r = kv::readFloat(boxes.ohms);
    if (i == 0 && u > 0 && r > 0) {
        boxes.amperes = kv::formatGeneral(kv::checkedFloat([&] { return u / r; }));
        return OhmUnknown::Current;
    }
    if (i > 0 && u == 0 && r > 0) {
        boxes.volts = kv::formatGeneral(kv::checkedFloat([&] { return i * r; }));
        return OhmUnknown::Voltage;
    }
    if (i > 0 && u > 0 && r == 0) {
        boxes.ohms = kv::formatGeneral(kv::checkedFloat([&] { return u / i; }));
        return OhmUnknown::Resistance;
    }
    return OhmUnknown::None;
}

std::optional<double> seriesResistance(const std::vector<std::string>& entries) {
    if (entries.empty()) return std::nullopt;
    return kv::checkedFloat([&] {
        double sum = 0;
        for (const std::string& e : entries) sum += kv::readFloat(e);
        return sum;
    });
}

std::optional<double> parallelResistance(const std::vector<std::string>& entries) {
    if (entries.empty()) return std::nullopt;
    return kv::checkedFloat([&] {
        double conductance = 0;
        for (const std::string& e : entries) {
            const double x = kv::readFloat(e);
            conductance += 1 / x;
            asm volatile("" : "+m"(conductance)::"memory");  // summed before the flags are read
            kv::throwIfFloatFault();  // the first zero stops the sum, as it is met
        }
        return 1 / conductance;
    });
}

}  // namespace engineering

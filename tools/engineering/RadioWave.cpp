#include "tools/engineering/RadioWave.h"

#include <utility>

#include "core/FloatErrors.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"

namespace engineering {

bool toWavelength(RadioBoxes& boxes) {
    const double f = kv::readFloat(boxes.frequency);
    if (f == 0) return false;
    const auto [wave, period] = kv::checkedFloat([f] { return std::pair{kSpeedOfLight / f, 1 / f}; });
    boxes.wavelength = kv::formatGeneral(wave);
    boxes.period = kv::formatGeneral(period);
    return true;
}

bool toFrequency(RadioBoxes& boxes) {
    const double w = kv::readFloat(boxes.wavelength);
    if (w == 0) return false;
    const std::string frequency = kv::formatGeneral(kv::checkedFloat([w] { return kSpeedOfLight / w; }));
    const double f = kv::readFloat(frequency);
    const double period = kv::checkedFloat([f] { return 1 / f; });
    boxes.frequency = frequency;
    boxes.period = kv::formatGeneral(period);
    return true;
}

}  // namespace engineering

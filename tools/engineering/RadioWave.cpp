#include "tools/engineering/RadioWave.h"

#include "core/FloatErrors.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"

namespace engineering {

namespace {

// a / b with its faults reported. The divisor is read through a volatile
// inside the check: a plain operand lets the optimiser divide before the
// check has cleared the flags, and the fault goes unseen.
double quotient(double a, double b) {
    return kv::checkedFloat([a, b] {
        volatile double divisor = b;
        return a / divisor;
    });
}

}  // namespace

bool toWavelength(RadioBoxes& boxes) {
    const double f = kv::readFloat(boxes.frequency);
    if (f == 0) return false;
    const double wave = quotient(kSpeedOfLight, f);
    const double period = quotient(1, f);
    boxes.wavelength = kv::formatGeneral(wave);
    boxes.period = kv::formatGeneral(period);
    return true;
}

bool toFrequency(RadioBoxes& boxes) {
    const double w = kv::readFloat(boxes.wavelength);
    if (w == 0) return false;
    const std::string frequency = kv::formatGeneral(quotient(kSpeedOfLight, w));
    const double period = quotient(1, kv::readFloat(frequency));
    boxes.frequency = frequency;
    boxes.period = kv::formatGeneral(period);
    return true;
}

}  // namespace engineering

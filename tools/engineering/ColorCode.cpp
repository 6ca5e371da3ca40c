#include "tools/engineering/ColorCode.h"

#include <stdexcept>

#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "tools/engineering/ColorBands.h"

namespace engineering {

namespace {

// A band picked outside its list is a fault of the caller, never a read past the table.
template <class Band>
const Band& entry(std::span<const Band> list, int index) {
    if (index < 0 || index >= int(list.size())) throw std::out_of_range("no such band entry");
    return list[index];
}

// (first digit x 10 + second digit) x multiplier: both pages' rule.
double bandValue(int first, int second, double multiplier) {
    return (entry(digitBands(), first).number * 10 + entry(digitBands(), second).number) * multiplier;
}

}  // namespace

std::string scaledResistance(const std::string& shownOhms) {
    const double v = kv::readFloat(shownOhms);
    std::string scaled;
    if (v >= 1000) scaled = kv::formatGeneral(v * 0.001) + " KOhm";
    if (v >= 1000000) scaled = kv::formatGeneral(v * 0.000001) + " MOhm";
    return scaled;
}

ResistorReading readResistor(const ResistorCode& code) {
    ResistorReading r;
    r.ohms = kv::formatGeneral(bandValue(code.first, code.second, entry(resistorMultiplierBands(), code.multiplier).number));
    r.scaled = scaledResistance(r.ohms);
    r.tolerance = entry(resistorToleranceBands(), code.tolerance).text;
    return r;
}

CapacitorReading readCapacitor(const CapacitorCode& code) {
    CapacitorReading c;
    c.coefficient = entry(capacitorCoefficientBands(), code.coefficient).text;
    c.picofarads =
        kv::formatGeneral(bandValue(code.first, code.second, entry(capacitorMultiplierBands(), code.multiplier).number));
    c.tolerance = entry(capacitorToleranceBands(), code.tolerance).text;
    return c;
}

}  // namespace engineering

#pragma once
// `Kvantor2 wavelength HZ` and `Kvantor2 frequency METRES`: the radio window
// without its window.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// Print the window's three boxes after its conversion, one line each
// ("Wavelength: 299.792458 m"), the given value as typed. Return 0; 1 with
// the window's message on `err` for a value that is no number or a
// floating-point fault, and for 0, which the window passes over without a
// result; 2 for bad usage.
int runWavelengthCommand(const QStringList& args, std::ostream& out, std::ostream& err);
int runFrequencyCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace engineering

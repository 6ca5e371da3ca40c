#pragma once
// `Kvantor2 wavelength HZ` and `Kvantor2 frequency METRES`: the radio window
// without its window.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// Print the window's three boxes after its conversion, one line each
// ("Wavelength: 299.792458 m"), the given value as typed. Throw the window's
// message for a value that is no number or a floating-point fault, and for
// 0, which the window passes over without a result.
void runWavelengthCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runFrequencyCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace engineering

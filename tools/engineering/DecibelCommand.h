#pragma once
// `Kvantor2 decibel V2 V1 [--field]`: the decibel window without its window.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// Print the level of V2 over V1 in decibels as the window's result box shows
// it: 10 lg of the ratio, 20 lg with --field. Return 0; 1 with the window's
// message on `err` for a value that is no number, and for a value not above
// zero, which the window passes over without a result; 2 for bad usage.
int runDecibelCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace engineering

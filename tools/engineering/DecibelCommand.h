#pragma once
// `Kvantor2 decibel V2 V1 [--field]`: the decibel window without its window.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// Print the level of V2 over V1 in decibels as the window's result box shows
// it: 10 lg of the ratio, 20 lg with --field. Throw the window's message for
// a value that is no number, and for a value not above zero, which the window
// passes over without a result; kv::UsageError without two values.
void runDecibelCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace engineering

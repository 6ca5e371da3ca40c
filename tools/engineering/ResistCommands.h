#pragma once
// The commands of the resistor, capacitor and Ohm's-law window, printing what
// its pages show. Bands are named by colour, in any case ("yellow", "Violet");
// a digit band also takes its digit, a tolerance band "none" for "No Band".
// A band or value the window could not take throws its message.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// `resistor BAND1 BAND2 MULTIPLIER [TOLERANCE]`: "Value: <ohms> Ohms", the
// kilo- or mega-ohm text (an empty line below 1000 ohms), "Tolerance: <text>".
void runResistorCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// `capacitor COEFFICIENT BAND2 BAND3 MULTIPLIER [TOLERANCE]`, the bands from
// left to right: the temperature coefficient, the value in pF, the tolerance.
void runCapacitorCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// `ohm I U R`: the unknown is written "?" (or 0, as in the window) and is
// computed from the other two; prints the three boxes "I = ... A",
// "U = ... V", "R = ... Ohms". Nothing to compute is an error.
void runOhmCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// `series R...` and `parallel R...`: "Result R=<ohms>".
void runSeriesCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runParallelCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace engineering

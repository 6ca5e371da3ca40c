#pragma once
// The commands of the resistor, capacitor and Ohm's-law window, printing what
// its pages show. Bands are named by colour, in any case ("yellow", "Violet");
// a digit band also takes its digit, a tolerance band "none" for "No Band".
// A band or value the window could not take prints its message on `err` and
// returns 1; wrong argument counts print the usage and return 2.
#include <QStringList>
#include <iosfwd>

namespace engineering {

// `resistor BAND1 BAND2 MULTIPLIER [TOLERANCE]`: "Value: <ohms> Ohms", the
// kilo- or mega-ohm text (an empty line below 1000 ohms), "Tolerance: <text>".
int runResistorCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// `capacitor COEFFICIENT BAND2 BAND3 MULTIPLIER [TOLERANCE]`, the bands from
// left to right: the temperature coefficient, the value in pF, the tolerance.
int runCapacitorCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// `ohm I U R`: the unknown is written "?" (or 0, as in the window) and is
// computed from the other two; prints the three boxes "I = ... A",
// "U = ... V", "R = ... Ohms". Nothing to compute is an error.
int runOhmCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// `series R...` and `parallel R...`: "Result R=<ohms>".
int runSeriesCommand(const QStringList& args, std::ostream& out, std::ostream& err);
int runParallelCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace engineering

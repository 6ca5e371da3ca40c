#pragma once
// The converter's commands: `Kvantor2 convert VALUE FROM TO`, `Kvantor2 units
// [CATEGORY]` and `Kvantor2 find TEXT`. Each reads the units tables beside the
// program, prints its result and throws what it cannot do (an unknown unit,
// with the nearest names).
#include <QStringList>
#include <iosfwd>
#include <string>

namespace convert {

void runConvertCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runUnitsCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runFindCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// The same with the tables read from `dir` (with its trailing separator).
void convertCommandIn(const std::string& dir, const QStringList& args, std::ostream& out);
void unitsCommandIn(const std::string& dir, const QStringList& args, std::ostream& out);
void findCommandIn(const std::string& dir, const QStringList& args, std::ostream& out);

}  // namespace convert

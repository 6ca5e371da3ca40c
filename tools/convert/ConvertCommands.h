#pragma once
// The converter's commands: `Kvantor2 convert VALUE FROM TO`, `Kvantor2 units
// [CATEGORY]` and `Kvantor2 find TEXT`. Each reads the units tables beside the
// program and returns the exit status (0 done, 1 failed, 2 bad usage).
#include <QStringList>
#include <iosfwd>
#include <string>

namespace convert {

int runConvertCommand(const QStringList& args, std::ostream& out, std::ostream& err);
int runUnitsCommand(const QStringList& args, std::ostream& out, std::ostream& err);
int runFindCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// The same with the tables read from `dir` (with its trailing separator).
int convertCommandIn(const std::string& dir, const QStringList& args, std::ostream& out, std::ostream& err);
int unitsCommandIn(const std::string& dir, const QStringList& args, std::ostream& out, std::ostream& err);
int findCommandIn(const std::string& dir, const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace convert

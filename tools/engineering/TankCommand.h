#pragma once
// `Kvantor2 tank SHAPE VALUES... [--length UNIT] [--density VALUE MASSUNIT
// VOLUMEUNIT] [--volume UNIT] [--mass UNIT] [--area UNIT]`: the tank window's
// three results, each with its unit. Returns the exit status (0 done, 1
// failed, 2 bad usage).
#include <QStringList>
#include <iosfwd>
#include <string>

namespace engineering {

int runTankCommand(const QStringList& args, std::ostream& out, std::ostream& err);
// The same with the units tables read from `dir` (with its trailing separator).
int tankCommandIn(const std::string& dir, const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace engineering

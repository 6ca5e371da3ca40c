#pragma once
// `Kvantor2 tank SHAPE VALUES... [--length UNIT] [--density VALUE MASSUNIT
// VOLUMEUNIT] [--volume UNIT] [--mass UNIT] [--area UNIT]`: the tank window's
// three results, each with its unit. Throws kv::UsageError for arguments of
// the wrong shape; input the window refuses prints the zeros and throws its
// message.
#include <QStringList>
#include <iosfwd>
#include <string>

namespace engineering {

void runTankCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
// The same with the units tables read from `dir` (with its trailing separator).
void tankCommandIn(const std::string& dir, const QStringList& args, std::ostream& out);

}  // namespace engineering

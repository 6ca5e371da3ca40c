#pragma once
// `Kvantor2 hardness [TABLE]`: the list of the five steel hardness tables, or
// one of them (1 to 5) with its headings and rows, read from the tables
// beside the program.
#include <QStringList>
#include <iosfwd>

namespace reference {

// Throws kv::UsageError for a table other than 1 to 5, the table's error for
// a file that cannot be read.
void runHardnessCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace reference

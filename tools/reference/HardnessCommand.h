#pragma once
// `Kvantor2 hardness [TABLE]`: the list of the five steel hardness tables, or
// one of them (1 to 5) with its headings and rows, read from the tables
// beside the program.
#include <QStringList>
#include <iosfwd>

namespace reference {

// Returns 0, or 1 with a message on `err` for an unknown table or a table
// file that cannot be read.
int runHardnessCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace reference

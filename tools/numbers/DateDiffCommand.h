#pragma once
// `Kvantor2 datediff START END`: the date window without its window.
#include <QStringList>
#include <iosfwd>

namespace numbers {

// START and END as YYYY-MM-DD. Prints the window's four rows, one
// "Title: value" line each ("Years: 1"). Throws a message naming the
// argument when a date cannot be read.
void runDateDiffCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace numbers

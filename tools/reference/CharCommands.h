#pragma once
// `Kvantor2 char CODE|CHARACTER` and `Kvantor2 keys`: what the fonts window
// shows of a character, and its key table, on standard output.
#include <QStringList>
#include <iosfwd>

namespace reference {

void runCharCommand(const QStringList& args, std::ostream& out, std::ostream& notes);
void runKeysCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace reference

#pragma once
// `Kvantor2 hexdump FILE`: the dump of any file on standard output, line for
// line as the hex viewer saves it.
#include <QStringList>
#include <iosfwd>

namespace hexview {

int runHexdumpCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace hexview

#pragma once
// `Kvantor2 hexdump FILE`: the dump of any file on standard output, line for
// line as the hex viewer saves it. A stream (a pipe, /dev/stdin, a device, a
// file of /proc) is dumped as it comes, for as long as it goes on.
#include <QStringList>
#include <iosfwd>

namespace hexview {

void runHexdumpCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace hexview

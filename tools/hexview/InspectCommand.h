#pragma once
// `Kvantor2 inspect FILE OFFSET [--big-endian]`: the data inspector's fields
// for the bytes of FILE at OFFSET, one "name: value" line each.
#include <QStringList>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace hexview {

// An offset typed on the command line: decimal, or hexadecimal after "0x"
// (or "$"), or decimal after "#" as the go-to dialog takes it. Throws kv::Error.
std::uint64_t parseCommandOffset(const std::string& text);

void runInspectCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace hexview

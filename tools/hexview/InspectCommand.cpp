#include "tools/hexview/InspectCommand.h"

#include <ostream>

#include "core/Command.h"
#include "core/LocalNames.h"
#include "tools/hexview/Find.h"
#include "tools/hexview/Inspector.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

std::uint64_t parseCommandOffset(const std::string& text) {
    // Bare digits are decimal here, as everywhere on a command line; the
    // go-to dialog's marked forms mean what they mean there.
    const bool marked = text.starts_with("0x") || text.starts_with("0X") || text.starts_with('$') ||
                        text.starts_with('#');
    if (marked) return parseOffset(text);
    const bool decimal = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!decimal)
        throw kv::Error("'" + text + "' is not an offset: type it in decimal (496) or in hexadecimal after 0x (0x1F0)");
    return parseOffset("#" + text);
}

void runInspectCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    QStringList values = args;
    const bool bigEndian = values.removeAll(QStringLiteral("--big-endian")) > 0;
    if (values.size() != 2) throw kv::UsageError();
    const std::string path = kv::localBytes(values[0]);
    const std::uint64_t offset = parseCommandOffset(values[1].toStdString());
    try {
        MappedFile file(path);
        if (file.stream()) {
            // What tells no size is read into memory as the window reads it,
            // up to its limit, and no further than the fields reach.
            constexpr std::uint64_t limit = std::uint64_t{64} << 20;
            if (offset > limit - kInspectedBytes)
                throw kv::Error("Only the first 64 MB of " + path + " can be read: it tells no size.");
            file.take(offset + kInspectedBytes, [](std::uint64_t) { return true; });
        }
        const std::uint64_t size = file.size();
        if (offset > size)
            throw kv::Error("Offset " + std::to_string(offset) + " lies past the end of the file (" +
                            std::to_string(size) + " bytes).");
        out << inspectorText(inspectFile(file, offset, bigEndian));
    } catch (const OpenError& e) {
        throw kv::Error("Can't open file " + path + ": " + e.what());
    }
}

}  // namespace hexview

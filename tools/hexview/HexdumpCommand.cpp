#include "tools/hexview/HexdumpCommand.h"

#include <unistd.h>

#include <ostream>

#include "core/Error.h"
#include "tools/hexview/DumpWriter.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

void runHexdumpCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const std::string path = args[0].toStdString();
    try {
        MappedFile file(path);
        // Gigabytes of lines: they go straight to the descriptor in large
        // blocks, past the stream's own buffering.
        out.flush();
        OutputBuffer buffer(STDOUT_FILENO, "the output", std::size_t{4} << 20);
        if (file.stream()) dumpStream(file, buffer);
        else writeDump(file, buffer);
    } catch (const OpenError& e) {
        throw kv::Error("Can't open file " + path + ": " + e.what());
    }
}

}  // namespace hexview

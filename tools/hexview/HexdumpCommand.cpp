#include "tools/hexview/HexdumpCommand.h"

#include <unistd.h>

#include <iostream>

#include "core/Error.h"
#include "core/LocalNames.h"
#include "tools/hexview/DumpWriter.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

void runHexdumpCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const std::string path = kv::localBytes(args[0]);
    try {
        MappedFile file(path);
        // Gigabytes of lines: on the command line they go straight to the
        // descriptor in large blocks, past the stream's own buffering.
        out.flush();
        OutputBuffer buffer = &out == &std::cout ? OutputBuffer(STDOUT_FILENO, "the output", std::size_t{4} << 20)
                                                 : OutputBuffer(out, "the output");
        if (file.stream()) {
            dumpStream(file, buffer);
        } else {
            // A file cut short meanwhile gives a short dump: that is no copy of it.
            const std::uint64_t size = file.size();
            if (writeDump(file, buffer) < size) throw kv::Error("The file " + path + " changed while it was read");
        }
    } catch (const OpenError& e) {
        throw kv::Error("Can't open file " + path + ": " + e.what());
    }
}

}  // namespace hexview

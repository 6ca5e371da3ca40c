#include "tools/hexview/CommandRows.h"

#include "tools/hexview/HexdumpCommand.h"
#include "tools/hexview/InspectCommand.h"

namespace hexview {

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"hexdump", 1, 1, "hexdump FILE", "the hex viewer's dump of a file", runHexdumpCommand, "FILE"},
        {"inspect", 2, 3, "inspect FILE OFFSET [--big-endian]",
         "the hex viewer's data inspector: the bytes at OFFSET (decimal, or 0x hex) as numbers, text and times",
         runInspectCommand, "FILE OFFSET"},
    };
    return rows;
}

}  // namespace hexview

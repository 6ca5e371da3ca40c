#include "tools/hexview/CommandRows.h"

#include "tools/hexview/HexdumpCommand.h"

namespace hexview {

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"hexdump", 1, 1, "hexdump FILE", "the hex viewer's dump of a file", runHexdumpCommand, "FILE"},

    };
    return rows;
}

}  // namespace hexview

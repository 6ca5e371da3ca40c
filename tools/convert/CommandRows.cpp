#include "tools/convert/CommandRows.h"

#include "tools/convert/ConvertCommands.h"

namespace convert {

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"convert", 3, 3, "convert VALUE FROM TO", "convert a value between two units of one category",
         runConvertCommand, "VALUE FROM TO"},
        {"units", 0, 1, "units [CATEGORY]", "list the categories, or a category's units", runUnitsCommand,
         "CATEGORY"},
        {"find", 1, 1, "find TEXT", "list the units whose names contain TEXT", runFindCommand, "TEXT"},
    };
    return rows;
}

}  // namespace convert

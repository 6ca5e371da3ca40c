#include "tools/calc/CommandRows.h"

#include "parser/CalcCommand.h"
#include "tools/calc/PlotCommand.h"

namespace calc {

using kv::kAnyCount;

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"calc", 1, kAnyCount, "calc EXPR [NAME=VALUE ...]", "evaluate an expression as the calculator does",
         runCalcCommand, "EXPR NAME=VALUE..."},
        {"plot", 4, kAnyCount, "plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]",
         "tabulate a formula in X as the graph window draws it", runPlotCommand,
         "FORMULA MIN MAX STEP NAME=VALUE... --png=FILE --size=WxH", plotCommandNeedsWidgets},
    };
    return rows;
}

}  // namespace calc

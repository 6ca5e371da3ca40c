#include "app/Commands.h"

#include <functional>
#include <ostream>
#include <vector>

#include "core/AppInfo.h"
#include "data/TableReport.h"
#include "platform/ProgramDir.h"
#include "tools/calc/PlotCommand.h"
#include "tools/convert/ConvertCommands.h"
#include "tools/reference/PhisText.h"
#include "widgets/parser/CalcCommand.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    std::function<int(const QStringList& args, std::ostream& out, std::ostream& err)> run;
};

int tablesCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (!args.isEmpty()) {
        err << "tables takes no arguments\n";
        return 2;
    }
    TableReport report = reportTables(platform::programDir());
    out << report.text;
    return report.allOpen ? 0 : 1;
}

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"tables", "tables                 check the reference tables beside the program", tablesCommand},
        {"calc", "calc EXPR [NAME=VALUE ...]  evaluate an expression as the calculator does", runCalcCommand},
        {"plot", "plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]\n"
                 "                         tabulate a formula in X as the graph window draws it",
         calc::runPlotCommand},
        {"convert", "convert VALUE FROM TO  convert a value between two units of one category", convert::runConvertCommand},
        {"units", "units [CATEGORY]       list the categories, or a category's units", convert::runUnitsCommand},
        {"find", "find TEXT              list the units whose names contain TEXT", convert::runFindCommand},
        {"constants", "constants [TEXT]       list the physical constants (those whose name contains TEXT)",
         reference::runConstantsCommand},
    };
    return all;
}

void printUsage(std::ostream& out) {
    out << "Usage: Kvantor2                  start the desktop program\n"
           "       Kvantor2 <command> ...    run a tool without a display\n"
           "Commands:\n";
    for (const Command& c : commands()) out << "  " << c.usage << "\n";
    out << "  --version              print the program's version\n";
}

}  // namespace

bool commandNeedsWidgets(const QStringList& args) { return calc::plotCommandNeedsWidgets(args); }

int runCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << kv::kProductName.toStdString() << " " << kv::appVersion().toStdString() << "\n";
        return 0;
    }
    for (const Command& c : commands()) {
        if (args[0] == QLatin1String(c.name)) return c.run(args.mid(1), out, err);
    }
    err << "Unknown command '" << args[0].toStdString() << "'\n";
    printUsage(err);
    return 2;
}

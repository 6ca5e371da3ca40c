#include "app/Commands.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <QString>

#include "core/AppInfo.h"
#include "data/TableReport.h"
#include "platform/ProgramDir.h"
#include "tools/calc/PlotCommand.h"
#include "tools/convert/ConvertCommands.h"
#include "tools/hexview/HexdumpCommand.h"
#include "tools/numbers/NumeralsCommand.h"
#include "tools/numbers/DateDiffCommand.h"
#include "tools/numbers/PrimesCommand.h"
#include "tools/reference/PhisText.h"
#include "widgets/parser/CalcCommand.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    std::function<int(const QStringList& args, std::ostream& out, std::ostream& err)> run;
    // The arguments' names in order; "NAME..." repeats, "--opt=NAME" names an option's value.
    const char* arguments = "";
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
        {"calc", "calc EXPR [NAME=VALUE ...]  evaluate an expression as the calculator does", runCalcCommand,
         "EXPR NAME=VALUE..."},
        {"plot", "plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]\n"
                 "                         tabulate a formula in X as the graph window draws it",
         calc::runPlotCommand, "FORMULA MIN MAX STEP NAME=VALUE... --png=FILE --size=WxH"},
        {"convert", "convert VALUE FROM TO  convert a value between two units of one category", convert::runConvertCommand,
         "VALUE FROM TO"},
        {"units", "units [CATEGORY]       list the categories, or a category's units", convert::runUnitsCommand, "CATEGORY"},
        {"find", "find TEXT              list the units whose names contain TEXT", convert::runFindCommand, "TEXT"},
        {"constants", "constants [TEXT]       list the physical constants (those whose name contains TEXT)",
         reference::runConstantsCommand, "TEXT"},
        {"numerals", "numerals N [BASE]      N in Roman numerals, in BASE (2 unless given) and in words",
         numbers::runNumeralsCommand, "N BASE"},
        {"datediff", "datediff START END     the span between two dates (YYYY-MM-DD) in years, months, days, hours",
         numbers::runDateDiffCommand, "START END"},
        {"primes", "primes N               list the primes from N down to 2", numbers::runPrimesCommand, "N"},
        {"hexdump", "hexdump FILE           the hex viewer's dump of a file", hexview::runHexdumpCommand, "FILE"},
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

// The name of argument k of `c`, as its usage line writes it.
std::string argumentName(const Command& c, const QStringList& args, qsizetype k) {
    const QStringList names = QString::fromLatin1(c.arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (k > 0 && args[k - 1].startsWith(QLatin1String("--"))) {
        for (const QString& n : names)
            if (n.startsWith(args[k - 1] + QLatin1Char('='))) return n.mid(args[k - 1].size() + 1).toStdString();
    }
    qsizetype position = 0;
    for (qsizetype j = 0; j < k; ++j) {
        const bool optionValue = j > 0 && args[j - 1].startsWith(QLatin1String("--"));
        if (!args[j].startsWith(QLatin1String("--")) && !optionValue) ++position;
    }
    QStringList positional;
    for (const QString& n : names)
        if (!n.startsWith(QLatin1String("--"))) positional << n;
    if (position < positional.size()) return QString(positional[position]).remove(QLatin1String("...")).toStdString();
    if (!positional.isEmpty() && positional.back().endsWith(QLatin1String("...")))
        return QString(positional.back()).remove(QLatin1String("...")).toStdString();
    return "argument " + std::to_string(k + 1);
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
        if (args[0] != QLatin1String(c.name)) continue;
        const QStringList rest = args.mid(1);
        // Empty text is never a value: the same refusal for every command.
        for (qsizetype k = 0; k < rest.size(); ++k) {
            if (!rest[k].isEmpty()) continue;
            err << "Kvantor2 " << c.name << ": " << argumentName(c, rest, k) << " is empty\n";
            return 2;
        }
        return c.run(rest, out, err);
    }
    err << "Unknown command '" << args[0].toStdString() << "'\n";
    printUsage(err);
    return 2;
}

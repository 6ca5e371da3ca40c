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
#include "tools/engineering/TankCommand.h"
#include "tools/engineering/ResistCommands.h"
#include "tools/engineering/DecibelCommand.h"
#include "tools/engineering/RadioCommand.h"
#include "tools/engineering/RgbCommand.h"
#include "tools/hexview/HexdumpCommand.h"
#include "tools/numbers/NumeralsCommand.h"
#include "tools/numbers/DateDiffCommand.h"
#include "tools/numbers/PrimesCommand.h"
#include "tools/reference/HardnessCommand.h"
#include "tools/reference/ElementText.h"
#include "tools/reference/CharCommands.h"
#include "tools/reference/PhisText.h"
#include "tools/reference/RefTables.h"
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
        {"hardness", "hardness [TABLE]       list the steel hardness tables, or show table 1 to 5 with its headings",
         reference::runHardnessCommand, "TABLE"},
        {"reftable", "reftable [TOPIC]       list the reference tables, or print one (TOPIC: its title or part of it)",
         reference::runRefTableCommand, "TOPIC..."},
        {"numerals", "numerals N [BASE]      N in Roman numerals, in BASE (2 unless given) and in words",
         numbers::runNumeralsCommand, "N BASE"},
        {"datediff", "datediff START END     the span between two dates (YYYY-MM-DD) in years, months, days, hours",
         numbers::runDateDiffCommand, "START END"},
        {"primes", "primes N               list the primes from N down to 2", numbers::runPrimesCommand, "N"},
        {"tank", "tank SHAPE VALUES... [--length UNIT] [--density VALUE MASSUNIT VOLUMEUNIT]\n"
                 "       [--volume UNIT] [--mass UNIT] [--area UNIT]\n"
                 "                         volume, mass and area of the liquid in a tank",
         engineering::runTankCommand,
         "SHAPE VALUE... --length=UNIT --density=VALUE --volume=UNIT --mass=UNIT --area=UNIT"},
        {"resistor", "resistor BAND1 BAND2 MULTIPLIER [TOLERANCE]\n"
                     "                         a resistor's value in ohms from its colour bands",
         engineering::runResistorCommand, "BAND1 BAND2 MULTIPLIER TOLERANCE"},
        {"capacitor", "capacitor COEFFICIENT BAND2 BAND3 MULTIPLIER [TOLERANCE]\n"
                      "                         a ceramic capacitor's value in pF from its colour bands",
         engineering::runCapacitorCommand, "COEFFICIENT BAND2 BAND3 MULTIPLIER TOLERANCE"},
        {"ohm", "ohm I U R              Ohm's law: the unknown one (written ?) from the other two",
         engineering::runOhmCommand, "I U R"},
        {"series", "series R...            resistors in series", engineering::runSeriesCommand, "R..."},
        {"parallel", "parallel R...          resistors in parallel", engineering::runParallelCommand, "R..."},
        {"wavelength", "wavelength HZ          the wavelength and period of a radio frequency",
         engineering::runWavelengthCommand, "HZ"},
        {"frequency", "frequency METRES       the radio frequency and period of a wavelength",
         engineering::runFrequencyCommand, "METRES"},
        {"decibel", "decibel V2 V1 [--field]  the level of V2 over V1 in decibels (10 lg; 20 lg with --field)",
         engineering::runDecibelCommand, "V2 V1"},
        {"rgb", "rgb R G B | rgb NAME   a colour's components and its value in hexadecimal (blue, green, red)",
         engineering::runRgbCommand, "R G B"},
        {"element", "element SYMBOL|NUMBER|NAME  an element's data as the periodic table shows them",
         reference::runElementCommand, "SYMBOL|NUMBER|NAME"},
        {"elements", "elements               list the chemical elements: number, symbol, name, mass",
         reference::runElementsCommand},
        {"char", "char CODE|CHARACTER    a character of code page 1252 (code 32..255, 0x hex, U+ code point or\n"
                 "                         the character itself): its keyboard entry, codes and Unicode name",
         reference::runCharCommand, "CODE"},
        {"keys", "keys                   the key names beside the names programs use for them",
         reference::runKeysCommand},
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

bool commandNeedsWidgets(const QStringList& args) {
    return calc::plotCommandNeedsWidgets(args) || commandReadsDesktop(args);
}

bool commandReadsDesktop(const QStringList& args) {
    return !args.isEmpty() && args[0] == QLatin1String("rgb") && engineering::rgbCommandReadsDesktop(args.mid(1));
}

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

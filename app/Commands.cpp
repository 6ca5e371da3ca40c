#include "app/Commands.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include <QString>

#include "core/AppInfo.h"
#include "core/Command.h"
#include "core/NumberRead.h"
#include "data/TableFolder.h"
#include "data/TableReport.h"
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
#include "parser/CalcCommand.h"

namespace {

using kv::CommandRow;
using kv::kAnyCount;

void tablesCommand(const QStringList&, std::ostream& out, std::ostream&) {
    TableReport report = reportTables(data::tableFolder());
    out << report.text;
    // The report says which table failed.
    if (!report.allOpen) throw kv::Error("");
}

}  // namespace

const std::vector<CommandRow>& commandRows() {
    static const std::vector<CommandRow> all = {
        {"tables", 0, 0, "tables", "check the reference tables beside the program", tablesCommand},
        {"calc", 1, kAnyCount, "calc EXPR [NAME=VALUE ...]", "evaluate an expression as the calculator does",
         runCalcCommand, "EXPR NAME=VALUE..."},
        {"plot", 4, kAnyCount, "plot FORMULA MIN MAX STEP [NAME=VALUE ...] [--png FILE [--size WxH]]",
         "tabulate a formula in X as the graph window draws it", calc::runPlotCommand,
         "FORMULA MIN MAX STEP NAME=VALUE... --png=FILE --size=WxH", calc::plotCommandNeedsWidgets},
        {"convert", 3, 3, "convert VALUE FROM TO", "convert a value between two units of one category",
         convert::runConvertCommand, "VALUE FROM TO"},
        {"units", 0, 1, "units [CATEGORY]", "list the categories, or a category's units", convert::runUnitsCommand,
         "CATEGORY"},
        {"find", 1, 1, "find TEXT", "list the units whose names contain TEXT", convert::runFindCommand, "TEXT"},
        {"constants", 0, kAnyCount, "constants [TEXT]",
         "list the physical constants (those whose name contains TEXT)", reference::runConstantsCommand, "TEXT"},
        // A table number other than 1 to 5 is bad usage, as a wrong count is.
        {"hardness", 0, 1, "hardness [TABLE]",
         "list the steel hardness tables, or show table 1 to 5 with its headings", reference::runHardnessCommand,
         "TABLE"},
        {"reftable", 0, kAnyCount, "reftable [TOPIC]",
         "list the reference tables, or print one (TOPIC: its title or part of it)", reference::runRefTableCommand,
         "TOPIC..."},
        {"numerals", 1, 2, "numerals N [BASE]", "N in Roman numerals, in BASE (2 unless given) and in words",
         numbers::runNumeralsCommand, "N BASE"},
        {"datediff", 2, 2, "datediff START END",
         "the span between two dates (YYYY-MM-DD) in years, months, days, hours", numbers::runDateDiffCommand,
         "START END"},
        {"primes", 1, 1, "primes N", "list the primes from N down to 2", numbers::runPrimesCommand, "N"},
        {"tank", 1, kAnyCount,
         "tank SHAPE VALUES... [--length UNIT] [--density VALUE MASSUNIT VOLUMEUNIT] [--volume UNIT] [--mass UNIT] "
         "[--area UNIT]",
         "volume, mass and area of the liquid in a tank", engineering::runTankCommand,
         "SHAPE VALUE... --length=UNIT --density=VALUE --volume=UNIT --mass=UNIT --area=UNIT"},
        {"resistor", 3, 4, "resistor BAND1 BAND2 MULTIPLIER [TOLERANCE]",
         "a resistor's value in ohms from its colour bands", engineering::runResistorCommand,
         "BAND1 BAND2 MULTIPLIER TOLERANCE"},
        {"capacitor", 4, 5, "capacitor COEFFICIENT BAND2 BAND3 MULTIPLIER [TOLERANCE]",
         "a ceramic capacitor's value in pF from its colour bands", engineering::runCapacitorCommand,
         "COEFFICIENT BAND2 BAND3 MULTIPLIER TOLERANCE"},
        {"ohm", 3, 3, "ohm I U R", "Ohm's law: the unknown one (written ?) from the other two",
         engineering::runOhmCommand, "I U R"},
        {"series", 1, kAnyCount, "series R...", "resistors in series", engineering::runSeriesCommand, "R..."},
        {"parallel", 1, kAnyCount, "parallel R...", "resistors in parallel", engineering::runParallelCommand,
         "R..."},
        {"wavelength", 1, 1, "wavelength HZ", "the wavelength and period of a radio frequency",
         engineering::runWavelengthCommand, "HZ"},
        {"frequency", 1, 1, "frequency METRES", "the radio frequency and period of a wavelength",
         engineering::runFrequencyCommand, "METRES"},
        {"decibel", 2, 3, "decibel V2 V1 [--field]",
         "the level of V2 over V1 in decibels (10 lg; 20 lg with --field)", engineering::runDecibelCommand,
         "V2 V1"},
        {"rgb", 1, 3, "rgb R G B | rgb NAME",
         "a colour's components and its value in hexadecimal (blue, green, red)", engineering::runRgbCommand,
         "R G B", nullptr, engineering::rgbCommandReadsDesktop},
        {"element", 1, kAnyCount, "element SYMBOL|NUMBER|NAME", "an element's data as the periodic table shows them",
         reference::runElementCommand, "SYMBOL|NUMBER|NAME"},
        {"elements", 0, 0, "elements", "list the chemical elements: number, symbol, name, mass",
         reference::runElementsCommand},
        {"char", 1, 1, "char CODE|CHARACTER",
         "a character of code page 1252 (code 32..255, 0x hex, U+ code point or the character itself): its "
         "keyboard entry, codes and Unicode name",
         reference::runCharCommand, "CODE"},
        {"keys", 0, 0, "keys", "the key names beside the names programs use for them", reference::runKeysCommand},
        {"hexdump", 1, 1, "hexdump FILE", "the hex viewer's dump of a file", hexview::runHexdumpCommand, "FILE"},
    };
    return all;
}

namespace {

constexpr int kLineWidth = 79;
constexpr int kSummaryColumn = 25;

// `words` in lines of at most kLineWidth characters, the first starting at
// `column`, the following ones indented by `indent`.
std::string wrapped(const std::vector<std::string>& words, size_t column, size_t indent) {
    std::string text;
    size_t at = column;
    for (size_t k = 0; k < words.size(); ++k) {
        if (k > 0 && at + 1 + words[k].size() > kLineWidth) {
            text += "\n" + std::string(indent, ' ');
            at = indent;
        } else if (k > 0) {
            text += ' ';
            ++at;
        }
        text += words[k];
        at += words[k].size();
    }
    return text;
}

// The words of a usage line; a bracketed group is kept in one piece.
std::vector<std::string> usageWords(const char* usage) {
    std::vector<std::string> words(1);
    int depth = 0;
    for (const char* c = usage; *c; ++c) {
        depth += *c == '[' ? 1 : *c == ']' ? -1 : 0;
        if (*c == ' ' && depth == 0) words.emplace_back();
        else words.back() += *c;
    }
    return words;
}

std::vector<std::string> plainWords(const char* text) {
    std::vector<std::string> words;
    for (const QString& w : QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.push_back(w.toStdString());
    return words;
}

// "Usage: Kvantor2 <usage>", its further lines under the command's arguments.
void printRowUsage(const CommandRow& c, std::ostream& err) {
    const std::string lead = "Usage: Kvantor2 ";
    err << lead << wrapped(usageWords(c.usage), lead.size(), lead.size() + std::strlen(c.name) + 1) << "\n";
}

void printUsage(std::ostream& out) {
    out << "Usage: Kvantor2                  start the desktop program\n"
           "       Kvantor2 <command> ...    run a tool without a display\n"
           "Commands:\n";
    for (const CommandRow& c : commandRows()) {
        const std::string usage = "  " + wrapped(usageWords(c.usage), 2, 3 + std::strlen(c.name));
        const size_t lastLine = usage.size() - (usage.rfind('\n') + 1);  // rfind gives npos for one line
        // The summary beside a short usage, under a long one.
        const std::string gap = lastLine + 2 <= kSummaryColumn ? std::string(kSummaryColumn - lastLine, ' ')
                                                               : "\n" + std::string(kSummaryColumn, ' ');
        out << usage << gap << wrapped(plainWords(c.summary), kSummaryColumn, kSummaryColumn) << "\n";
    }
    out << "  --version              print the program's version\n";
}

// The name of argument k of `c`, as its usage line writes it.
std::string argumentName(const CommandRow& c, const QStringList& args, qsizetype k) {
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

// The row of the command args[0] names, or null.
const CommandRow* rowOf(const QStringList& args) {
    for (const CommandRow& c : commandRows())
        if (!args.isEmpty() && args[0] == QLatin1String(c.name)) return &c;
    return nullptr;
}

}  // namespace

bool commandNeedsWidgets(const QStringList& args) {
    const CommandRow* c = rowOf(args);
    return c && ((c->needsWidgets && c->needsWidgets(args.mid(1))) || commandReadsDesktop(args));
}

bool commandReadsDesktop(const QStringList& args) {
    const CommandRow* c = rowOf(args);
    return c && c->readsDesktop && c->readsDesktop(args.mid(1));
}

namespace {

int dispatch(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << kv::kProductName.toStdString() << " " << kv::appVersion().toStdString() << "\n";
        return 0;
    }
    const CommandRow* c = rowOf(args);
    if (!c) {
        err << kv::terminalText("Unknown command '" + args[0].toStdString() + "'") << "\n";
        printUsage(err);
        return 2;
    }
    const QStringList rest = args.mid(1);
    // Empty text is never a value: the same refusal for every command.
    for (qsizetype k = 0; k < rest.size(); ++k) {
        if (!rest[k].isEmpty()) continue;
        err << "Kvantor2 " << c->name << ": " << argumentName(*c, rest, k) << " is empty\n";
        return 2;
    }
    if (rest.size() < c->minArgs || (c->maxArgs != kAnyCount && rest.size() > c->maxArgs)) {
        printRowUsage(*c, err);
        return 2;
    }
    const int status = kv::commandStatus(c->run, rest, out, err);
    if (status == 2) printRowUsage(*c, err);
    return status;
}

}  // namespace

int runCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    kv::alsoReadDecimalDot();
    const int status = dispatch(args, out, err);
    // Output that never reached its file (a full disc, a closed descriptor)
    // is a failure, however the command itself ended.
    errno = 0;
    out.flush();
    if (out) return status;
    const int cause = errno;
    err << "Can't write the output" << (cause ? std::string(": ") + std::strerror(cause) : std::string()) << "\n";
    return status == 0 ? 1 : status;
}

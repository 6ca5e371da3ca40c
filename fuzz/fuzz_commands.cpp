// The command functions themselves, in memory: an argument vector built from
// a command's argument shapes (each argument a word of its kind, or the
// input's own bytes), run as the command line runs it with its output to a
// string. No run may crash, throw anything but the program's own errors,
// succeed without saying anything, or leave raw control characters in a
// message. The commands read the tables generated beside this program.
//
// Input: the first byte picks the command; the rest are its arguments,
// separated by zero bytes. An argument whose first byte is below 0x10 is the
// word that byte picks from its kind's list; any other is taken byte for
// byte, as the command line takes it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/Command.h"
#include "core/LocalNames.h"
#include "core/NumberRead.h"
#include "data/TableFolder.h"
#include "data/TableReport.h"
#include "parser/CalcCommand.h"
#include "tools/calc/PlotCommand.h"
#include "tools/calc/Tabulation.h"
#include "tools/convert/ConvertCommands.h"
#include "tools/engineering/DecibelCommand.h"
#include "tools/engineering/RadioCommand.h"
#include "tools/engineering/ResistCommands.h"
#include "tools/engineering/RgbCommand.h"
#include "tools/engineering/TankCommand.h"
#include "tools/hexview/HexdumpCommand.h"
#include "tools/hexview/InspectCommand.h"
#include "tools/numbers/DateDiffCommand.h"
#include "tools/numbers/NumeralsCommand.h"
#include "tools/numbers/PrimesCommand.h"
#include "tools/reference/CharCommands.h"
#include "tools/reference/ElementText.h"
#include "tools/reference/HardnessCommand.h"
#include "tools/reference/PhisText.h"
#include "tools/reference/RefTables.h"

namespace {

using Words = std::vector<const char*>;

// The dispatcher's own command, as it runs it.
void tablesCommand(const QStringList&, std::ostream& out, std::ostream&) {
    const TableReport report = reportTables(data::tableFolder());
    out << report.text;
    if (!report.allOpen) throw kv::Error("");
}

// The scratch folder the file arguments point into.
const QString& scratch() {
    static QTemporaryDir dir;
    static const bool made = [] {
        std::ofstream(QDir(dir.path()).filePath("small").toStdString()) << "Kvantor2\n\x01\xff\xfe tail";
        std::ofstream(QDir(dir.path()).filePath("empty").toStdString());
        return QDir(dir.path()).mkdir("folder");
    }();
    (void)made;
    static const QString path = dir.path() + "/";
    return path;
}

bool fileShape(const Words* words);

const Words kNumbers = {"1", "0", "-2.5", "?", "1e308", "1e999999", "nan", "inf", "0,5", "$FF", "4.9e-324", " 7 "};
const Words kIntegers = {"0", "1", "16", "32767", "32768", "-1", "2147483647", "2147483648", "$10", "3.5", "1e3"};
const Words kUnits = {"m", "ft", "metre", "meters", "degF", "°C", "um", "µm", "Mm", "K", "kg", "Length", "l/min"};
const Words kTexts = {"a", "Planck", "speed of light", "iron", "Fe", "26", "wind", "ISO", "1", "Length", "%"};
const Words kDates = {"2000-01-01", "0100-01-01", "9999-12-31", "2000-02-29", "1900-02-29", "2000-13-01",
                      "10000-01-01", "2000-1-1", "0099-12-31", "1899-12-30"};
const Words kColours = {"red", "clBtnFace", "255", "300", "-5", "black", "clRed", "0", "clNone"};
const Words kBands = {"black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "grey", "white",
                      "gold", "silver", "none"};
const Words kTank = {"Cone", "Cylinder", "Prism", "Pyramid", "Sphere", "Torus", "1", "2.5", "-1", "0",
                     "--length", "--density", "--volume", "--mass", "--area", "m", "cm", "kg", "l", "1000"};
const Words kExpressions = {"1+1", "sin(x)", "2^3^2", "x*y", "x=2", "y=0,5", "1/0", "x=", "=1", "ln(-1)"};
const Words kElements = {"Fe", "26", "iron", "IRON", "0", "119", "H", "Og", "1.5"};
const Words kCharacters = {"A", "7", "U+00E9", "0x41", "32", "255", "256", "U+20AC", "é", "€", "0x", "U+D800"};
const Words kDecibel = {"1", "10", "0", "-1", "--field", "nan"};
const Words kPlot = {"sin(x)", "0", "1", "0.5", "-1", "x^2", "1/x", "a=2", "--png=pic.png", "--size=20x20", "1e308"};
// Files: what a scratch folder holds (made at start), the tables, the folder
// itself, the empty device and a name that is not there. A file given byte for
// byte is looked for in the scratch folder (no name in it reaches another
// folder: an endless device such as /dev/zero would only time out).
const Words kFiles = {"@small", "@empty", "@folder", "class.dbf", "/dev/null", "@missing", "members.DBF"};
const Words kOffsets = {"0", "1", "15", "16", "0x10", "-1", "99999999999999999999", "1e3", "--big-endian", "0x"};

struct Driven {
    const char* name;
    kv::CommandFunction run;
    int minArgs;
    int maxArgs;
    std::vector<const Words*> shapes;  // the last one repeats
};

const std::vector<Driven>& commands() {
    static const std::vector<Driven> all = {
        {"calc", runCalcCommand, 1, 4, {&kExpressions}},
        {"convert", convert::runConvertCommand, 3, 3, {&kNumbers, &kUnits, &kUnits}},
        {"units", convert::runUnitsCommand, 0, 1, {&kTexts}},
        {"find", convert::runFindCommand, 1, 1, {&kUnits}},
        {"constants", reference::runConstantsCommand, 0, 3, {&kTexts}},
        {"hardness", reference::runHardnessCommand, 0, 1, {&kIntegers}},
        {"reftable", reference::runRefTableCommand, 0, 3, {&kTexts}},
        {"numerals", numbers::runNumeralsCommand, 1, 2, {&kIntegers}},
        {"datediff", numbers::runDateDiffCommand, 2, 2, {&kDates}},
        {"primes", numbers::runPrimesCommand, 1, 1, {&kIntegers}},
        {"tank", engineering::runTankCommand, 1, 12, {&kTank}},
        {"resistor", engineering::runResistorCommand, 3, 4, {&kBands}},
        {"capacitor", engineering::runCapacitorCommand, 4, 5, {&kBands}},
        {"ohm", engineering::runOhmCommand, 3, 3, {&kNumbers}},
        {"series", engineering::runSeriesCommand, 1, 5, {&kNumbers}},
        {"parallel", engineering::runParallelCommand, 1, 5, {&kNumbers}},
        {"wavelength", engineering::runWavelengthCommand, 1, 1, {&kNumbers}},
        {"frequency", engineering::runFrequencyCommand, 1, 1, {&kNumbers}},
        {"decibel", engineering::runDecibelCommand, 2, 3, {&kDecibel}},
        {"rgb", engineering::runRgbCommand, 1, 3, {&kColours}},
        {"element", reference::runElementCommand, 1, 3, {&kElements}},
        {"elements", reference::runElementsCommand, 0, 0, {}},
        {"char", reference::runCharCommand, 1, 1, {&kCharacters}},
        {"keys", reference::runKeysCommand, 0, 0, {}},
        {"plot", calc::runPlotCommand, 4, 8, {&kPlot}},
        {"hexdump", hexview::runHexdumpCommand, 1, 1, {&kFiles}},
        {"inspect", hexview::runInspectCommand, 2, 3, {&kFiles, &kOffsets}},
        {"tables", tablesCommand, 0, 0, {}},
    };
    return all;
}

bool fileShape(const Words* words) { return words == &kFiles; }

// Ten thousand primes print in no time; the sieve of a billion does not.
constexpr std::int64_t kMostPrimes = 100000;

QString argument(const Driven& c, std::size_t k, const std::string& chunk) {
    const Words& words = *c.shapes[std::min(k, c.shapes.size() - 1)];
    const bool pick = chunk.empty() || static_cast<unsigned char>(chunk[0]) < 0x10;
    if (pick) {
        const QString word = QString::fromUtf8(words[(chunk.empty() ? 0 : static_cast<unsigned char>(chunk[0])) % words.size()]);
        if (word.startsWith('@')) return scratch() + word.mid(1);
        return fileShape(&words) && !word.startsWith('/') ? data::tableFolder() + word : word;
    }
    if (fileShape(&words)) {
        std::string name = chunk;
        std::replace(name.begin(), name.end(), '/', '_');
        return scratch() + kv::argumentText(name);
    }
    return kv::argumentText(chunk);
}

bool rawControls(const std::string& message) {
    for (const unsigned char b : message)
        if ((b < 0x20 && b != '\n' && b != '\t') || b == 0x7f) return true;
    static const QRegularExpression c1(QStringLiteral("[\\x{80}-\\x{9f}]"));
    return QString::fromUtf8(message).contains(c1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const bool ready = (kv::alsoReadDecimalDot(), true);
    (void)ready;
    const Driven& c = commands()[data[0] % commands().size()];
    std::vector<std::string> chunks;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t at = 0; at <= rest.size() && !rest.empty();) {
        const std::size_t end = std::min(rest.find('\0', at), rest.size());
        chunks.push_back(rest.substr(at, end - at));
        at = end + 1;
    }
    // The dispatcher lets through only counts the row takes.
    chunks.resize(std::clamp(chunks.size(), std::size_t(c.minArgs), std::size_t(c.maxArgs)));
    QStringList args;
    for (std::size_t k = 0; k < chunks.size(); ++k) args << argument(c, k, chunks[k]);
    if (std::string(c.name) == "plot") {
        try {
            const calc::SamplingRange r =
                calc::readSamplingRange(args[1].toStdString(), args[2].toStdString(), args[3].toStdString());
            if ((r.maxX - r.minX) / r.step > kMostPrimes) return 0;
        } catch (const kv::Error&) {
        }
    }
    if (std::string(c.name) == "primes") {
        try {
            if (numbers::readPrimeMaximum(args[0].toStdString()) > kMostPrimes) return 0;
        } catch (const kv::Error&) {
        }
    }

    // Anything but the program's own errors is a fault the fuzzer reports.
    const kv::CommandFunction guarded = [&](const QStringList& a, std::ostream& out, std::ostream& notes) {
        try {
            c.run(a, out, notes);
        } catch (const kv::Error&) {
            throw;
        } catch (const std::exception&) {
            std::abort();
        }
    };
    std::ostringstream out, err;
    const int status = kv::commandStatus(guarded, args, out, err);
    // An empty file dumps as nothing, as it does with xxd.
    const bool emptyDump = std::string(c.name) == "hexdump" && QFileInfo(args[0]).size() == 0;
    if (status == 0 && out.str().empty() && err.str().empty() && !emptyDump) std::abort();
    if (rawControls(err.str())) std::abort();
    return 0;
}

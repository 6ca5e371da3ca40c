#include "tools/engineering/ResistCommands.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "tools/engineering/ColorBands.h"
#include "tools/engineering/ColorCode.h"
#include "tools/engineering/OhmsLaw.h"

namespace engineering {

namespace {

// The entries' names compared without case and blanks: "no band" is "No Band".
QString folded(QString name) { return name.remove(QLatin1Char(' ')).toLower(); }

// Gray and grey are one colour; the lists spell it one way or the other.
QString otherSpelling(const QString& name) {
    if (name == QLatin1String("gray")) return QStringLiteral("grey");
    if (name == QLatin1String("grey")) return QStringLiteral("gray");
    return name;
}

// The index of the entry `arg` names in `list`: its colour, a digit band's
// digit, "none" for "No Band".
template <class Band>
int pickBand(std::span<const Band> list, const QString& arg, const char* what, bool digits = false) {
    QString wanted = folded(arg);
    if (wanted == QLatin1String("none")) wanted = QStringLiteral("noband");
    for (const QString& name : {wanted, otherSpelling(wanted)}) {
        for (int k = 0; k < int(list.size()); ++k)
            if (folded(QString::fromLatin1(list[k].entry)) == name) return k;
    }
    if (digits && wanted.size() == 1 && wanted[0].isDigit()) return wanted[0].digitValue();
    std::string names;
    for (const Band& b : list) names += std::string(names.empty() ? "" : ", ") + b.entry;
    throw kv::Error("'" + arg.toStdString() + "' is no " + what + " (" + names + ")");
}

std::vector<std::string> texts(const QStringList& args) {
    std::vector<std::string> all;
    for (const QString& a : args) all.push_back(a.toStdString());
    return all;
}

}  // namespace

void runResistorCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    ResistorCode code;
    code.first = pickBand(digitBands(), args[0], "digit band", true);
    code.second = pickBand(digitBands(), args[1], "digit band", true);
    code.multiplier = pickBand(resistorMultiplierBands(), args[2], "multiplier band");
    if (args.size() == 4) code.tolerance = pickBand(resistorToleranceBands(), args[3], "tolerance band");
    const ResistorReading r = readResistor(code);
    out << "Value: " << r.ohms << " Ohms\n" << r.scaled << "\nTolerance: " << r.tolerance << "\n";
}

void runCapacitorCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    CapacitorCode code;
    code.coefficient = pickBand(capacitorCoefficientBands(), args[0], "temperature coefficient band");
    code.first = pickBand(digitBands(), args[1], "digit band", true);
    code.second = pickBand(digitBands(), args[2], "digit band", true);
    code.multiplier = pickBand(capacitorMultiplierBands(), args[3], "multiplier band");
    if (args.size() == 5) code.tolerance = pickBand(capacitorToleranceBands(), args[4], "tolerance band");
    const CapacitorReading c = readCapacitor(code);
    out << "Temperature Coefficient, ppm/°C " << c.coefficient << "\nValue: " << c.picofarads
        << " pF\nTolerance % " << c.tolerance << "\n";
}

void runOhmCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    // "?" is the window's 0: the box to be found.
    auto box = [&](int k) { return args[k] == QLatin1String("?") ? std::string("0") : args[k].toStdString(); };
    OhmBoxes boxes{box(0), box(1), box(2)};
    if (solveOhmsLaw(boxes) == OhmUnknown::None)
        throw kv::Error("Nothing to compute: give one unknown (? or 0) and two positive values");
    out << "I = " << boxes.amperes << " A\nU = " << boxes.volts << " V\nR = " << boxes.ohms << " Ohms\n";
}

void runSeriesCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const double r = *seriesResistance(texts(args));  // a failure prints no half line
    out << "Result R=" << kv::formatGeneral(r) << "\n";
}

void runParallelCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const double r = *parallelResistance(texts(args));  // a failure prints no half line
    out << "Result R=" << kv::formatGeneral(r) << "\n";
}

}  // namespace engineering

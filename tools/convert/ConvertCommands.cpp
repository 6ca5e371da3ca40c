#include "tools/convert/ConvertCommands.h"

#include <algorithm>
#include <ostream>
#include <sstream>

#include <QString>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "data/TableFolder.h"
#include "data/units/Conversion.h"
#include "data/units/UnitCatalogue.h"

namespace convert {
namespace {

std::string tableFolder() { return data::tableFolder().toStdString(); }

std::string categoryName(const UnitCatalogue& cat, int number) {
    const Category* c = cat.category(number);
    return c ? c->name : std::to_string(number);
}

// Columns padded by characters, not bytes: names carry degree signs and Greek letters.
int width(const std::string& s) { return static_cast<int>(QString::fromStdString(s).size()); }

void printColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> widths;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], width(row[i]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line += std::string(static_cast<size_t>(widths[i] - width(row[i]) + 2), ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << "\n";
    }
}

std::string describe(const UnitCatalogue& cat, const Unit& u) {
    return u.name + (u.symbol.empty() ? "" : " (" + u.symbol + ")") + ", " + categoryName(cat, u.category);
}

// "Unknown unit 'x'", with the suggestions when there are any.
void reportUnknown(std::ostream& err, const char* what, const std::string& text,
                   const std::vector<std::string>& suggestions) {
    err << "Unknown " << what << " '" << text << "'";
    if (suggestions.empty()) {
        err << "\n";
        return;
    }
    err << "; did you mean:\n";
    for (const std::string& s : suggestions) err << "  " << s << "\n";
}

// The units `text` may name; reports why there is none.
std::vector<const Unit*> candidates(const UnitCatalogue& cat, const std::string& text, std::ostream& err) {
    std::vector<const Unit*> found = cat.resolve(text);
    if (found.empty()) {
        std::vector<std::string> near;
        for (const Unit* u : cat.nearest(text, 5)) near.push_back(describe(cat, *u));
        reportUnknown(err, "unit", text, near);
    }
    return found;
}

// A shared symbol is read in the category of the other unit when that
// leaves one reading ("mph" beside "km/h" is the mile per hour).
void keepCategoriesOf(std::vector<const Unit*>& units, const std::vector<const Unit*>& other) {
    std::vector<const Unit*> fitting;
    for (const Unit* u : units)
        if (std::any_of(other.begin(), other.end(), [&](const Unit* o) { return o->category == u->category; }))
            fitting.push_back(u);
    if (fitting.size() == 1) units = fitting;
}

// The one unit of `units`; reports a shared symbol.
const Unit* single(const UnitCatalogue& cat, const std::string& text, const std::vector<const Unit*>& units,
                   std::ostream& err) {
    if (units.size() == 1) return units.front();
    if (units.empty()) return nullptr;
    err << "The symbol '" << text << "' stands for several units; give the name of one:\n";
    for (const Unit* u : units) err << "  " << describe(cat, *u) << "\n";
    return nullptr;
}

// A failure whose message was gathered in `err`, the trailing line end dropped.
[[noreturn]] void fail(const std::ostringstream& err) {
    std::string message = err.str();
    if (!message.empty() && message.back() == '\n') message.pop_back();
    throw kv::Error(message);
}

}  // namespace

void convertCommandIn(const std::string& dir, const QStringList& args, std::ostream& out) {
    const std::string fromText = args[1].toStdString(), toText = args[2].toStdString();
    // Two units named as listed need two of the 568 read; anything else, all of them.
    std::optional<UnitCatalogue> named = UnitCatalogue::loadNaming(dir, {fromText, toText});
    const UnitCatalogue cat = named ? std::move(*named) : UnitCatalogue::load(dir);
    std::ostringstream err;
    std::vector<const Unit*> fromUnits = candidates(cat, fromText, err);
    std::vector<const Unit*> toUnits = candidates(cat, toText, err);
    keepCategoriesOf(fromUnits, toUnits);
    keepCategoriesOf(toUnits, fromUnits);
    const Unit* from = single(cat, fromText, fromUnits, err);
    const Unit* to = single(cat, toText, toUnits, err);
    if (!from || !to) fail(err);
    if (from->category != to->category) {
        // Most likely not what was meant: say how the two were read.
        throw kv::Error("Cannot convert between categories: '" + fromText + "' was read as " + describe(cat, *from) +
                        ", '" + toText + "' as " + describe(cat, *to));
    }
    std::optional<double> x = kv::tryReadFloat(args[0].toStdString());
    if (!x) throw kv::Error("VALUE: It's not a float number");
    std::optional<double> result = convertUnits(*x, *from, *to);
    if (!result) throw kv::Error("Cannot convert to '" + to->name + "': the unit has no size");
    out << kv::formatGeneral(*result) << "\n";
}

void unitsCommandIn(const std::string& dir, const QStringList& args, std::ostream& out) {
    const UnitCatalogue cat = UnitCatalogue::load(dir);
    std::vector<std::vector<std::string>> rows;
    if (args.isEmpty()) {
        for (const Category& c : cat.categories())
            rows.push_back({std::to_string(c.number), c.name, std::to_string(c.units.size()) + " units"});
        printColumns(out, rows);
        return;
    }
    const Category* c = cat.findCategory(args[0].toStdString());
    if (!c) {
        std::vector<std::string> near;
        for (const Category* n : cat.nearestCategories(args[0].toStdString(), 5)) near.push_back(n->name);
        std::ostringstream err;
        reportUnknown(err, "category", args[0].toStdString(), near);
        fail(err);
    }
    out << c->name << "\n";
    for (const Unit& u : c->units) {
        // Temperatures have no factor: they convert through fixed constants.
        std::string factor = c->number == kTemperatureClass ? "" : kv::formatGeneral(u.factor);
        rows.push_back({std::to_string(u.number), u.name, u.symbol, factor});
    }
    printColumns(out, rows);
}

void findCommandIn(const std::string& dir, const QStringList& args, std::ostream& out) {
    const UnitCatalogue cat = UnitCatalogue::load(dir);
    std::vector<const Unit*> found = cat.containing(args[0].toStdString());
    if (found.empty()) throw kv::Error("No unit name contains '" + args[0].toStdString() + "'");
    std::vector<std::vector<std::string>> rows;
    for (const Unit* u : found) rows.push_back({u->name, u->symbol, categoryName(cat, u->category)});
    printColumns(out, rows);
}

void runConvertCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    convertCommandIn(tableFolder(), args, out);
}
void runUnitsCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    unitsCommandIn(tableFolder(), args, out);
}
void runFindCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    findCommandIn(tableFolder(), args, out);
}

}  // namespace convert

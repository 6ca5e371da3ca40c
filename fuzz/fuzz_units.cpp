// Unit names and spellings as users type them, against the generated units
// tables: any text is resolved, ranked and searched without a fault; a search
// finds only names that hold the text, the nearest names are as many as asked
// at most; and a unit of the catalogue picked by the input is found by its
// own name in any letter case and by its own symbol.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <QString>

#include "data/units/UnitCatalogue.h"
#include "data/units/UnitSpellings.h"
#include "platform/ProgramDir.h"

using convert::Unit;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

const convert::UnitCatalogue& catalogue() {
    static const convert::UnitCatalogue units = convert::UnitCatalogue::load(platform::programDir().toStdString());
    return units;
}

const std::vector<const Unit*>& allUnits() {
    static const std::vector<const Unit*> all = [] {
        std::vector<const Unit*> units;
        for (const auto& c : catalogue().categories())
            for (const Unit& u : c.units) units.push_back(&u);
        return units;
    }();
    return all;
}

QString folded(const std::string& s) { return QString::fromStdString(s).toCaseFolded(); }

// A unit found for `typed` is one that name or symbol (or a spelling of them) gives.
void checkOwnName(const Unit& unit) {
    for (const std::string& typed : {unit.name, QString::fromStdString(unit.name).toUpper().toStdString()}) {
        const auto found = catalogue().resolve(typed);
        require(!found.empty());
        for (const Unit* u : found) require(folded(u->name) == folded(unit.name));
    }
    if (unit.symbol.empty()) return;
    const auto bySymbol = catalogue().resolve(unit.symbol);
    require(!bySymbol.empty());
    for (const Unit* u : bySymbol) require(u->symbol == unit.symbol || folded(u->name).startsWith(folded(unit.symbol)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkOwnName(*allUnits()[data[0] % allUnits().size()]);

    catalogue().resolve(text);
    catalogue().findCategory(text);
    const std::size_t count = data[0] % 8;
    require(catalogue().nearest(text, count).size() <= count);
    require(catalogue().nearestCategories(text, count).size() <= count);
    const QString want = folded(text);
    for (const Unit* u : catalogue().containing(text)) require(folded(u->name).contains(want));
    const QString typed = QString::fromStdString(text);
    convert::symbolSpellings(typed);
    convert::nameSpellings(want, {});
    return 0;
}

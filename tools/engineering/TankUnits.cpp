#include "tools/engineering/TankUnits.h"

#include <array>
#include <optional>

#include "core/Error.h"

namespace engineering {
namespace {

constexpr std::array<TankUnitList, 4> kLists = {{
    {15, 32, "length"},
    {31, 24, "volume"},
    {19, 17, "mass"},
    {4, 14, "area"},
}};

}  // namespace

const TankUnitList& tankUnitList(TankUnitKind kind) { return kLists[static_cast<size_t>(kind)]; }

std::vector<std::string> tankUnitNames(dbase::Table& members, TankUnitKind kind) {
    std::vector<std::string> names;
    for (const convert::Unit& u : convert::categoryUnits(members, tankUnitList(kind).category))
        names.push_back(u.name);
    return names;
}

double tankUnitFactor(dbase::Table& members, TankUnitKind kind, int position, const std::string& unitName) {
    const std::optional<double> factor = convert::categoryUnitFactor(members, tankUnitList(kind).category, position);
    if (position < 0) throw kv::Error(std::string("No ") + tankUnitList(kind).what + " unit is chosen");
    // Taking whatever row happens to be current would compute with a stranger's factor.
    if (!factor) throw kv::Error("The unit '" + unitName + "' is not in the units table");
    return *factor;
}

const convert::Unit& tankUnitNamed(const convert::UnitCatalogue& catalogue, TankUnitKind kind,
                                   const std::string& text) {
    const std::vector<const convert::Unit*> units = catalogue.resolve(text);
    if (units.empty()) throw kv::Error("Unknown unit '" + text + "'");
    for (const convert::Unit* u : units)
        if (u->category == tankUnitList(kind).category) return *u;
    throw kv::Error("'" + text + "' is no unit of " + tankUnitList(kind).what);
}

}  // namespace engineering

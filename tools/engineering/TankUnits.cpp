#include "tools/engineering/TankUnits.h"

#include <array>

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

const std::vector<convert::Unit>& tankUnits(const convert::UnitCatalogue& catalogue, TankUnitKind kind) {
    static const std::vector<convert::Unit> none;
    const convert::Category* category = catalogue.category(tankUnitList(kind).category);
    return category ? category->units : none;
}

const convert::Unit& tankUnitAt(const convert::UnitCatalogue& catalogue, TankUnitKind kind, int position,
                                const std::string& unitName) {
    if (position < 0) throw kv::Error(std::string("No ") + tankUnitList(kind).what + " unit is chosen");
    const std::vector<convert::Unit>& units = tankUnits(catalogue, kind);
    // Taking some other unit would compute with a stranger's factor.
    if (static_cast<size_t>(position) >= units.size())
        throw kv::Error("The unit '" + unitName + "' is not in the units table");
    return units[static_cast<size_t>(position)];
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

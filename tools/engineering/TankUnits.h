#pragma once
// The unit lists of the tank window: the category each one offers and the unit
// it starts on, and the factor of a chosen unit, read through the unit
// catalogue on the shared units table.
#include <string>
#include <vector>

#include "data/units/UnitCatalogue.h"

namespace dbase {
class Table;
}

namespace engineering {

enum class TankUnitKind { Length, Volume, Mass, Area };

struct TankUnitList {
    int category;       // CLASS in the units table
    int startPosition;  // metre, litre, kilogram, square metre
    const char* what;   // for messages: "length"
};

const TankUnitList& tankUnitList(TankUnitKind kind);

// The names the list offers, in NUMBER order; the table is left as it was found.
std::vector<std::string> tankUnitNames(dbase::Table& members, TankUnitKind kind);

// The INDEX of the unit at `position` of the list. A position whose NUMBER the
// category lacks throws kv::Error naming `unitName`, the entry the user chose.
double tankUnitFactor(dbase::Table& members, TankUnitKind kind, int position, const std::string& unitName);

// The unit `text` names (as `convert` reads it) in the list's category; throws
// kv::Error when there is none or it is no unit of that kind.
const convert::Unit& tankUnitNamed(const convert::UnitCatalogue& catalogue, TankUnitKind kind,
                                   const std::string& text);

}  // namespace engineering

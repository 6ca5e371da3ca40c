#pragma once
// The unit lists of the tank: the category each one offers and the unit it
// starts on, and the unit chosen in a list or named on the command line. The
// window and the `tank` command read them alike, from the unit catalogue.
#include <string>
#include <vector>

#include "data/units/UnitCatalogue.h"

namespace engineering {

enum class TankUnitKind { Length, Volume, Mass, Area };

struct TankUnitList {
    int category;       // CLASS in the units table
    int startPosition;  // metre, litre, kilogram, square metre
    const char* what;   // for messages: "length"
};

const TankUnitList& tankUnitList(TankUnitKind kind);

// The units the list offers, in NUMBER order; none when the catalogue lacks
// the category.
const std::vector<convert::Unit>& tankUnits(const convert::UnitCatalogue& catalogue, TankUnitKind kind);

// The unit at `position` of the list. No position (-1) throws kv::Error; so
// does a position the list lacks, naming `unitName`, the entry the user chose.
const convert::Unit& tankUnitAt(const convert::UnitCatalogue& catalogue, TankUnitKind kind, int position,
                                const std::string& unitName);

// The unit `text` names (as `convert` reads it) in the list's category; throws
// kv::Error when there is none or it is no unit of that kind.
const convert::Unit& tankUnitNamed(const convert::UnitCatalogue& catalogue, TankUnitKind kind,
                                   const std::string& text);

}  // namespace engineering

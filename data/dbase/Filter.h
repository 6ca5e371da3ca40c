#pragma once
// Row filters of the form FIELD=n or FIELD='n' (n a decimal integer).
#include <optional>
#include <string>
#include <vector>

#include "data/dbase/Table.h"

namespace dbase {

struct FilterCondition {
    int field = -1;       // position in the field list
    long long value = 0;
};

// Parses a filter text against the table's fields. The empty (or blank) text
// yields no condition: all rows. Anything else but a known field, "=" and a
// decimal integer, quoted or not, with blanks around the parts, throws
// DbfError naming the text.
std::optional<FilterCondition> parseFilter(const std::string& text, const std::vector<FieldDef>& fields);

// Whether a row whose field reads `fieldText` passes: a number field compares
// its value, any other field its trimmed text read as an integer.
bool filterMatches(const FilterCondition& condition, const std::string& fieldText);

}  // namespace dbase

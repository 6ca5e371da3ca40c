#pragma once
// Writes a new dBASE table from UTF-8 texts (used by the build's data generator).
#include <string>
#include <vector>

#include "data/dbase/Table.h"

namespace dbase {

struct NewTable {
    std::vector<FieldDef> fields;
    int version = 4;                 // 3: dBASE III+ (0x03), 4: dBASE IV (0x03 + production-index flag)
    int codePage = 1252;             // stored as the language driver byte
    bool productionIndex = false;    // sets the header's production .MDX flag
    std::vector<std::vector<std::string>> rows;  // one UTF-8 text per field
};

// Encodes and formats every value (throws DbfError naming the row and field when
// a value does not fit its field or code page) and writes the file atomically.
void writeTable(const std::string& path, const NewTable& table);

}  // namespace dbase

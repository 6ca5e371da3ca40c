#pragma once
// The dBASE IV production index file (.MDX): tag directory reader and writer.
#include <cstdint>
#include <string>
#include <vector>

#include "data/dbase/KeyExpression.h"
#include "data/dbase/Table.h"

namespace dbase {

// Reads the tag directory. Throws DbfError naming the file and the fault.
std::vector<TagInfo> readMdxTags(const std::string& path);

struct MdxTag {
    TagInfo info;
    // Keys in index order with their record numbers (from 1).
    std::vector<std::pair<Key, std::uint32_t>> entries;
};

// Writes a complete production index (header, tag table, B-tree pages) atomically.
void writeMdx(const std::string& path, const std::string& tableName, const std::vector<MdxTag>& tags);

}  // namespace dbase

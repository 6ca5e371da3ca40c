#pragma once
// The dBASE IV production index file (.MDX): tag directory reader and writer.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/dbase/KeyExpression.h"
#include "data/dbase/Table.h"

namespace dbase {

// Reads the tag directory. Throws DbfError naming the file and the fault.
std::vector<TagInfo> readMdxTags(const std::string& path);
// The same from the file's bytes; `name` names the file in error messages.
std::vector<TagInfo> parseMdxTags(std::string_view bytes, const std::string& name);

struct MdxTag {
    TagInfo info;
    // Key type, needed for a tag without entries: BCD numbers or text.
    bool numeric = false;
    // Bytes of a text key (blank padded); 0 takes the longest key of the tag.
    int keyLength = 0;
    // Keys in index order with their record numbers (from 1). A unique tag
    // keeps only the first entry of each run of equal keys.
    std::vector<std::pair<Key, std::uint32_t>> entries;
};

// Text keys are stored in `codePage`. Throws DbfError when a tag does not fit
// the format (name, expression or key too long, keys out of order, too many
// tags) or the file cannot be written.
std::string buildMdx(const std::string& tableName, const std::vector<MdxTag>& tags, int codePage = 1252);
// Writes a complete production index (header, tag table, B-tree pages) atomically.
void writeMdx(const std::string& path, const std::string& tableName, const std::vector<MdxTag>& tags,
              int codePage = 1252);

}  // namespace dbase

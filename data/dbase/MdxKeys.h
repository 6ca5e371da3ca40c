#pragma once
// Index keys as stored in the nodes of a production index: text in the
// table's code page padded with blanks, numbers as BCD.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/dbase/Mdx.h"

namespace dbase::mdx {

// A tag with its keys turned into the bytes the nodes hold.
struct EncodedTag {
    std::string name;
    std::string expression;
    bool numeric = false;
    bool descending = false;
    bool unique = false;
    int keyLength = 0;
    std::vector<std::pair<std::string, std::uint32_t>> entries;
};

// Checks name, expression and key order (throws DbfError naming the tag) and
// encodes the keys; a unique tag keeps the first of each run of equal keys.
EncodedTag encodeTag(const MdxTag& tag, int codePage);

std::string upperCase(std::string text);
// True for a plain field name, the form dBASE marks as a single-field key.
bool isFieldName(const std::string& text);

}  // namespace dbase::mdx

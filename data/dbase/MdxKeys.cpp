// Turns the keys of a tag into the bytes its B-tree nodes hold, checking what
// the format cannot hold.
#include "data/dbase/MdxKeys.h"

#include <algorithm>
#include <cctype>

#include "data/dbase/CodePages.h"
#include "data/dbase/MdxBcd.h"
#include "data/dbase/MdxLayout.h"

namespace dbase::mdx {

namespace {

std::string tagError(const MdxTag& tag, const std::string& fault) {
    return "index tag " + tag.info.name + ": " + fault;
}

}  // namespace

std::string upperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool isFieldName(const std::string& text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

EncodedTag encodeTag(const MdxTag& tag, int codePage) {
    EncodedTag out;
    out.name = upperCase(tag.info.name);
    if (out.name.size() > kMaxTagNameLength || !isFieldName(out.name))
        throw DbfError(tagError(tag, "the name must be a letter followed by at most 9 letters, digits or _"));
    out.expression = tag.info.expression;
    if (out.expression.empty() || out.expression.size() > kMaxExpressionLength)
        throw DbfError(tagError(tag, "the key expression must have 1 to 220 characters"));
    for (unsigned char c : out.expression)
        if (c < 0x20 || c > 0x7E) throw DbfError(tagError(tag, "the key expression must be plain ASCII"));
    out.numeric = tag.numeric;
    out.descending = tag.info.descending;
    out.unique = tag.info.unique;

    const Key* previous = nullptr;
    for (const auto& [key, record] : tag.entries) {
        if (key.numeric != out.numeric)
            throw DbfError(tagError(tag, out.numeric ? "a text key in a numeric tag" : "a numeric key in a text tag"));
        if (record == 0) throw DbfError(tagError(tag, "record numbers count from 1"));
        if (previous) {
            const int order = compareKeys(*previous, key);
            if (out.descending ? order < 0 : order > 0)
                throw DbfError(tagError(tag, "the keys are not in index order"));
            if (out.unique && order == 0) continue;
        }
        previous = &key;
        if (out.numeric) {
            const BcdKey bcd = encodeBcd(key.number);
            out.entries.emplace_back(std::string(bcd.begin(), bcd.end()), record);
        } else {
            std::string bytes;
            char32_t unmappable = 0;
            if (!encodeText(key.text, codePage, bytes, unmappable))
                throw DbfError(tagError(tag, "key \"" + key.text + "\" has " + describeCharacter(unmappable) +
                                                 ", which code page " + std::to_string(codePage) + " lacks"));
            out.entries.emplace_back(std::move(bytes), record);
        }
    }

    if (out.numeric) {
        out.keyLength = kNumericKeyLength;
        return out;
    }
    int longest = 1;
    for (const auto& entry : out.entries) longest = std::max(longest, static_cast<int>(entry.first.size()));
    out.keyLength = tag.keyLength > 0 ? tag.keyLength : longest;
    if (longest > out.keyLength)
        throw DbfError(tagError(tag, "a key is longer than the key length " + std::to_string(out.keyLength)));
    if (out.keyLength > kMaxTextKeyLength)
        throw DbfError(tagError(tag, "keys longer than 100 bytes cannot be indexed"));
    for (auto& entry : out.entries) entry.first.resize(static_cast<std::size_t>(out.keyLength), ' ');
    return out;
}

}  // namespace dbase::mdx

// Reads the tag directory of a production index. Every offset taken from the
// file is checked against its size before use, so a damaged or foreign file
// ends in a DbfError, never in a read past the end; the loops are bounded by
// the tag table's fixed size.
#include <set>

#include "data/dbase/Mdx.h"
#include "data/dbase/MdxLayout.h"

namespace dbase {

namespace {

using namespace mdx;

class Bytes {
public:
    Bytes(std::string_view data, const std::string& name) : data_(data), name_(name) {}

    [[noreturn]] void fail(const std::string& fault) const {
        throw DbfError(name_ + ": not a valid production index: " + fault);
    }
    std::size_t size() const { return data_.size(); }
    std::uint8_t u8(std::size_t at) const { return static_cast<std::uint8_t>(data_[at]); }
    unsigned u16(std::size_t at) const { return u8(at) | unsigned{u8(at + 1)} << 8; }
    std::uint32_t u32(std::size_t at) const {
        return u8(at) | std::uint32_t{u8(at + 1)} << 8 | std::uint32_t{u8(at + 2)} << 16 |
               std::uint32_t{u8(at + 3)} << 24;
    }
    // Text up to the first NUL within [at, at + size); `terminated` demands a NUL.
    std::string_view text(std::size_t at, std::size_t size, bool terminated) const {
        const std::string_view field = data_.substr(at, size);
        const std::size_t end = field.find('\0');
        if (end == std::string_view::npos && terminated) return {};
        return field.substr(0, end);
    }
    // True when `count` bytes starting at page `page` lie within the file.
    bool holds(std::uint32_t page, std::size_t count) const {
        const std::uint64_t start = std::uint64_t{page} * kPageSize;
        return start + count <= data_.size();
    }

private:
    std::string_view data_;
    const std::string& name_;
};

bool printable(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

TagInfo readTag(const Bytes& file, int number, std::size_t blockBytes) {
    const std::string which = "tag " + std::to_string(number + 1);
    const std::size_t at = header::tagTable + static_cast<std::size_t>(number) * kTagEntrySize;

    std::string_view name = file.text(at + entry::name, entry::nameSize, false);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (name.empty() || name.size() > kMaxTagNameLength || !printable(name) || name.find(' ') != name.npos)
        file.fail(which + " has no valid name");
    TagInfo tag;
    tag.name = std::string(name);
    const std::string named = which + " (" + tag.name + ")";

    const std::uint32_t page = file.u32(at + entry::headerPage);
    if (page < kFirstFreePage || !file.holds(page, kPageSize))
        file.fail(named + ": its header page " + std::to_string(page) + " lies outside the file");
    const std::size_t head = std::size_t{page} * kPageSize;

    const char type = static_cast<char>(file.u8(head + tag::keyType));
    const int keyLength = static_cast<int>(file.u16(head + tag::keyLength));
    const int itemLength = static_cast<int>(file.u16(head + tag::itemLength));
    bool lengthOk = false;
    switch (type) {
    case 'C': lengthOk = keyLength >= 1 && keyLength <= kMaxTextKeyLength; break;
    case 'N': lengthOk = keyLength == kNumericKeyLength; break;
    case 'D': lengthOk = keyLength == kDateKeyLength; break;
    default: file.fail(named + ": unknown key type");
    }
    if (file.u8(at + entry::keyType) != static_cast<std::uint8_t>(type))
        file.fail(named + ": the tag table and the tag header disagree on the key type");
    if (!lengthOk) file.fail(named + ": key length " + std::to_string(keyLength) + " does not suit its key type");
    if (itemLength < keyLength + 4 || static_cast<std::size_t>(itemLength) + 12 > blockBytes)
        file.fail(named + ": key item length " + std::to_string(itemLength) + " does not fit its nodes");

    const std::uint32_t root = file.u32(head + tag::rootPage);
    if (root < kFirstFreePage || !file.holds(root, blockBytes))
        file.fail(named + ": its root page " + std::to_string(root) + " lies outside the file");

    const std::string_view expression = file.text(head + tag::expression, kMaxExpressionLength + 1, true);
    if (expression.empty() || !printable(expression)) file.fail(named + " has no valid key expression");
    tag.expression = std::string(expression);

    const std::uint8_t format = file.u8(head + tag::keyFormat);
    tag.descending = (format & tag::kDescending) != 0;
    tag.unique = (format & tag::kUnique) != 0 || file.u8(head + tag::unique) != 0;
    return tag;
}

}  // namespace

std::vector<TagInfo> parseMdxTags(std::string_view bytes, const std::string& name) {
    const Bytes file(bytes, name);
    if (file.size() < kFileHeaderSize) file.fail("the file is shorter than its header");
    const unsigned blockPages = file.u16(header::blockPages);
    const unsigned blockBytes = file.u16(header::blockBytes);
    if (blockPages < 1 || blockPages > 32 || blockBytes != blockPages * kPageSize)
        file.fail("block size " + std::to_string(blockBytes) + " bytes, " + std::to_string(blockPages) + " pages");
    if (file.u8(header::tagEntrySize) != kTagEntrySize)
        file.fail("tag entries of " + std::to_string(file.u8(header::tagEntrySize)) + " bytes");
    const std::uint32_t pages = file.u32(header::pageCount);
    if (!file.holds(pages, 0)) file.fail("the file is truncated: its header counts " + std::to_string(pages) + " pages");
    const unsigned count = file.u16(header::tagCount);
    if (count > static_cast<unsigned>(kMaxTags)) file.fail(std::to_string(count) + " tags are more than the tag table holds");

    std::vector<TagInfo> tags;
    std::set<std::string> names;
    for (unsigned i = 0; i < count; ++i) {
        tags.push_back(readTag(file, static_cast<int>(i), blockBytes));
        if (!names.insert(tags.back().name).second) file.fail("tag " + tags.back().name + " appears twice");
    }
    return tags;
}

}  // namespace dbase

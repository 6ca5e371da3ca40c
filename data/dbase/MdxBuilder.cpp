// Builds a production index in memory: every tag's B-tree is laid out bottom-up
// from its sorted keys, so the file never needs node splits or a free list.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "data/dbase/DbfFormat.h"
#include "data/dbase/Mdx.h"
#include "data/dbase/MdxKeys.h"
#include "data/dbase/MdxLayout.h"

namespace dbase {

namespace {

using namespace mdx;

void putText(std::string& out, std::size_t at, const std::string& text) {
    std::memcpy(out.data() + at, text.data(), text.size());
}

// Reproducible builds set SOURCE_DATE_EPOCH; everyone else gets today.
void putDate(std::string& out, std::size_t at) {
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::atoll(epoch));
    std::tm parts{};
    gmtime_r(&now, &parts);
    out[at] = static_cast<char>(parts.tm_year);
    out[at + 1] = static_cast<char>(parts.tm_mon + 1);
    out[at + 2] = static_cast<char>(parts.tm_mday);
}

// Splits `count` items into the fewest runs of at most `capacity`, as even as
// possible, so no node ends up nearly empty (an interior node needs 2 children).
std::vector<std::size_t> runLengths(std::size_t count, std::size_t capacity) {
    const std::size_t runs = std::max<std::size_t>(1, (count + capacity - 1) / capacity);
    std::vector<std::size_t> lengths(runs, count / runs);
    for (std::size_t i = 0; i < count % runs; ++i) ++lengths[i];
    return lengths;
}

struct NodeRef {
    std::uint32_t page;
    std::string lastKey;
};

class FileImage {
public:
    FileImage() : bytes_(kFileHeaderSize, '\0') {}

    std::uint32_t allocateBlock() {
        const auto page = static_cast<std::uint32_t>(bytes_.size() / kPageSize);
        bytes_.resize(bytes_.size() + kBlockSize, '\0');
        return page;
    }
    std::size_t offset(std::uint32_t page) const { return page * kPageSize; }
    std::string& bytes() { return bytes_; }
    std::uint32_t pageCount() const { return static_cast<std::uint32_t>(bytes_.size() / kPageSize); }

private:
    std::string bytes_;
};

struct TreeInfo {
    std::uint32_t root;
    std::uint32_t firstLeaf;
    std::uint32_t lastLeaf;
    std::uint32_t nodes;
};

TreeInfo writeTree(FileImage& file, const EncodedTag& tag) {
    const int item = itemLengthFor(tag.keyLength);
    const auto capacity = static_cast<std::size_t>(keysPerNodeFor(item));
    TreeInfo info{};

    std::vector<NodeRef> level;
    std::size_t next = 0;
    std::uint32_t previous = 0;
    for (std::size_t length : runLengths(tag.entries.size(), capacity)) {
        const std::uint32_t page = file.allocateBlock();
        const std::size_t at = file.offset(page);
        putUint32(file.bytes(), at + node::count, static_cast<std::uint32_t>(length));
        putUint32(file.bytes(), at + node::previous, previous);
        for (std::size_t i = 0; i < length; ++i, ++next) {
            const std::size_t itemAt = at + node::items + i * item;
            putUint32(file.bytes(), itemAt, tag.entries[next].second);
            putText(file.bytes(), itemAt + 4, tag.entries[next].first);
        }
        level.push_back({page, length ? tag.entries[next - 1].first : std::string()});
        previous = page;
    }
    info.firstLeaf = level.front().page;
    info.lastLeaf = level.back().page;
    info.nodes = static_cast<std::uint32_t>(level.size());

    while (level.size() > 1) {
        std::vector<NodeRef> parents;
        std::size_t child = 0;
        previous = 0;
        for (std::size_t children : runLengths(level.size(), capacity + 1)) {
            const std::uint32_t page = file.allocateBlock();
            const std::size_t at = file.offset(page);
            putUint32(file.bytes(), at + node::count, static_cast<std::uint32_t>(children - 1));
            putUint32(file.bytes(), at + node::previous, previous);
            for (std::size_t i = 0; i < children; ++i, ++child) {
                const std::size_t itemAt = at + node::items + i * item;
                putUint32(file.bytes(), itemAt, level[child].page);
                if (i + 1 < children) putText(file.bytes(), itemAt + 4, level[child].lastKey);
            }
            parents.push_back({page, level[child - 1].lastKey});
            previous = page;
        }
        info.nodes += static_cast<std::uint32_t>(parents.size());
        level = std::move(parents);
    }
    info.root = level.front().page;
    return info;
}

void writeTagHeader(FileImage& file, std::uint32_t page, const EncodedTag& tag, const TreeInfo& tree) {
    std::string& out = file.bytes();
    const std::size_t at = file.offset(page);
    const int item = itemLengthFor(tag.keyLength);
    putUint32(out, at + tag::rootPage, tree.root);
    putUint32(out, at + tag::pagesUsed, tree.nodes * kBlockPages);
    out[at + tag::keyFormat] = static_cast<char>(tag::kFormatBase | (tag.descending ? tag::kDescending : 0) |
                                                 (tag.unique ? tag::kUnique : 0));
    out[at + tag::keyType] = tag.numeric ? 'N' : 'C';
    out[at + tag::marker] = 0x1B;
    putUint16(out, at + tag::keyLength, static_cast<unsigned>(tag.keyLength));
    putUint16(out, at + tag::keysPerNode, static_cast<unsigned>(keysPerNodeFor(item)));
    putUint16(out, at + tag::itemLength, static_cast<unsigned>(item));
    out[at + tag::serial] = 1;
    out[at + tag::unique] = tag.unique ? 1 : 0;
    putText(out, at + tag::expression, tag.expression);
    out[at + tag::hasKeys] = tag.entries.empty() ? 0 : 1;
    putUint32(out, at + tag::firstLeaf, tree.firstLeaf);
    putUint32(out, at + tag::lastLeaf, tree.lastLeaf);
    putDate(out, at + tag::created);
    out[at + tag::singleField] = isFieldName(tag.expression) ? 1 : 0;
}

// dBASE threads the tag entries into a binary search tree by name, in the
// order the tags were created.
void writeThreads(std::string& out, const std::vector<EncodedTag>& tags) {
    std::vector<std::uint8_t> left(tags.size()), right(tags.size()), parent(tags.size());
    for (std::size_t i = 1; i < tags.size(); ++i) {
        std::size_t at = 0;
        for (;;) {
            std::uint8_t& slot = tags[i].name < tags[at].name ? left[at] : right[at];
            if (slot == 0) {
                slot = static_cast<std::uint8_t>(i + 1);
                parent[i] = static_cast<std::uint8_t>(at + 1);
                break;
            }
            at = slot - 1u;
        }
    }
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const std::size_t at = header::tagTable + i * kTagEntrySize;
        out[at + entry::leftThread] = static_cast<char>(left[i]);
        out[at + entry::rightThread] = static_cast<char>(right[i]);
        out[at + entry::parentThread] = static_cast<char>(parent[i]);
    }
}

void writeFileHeader(FileImage& file, const std::string& tableName, std::size_t tagCount) {
    std::string& out = file.bytes();
    out[header::version] = 2;
    putDate(out, header::created);
    putText(out, header::tableName, upperCase(tableName).substr(0, header::tableNameSize));
    putUint16(out, header::blockPages, kBlockPages);
    putUint16(out, header::blockBytes, kBlockSize);
    out[header::production] = 1;
    out[header::tagSlots] = static_cast<char>(kTagSlots);
    out[header::tagEntrySize] = static_cast<char>(kTagEntrySize);
    putUint16(out, header::tagCount, static_cast<unsigned>(tagCount));
    out[header::nextTag] = static_cast<char>(tagCount + 1);
    out[header::marker] = 0x1B;
    putUint32(out, header::pageCount, file.pageCount());
    putDate(out, header::updated);
    out[header::tagTableMark] = 1;
}

}  // namespace

std::string buildMdx(const std::string& tableName, const std::vector<MdxTag>& tags, int codePage) {
    if (tags.size() > static_cast<std::size_t>(kMaxTags))
        throw DbfError("a production index holds at most 47 tags, not " + std::to_string(tags.size()));
    std::vector<EncodedTag> encoded;
    for (const MdxTag& tag : tags) {
        encoded.push_back(encodeTag(tag, codePage));
        for (std::size_t i = 0; i + 1 < encoded.size(); ++i)
            if (encoded[i].name == encoded.back().name) throw DbfError("index tag " + tag.info.name + " appears twice");
    }

    FileImage file;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const EncodedTag& tag = encoded[i];
        const std::uint32_t headerPage = file.allocateBlock();
        const TreeInfo tree = writeTree(file, tag);
        writeTagHeader(file, headerPage, tag, tree);

        const std::size_t at = header::tagTable + i * kTagEntrySize;
        putUint32(file.bytes(), at + entry::headerPage, headerPage);
        putText(file.bytes(), at + entry::name, tag.name);
        file.bytes()[at + entry::keyFormat] = tag::kFormatBase;
        file.bytes()[at + entry::reserved] = 2;
        file.bytes()[at + entry::keyType] = tag.numeric ? 'N' : 'C';
    }
    writeThreads(file.bytes(), encoded);
    writeFileHeader(file, tableName, encoded.size());
    return std::move(file.bytes());
}

}  // namespace dbase

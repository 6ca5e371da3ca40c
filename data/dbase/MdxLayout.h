#pragma once
// Byte layout of the dBASE IV production index (.MDX), shared by its reader and
// its writer. All integers are little-endian. The file is made of 512-byte
// pages; B-tree nodes and tag headers occupy one block of kBlockPages pages.
#include <cstddef>
#include <cstdint>

namespace dbase::mdx {

constexpr std::size_t kPageSize = 512;
constexpr std::uint32_t kBlockPages = 2;                 // dBASE IV's default block
constexpr std::size_t kBlockSize = kPageSize * kBlockPages;
constexpr std::size_t kFileHeaderSize = 2048;            // header + tag table: pages 0-3
constexpr std::uint32_t kFirstFreePage = kFileHeaderSize / kPageSize;
constexpr int kMaxTags = 47;                             // the tag table ends at 2048
constexpr std::size_t kMaxTagNameLength = 10;
constexpr std::size_t kMaxExpressionLength = 220;
constexpr int kMaxTextKeyLength = 100;
constexpr int kNumericKeyLength = 12;                    // BCD number
constexpr int kDateKeyLength = 8;

// File header (page 0).
namespace header {
constexpr std::size_t version = 0;            // 2 for dBASE IV
constexpr std::size_t created = 1;            // YY MM DD, YY counted from 1900
constexpr std::size_t tableName = 4;          // 16 bytes, stem of the .dbf, NUL padded
constexpr std::size_t tableNameSize = 16;
constexpr std::size_t blockPages = 20;        // u16: block size in pages
constexpr std::size_t blockBytes = 22;        // u16: block size in bytes
constexpr std::size_t production = 24;        // 1: opened with its table
constexpr std::size_t tagSlots = 25;          // entries the tag table has room for
constexpr std::size_t tagEntrySize = 26;      // 32
constexpr std::size_t tagCount = 28;          // u16: tags in use
constexpr std::size_t nextTag = 30;
constexpr std::size_t marker = 31;            // 0x1B
constexpr std::size_t pageCount = 32;         // u32: pages in the file
constexpr std::size_t freeList = 36;          // u32: first free page, 0 if none
constexpr std::size_t freeBlocks = 40;        // u32
constexpr std::size_t updated = 44;           // YY MM DD
constexpr std::size_t tagTableMark = 529;     // dBASE writes 1 here
constexpr std::size_t tagTable = 544;         // first 32-byte tag entry
}  // namespace header

constexpr std::size_t kTagEntrySize = 32;
constexpr std::size_t kTagSlots = 48;

// Tag table entry, relative to its start.
namespace entry {
constexpr std::size_t headerPage = 0;         // u32: page of the tag header
constexpr std::size_t name = 4;               // 11 bytes, NUL padded
constexpr std::size_t nameSize = 11;
constexpr std::size_t keyFormat = 15;         // 0x10
constexpr std::size_t leftThread = 16;        // tags form a binary tree by name:
constexpr std::size_t rightThread = 17;       //   1-based entry numbers, 0 for none
constexpr std::size_t parentThread = 18;
constexpr std::size_t reserved = 19;          // dBASE writes 2 here
constexpr std::size_t keyType = 20;           // 'C', 'N' or 'D'
}  // namespace entry

// Tag header block, relative to its start.
namespace tag {
constexpr std::size_t rootPage = 0;           // u32
constexpr std::size_t pagesUsed = 4;          // u32: pages of the tag's nodes
constexpr std::size_t keyFormat = 8;          // flags below
constexpr std::size_t keyType = 9;
constexpr std::size_t marker = 11;            // 0x1B
constexpr std::size_t keyLength = 12;         // u16
constexpr std::size_t keysPerNode = 14;       // u16
constexpr std::size_t secondaryType = 16;     // u16: 1 for date keys
constexpr std::size_t itemLength = 18;        // u16: key length + 4, multiple of 4
constexpr std::size_t serial = 20;            // bumped on every update
constexpr std::size_t unique = 23;            // 1 for a unique tag
constexpr std::size_t expression = 24;        // NUL-terminated, at most 220 bytes
constexpr std::size_t hasKeys = 246;
constexpr std::size_t firstLeaf = 248;        // u32: page of the leftmost leaf
constexpr std::size_t lastLeaf = 252;         // u32: page of the rightmost leaf
constexpr std::size_t created = 257;          // YY MM DD
constexpr std::size_t singleField = 480;      // 1 when the key is one field

constexpr std::uint8_t kFormatBase = 0x10;
constexpr std::uint8_t kDescending = 0x08;
constexpr std::uint8_t kUnique = 0x40;
}  // namespace tag

// B-tree node block: u32 entry count, u32 page of the previous node on the
// same level, then items of (u32 pointer, key padded to the item length). In a
// leaf the pointer is a record number and the pointer after the last item is
// 0; an interior node with n keys has n + 1 child pages, key i being the last
// key under child i.
namespace node {
constexpr std::size_t count = 0;
constexpr std::size_t previous = 4;
constexpr std::size_t items = 8;
}  // namespace node

inline int itemLengthFor(int keyLength) { return (keyLength + 4 + 3) / 4 * 4; }
inline int keysPerNodeFor(int itemLength) {
    return static_cast<int>((kBlockSize - 12) / static_cast<std::size_t>(itemLength));
}

}  // namespace dbase::mdx

#pragma once
// Generated code page tables (CodePageTables.cpp); used only by CodePages.cpp.
#include <cstdint>

namespace dbase {

struct CodePageTable {
    int codePage;
    std::uint16_t upper[128];  // code point of each byte 0x80..0xFF
};

extern const CodePageTable kCodePageTables[];
extern const int kCodePageTableCount;

}  // namespace dbase

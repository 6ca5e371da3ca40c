#include "tools/hexview/DumpLine.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace hexview {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Two hex digits and a space per byte from one table: the dump writes more
// than a gigabyte of text for a 256 MiB file.
struct HexTable {
    char cells[256][3];
    char printable[256];
    constexpr HexTable() : cells(), printable() {
        for (int b = 0; b < 256; ++b) {
            cells[b][0] = kDigits[b >> 4];
            cells[b][1] = kDigits[b & 15];
            cells[b][2] = ' ';
            printable[b] = b >= 32 && b <= 126 ? static_cast<char>(b) : '.';
        }
    }
};
constexpr HexTable kTable;

int offsetDigits(std::uint64_t offset) {
    const int bits = 64 - std::countl_zero(offset | 1);
    return std::max(5, (bits + 3) / 4);
}

int bytePartEnd(int digits, int count) { return 1 + digits + 2 + 3 * count + count / 4; }

}  // namespace

int dumpLine(char* out, std::uint64_t offset, const std::uint8_t* bytes, int count) {
    const int digits = offsetDigits(offset);
    char* at = out;
    *at++ = ';';
    for (int d = digits - 1; d >= 0; --d) *at++ = kDigits[(offset >> (4 * d)) & 15];
    *at++ = ' ';
    *at++ = ' ';
    for (int k = 0; k < count; ++k) {
        std::memcpy(at, kTable.cells[bytes[k]], 3);
        at += 3;
        if (k % 4 == 3) *at++ = ' ';
    }
    while (at - out < kTextColumn) *at++ = ' ';
    for (int k = 0; k < count; ++k) *at++ = kTable.printable[bytes[k]];
    *at++ = '\r';
    *at++ = '\n';
    return static_cast<int>(at - out);
}

ByteColumns byteColumns(std::uint64_t offset, int count, int k) {
    const int digits = offsetDigits(offset);
    return {1 + digits + 2 + 3 * k + k / 4, std::max(kTextColumn, bytePartEnd(digits, count)) + k};
}

int dumpLineLength(std::uint64_t offset, int count) {
    return std::max(kTextColumn, bytePartEnd(offsetDigits(offset), count)) + count + 2;
}

}  // namespace hexview

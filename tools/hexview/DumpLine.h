#pragma once
// One line of the hexadecimal dump: ";" and the offset in at least five
// upper-case hex digits, two spaces, the bytes in groups of four, the
// printable column from position 62 (or right after a longer byte part), and
// CR LF. The window, "Save as" and the hexdump command all draw their lines
// here, so what is shown, saved and printed is the same text.
#include <cstddef>
#include <cstdint>

namespace hexview {

inline constexpr int kBytesPerLine = 16;
// Where the printable column starts while the offset has at most 7 digits.
inline constexpr int kTextColumn = 62;
// Room for the longest line (a 16-digit offset) with a terminating zero.
inline constexpr int kMaxDumpLine = 1 + 16 + 2 + 52 + 16 + 2 + 1;

// Writes the line of `count` (1..16) bytes found at `offset` to `out` (at
// least kMaxDumpLine characters); returns its length, CR LF included, without
// writing a terminating zero.
int dumpLine(char* out, std::uint64_t offset, const std::uint8_t* bytes, int count);

// Where the characters of a line's byte k (0..count-1) stand: its two hex
// digits at `hex`, its printable character at `text`.
struct ByteColumns {
    int hex;
    int text;
};
ByteColumns byteColumns(std::uint64_t offset, int count, int k);

// The length of the dump line at `offset` holding `count` bytes, CR LF included.
int dumpLineLength(std::uint64_t offset, int count);

// The number of dump lines of a file of `size` bytes.
inline std::uint64_t dumpLineCount(std::uint64_t size) { return (size + kBytesPerLine - 1) / kBytesPerLine; }

}  // namespace hexview

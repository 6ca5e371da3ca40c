#pragma once
// The data inspector: what the bytes at one offset of a file mean read as
// integers, floating-point numbers, a UTF-8 character and Unix times, in
// either byte order. The window's panel and the inspect command both show
// these fields, so the two always agree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hexview {

class MappedFile;

struct InspectorField {
    const char* name;   // "int16", "float64", "utf8", ...
    std::string value;  // as shown, or kPastTheEnd
    int length;         // the bytes it reads from the offset (a UTF-8 character: its own length)
};

// What a field says when its bytes run past the end of the file.
inline constexpr const char* kPastTheEnd = "past the end of the file";
// What the UTF-8 field says of bytes that start no character.
inline constexpr const char* kInvalidUtf8 = "invalid";
// What a time field says of a moment outside the years 1 to 9999.
inline constexpr const char* kOutOfRange = "out of range";

// The most bytes any field reads.
inline constexpr std::size_t kInspectedBytes = 8;

// The fields for `bytes`, the first `available` of which are in the file
// (the rest, if any, lie past its end and are not read).
std::vector<InspectorField> inspectBytes(const std::uint8_t* bytes, std::size_t available, bool bigEndian);

// The fields for the bytes of `file` at `offset` (at most its size).
std::vector<InspectorField> inspectFile(const MappedFile& file, std::uint64_t offset, bool bigEndian);

// The fields as the inspect command prints them: "name: value" a line.
std::string inspectorText(const std::vector<InspectorField>& fields);

// Seconds since 1970-01-01 00:00:00 UTC as "YYYY-MM-DD HH:MM:SS UTC", or
// kOutOfRange outside the years 1 to 9999.
std::string unixTimeText(std::int64_t seconds);

}  // namespace hexview

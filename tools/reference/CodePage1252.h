#pragma once
// Code page 1252 (Windows Western), the single-byte code page the character
// grid shows: codes 0 to 127 are ASCII, 160 to 255 Latin-1, and 128 to 159
// hold the typographic extras, five of them undefined.
#include <optional>

namespace reference {

// The Unicode code point of byte `code`; none for the five undefined codes
// (129, 141, 143, 144, 157) and for anything outside 0..255.
std::optional<char32_t> cp1252ToUnicode(int code);

// The byte that code page 1252 gives `codePoint`; none when it has no byte.
std::optional<int> unicodeToCp1252(char32_t codePoint);

}  // namespace reference

#pragma once
// Single-byte code pages of dBASE tables: the language driver byte and the
// conversion of stored text to and from UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace dbase {

// The code page a header's language driver byte names; 0 when it names none
// this program knows. A table without a driver byte (0) is read as 1252.
int codePageForDriver(std::uint8_t driver);

// The driver byte written for a code page; 0 when the code page is unsupported.
std::uint8_t driverForCodePage(int codePage);

bool codePageSupported(int codePage);

// Every byte decodes to some character, so reading never fails.
std::string decodeText(std::string_view bytes, int codePage);

// Encodes UTF-8 text. When a character has no byte in the code page (or the
// text is not valid UTF-8) returns false and sets `unmappable` to it (U+FFFD
// for a broken sequence); `out` is then incomplete.
bool encodeText(std::string_view utf8, int codePage, std::string& out, char32_t& unmappable);

// "'Ж' (U+0416)": how error messages name a character.
std::string describeCharacter(char32_t c);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

}  // namespace dbase

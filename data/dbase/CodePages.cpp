#include "data/dbase/CodePages.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "data/dbase/CodePageTables.h"

namespace dbase {

namespace {

struct DriverEntry {
    std::uint8_t driver;
    int codePage;
};

// Language driver bytes as dBASE and Visual FoxPro write them. The first entry
// of each code page is the one this program writes.
constexpr DriverEntry kDrivers[] = {
    {0x01, 437},  {0x02, 850},  {0x03, 1252}, {0x65, 866},  {0xC8, 1250}, {0xC9, 1251},
    {0xCB, 1253}, {0x6A, 737},  {0x64, 852},  {0x6B, 857},  {0x67, 861},  {0x66, 865},
    {0xCA, 1254}, {0x26, 866},  {0x57, 1252}, {0x58, 1252}, {0x59, 1252},
    {0x08, 865},  {0x09, 437},  {0x0A, 850},  {0x0B, 437},  {0x0D, 437},  {0x0E, 850},
    {0x0F, 437},  {0x10, 850},  {0x11, 437},  {0x12, 850},  {0x14, 850},  {0x15, 437},
    {0x16, 850},  {0x17, 865},  {0x18, 437},  {0x19, 437},  {0x1A, 850},  {0x1B, 437},
    {0x1D, 850},  {0x1F, 852},  {0x22, 852},  {0x23, 852},  {0x25, 850},  {0x37, 850},
    {0x40, 852},
};

const CodePageTable* tableFor(int codePage) {
    for (int i = 0; i < kCodePageTableCount; ++i)
        if (kCodePageTables[i].codePage == codePage) return &kCodePageTables[i];
    return nullptr;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Reads one code point; returns U+FFFD for a broken or overlong sequence.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) { extra = 1; c = b0 & 0x1F; minimum = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; c = b0 & 0x0F; minimum = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; c = b0 & 0x07; minimum = 0x10000; }
    else return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (b & 0x3F);
        ++i;
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
    return c;
}

}  // namespace

int codePageForDriver(std::uint8_t driver) {
    if (driver == 0) return 1252;
    for (const auto& e : kDrivers)
        if (e.driver == driver) return e.codePage;
    return 0;
}

std::uint8_t driverForCodePage(int codePage) {
    for (const auto& e : kDrivers)
        if (e.codePage == codePage) return e.driver;
    return 0;
}

bool codePageSupported(int codePage) { return tableFor(codePage) != nullptr; }

std::string decodeText(std::string_view bytes, int codePage) {
    // Most texts are ASCII, which every code page leaves as it is: copied whole.
    std::size_t ascii = 0;
    for (std::uint64_t word; ascii + 8 <= bytes.size(); ascii += 8) {
        std::memcpy(&word, bytes.data() + ascii, 8);
        if (word & 0x8080808080808080ULL) break;
    }
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
    std::string out(bytes.substr(0, ascii));
    if (ascii == bytes.size()) return out;
    const CodePageTable* table = tableFor(codePage);
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes.substr(ascii)) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80 || !table) appendUtf8(out, b);
        else appendUtf8(out, table->upper[b - 0x80]);
    }
    return out;
}

bool encodeText(std::string_view utf8, int codePage, std::string& out, char32_t& unmappable) {
    const CodePageTable* table = tableFor(codePage);
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const char32_t c = nextCodePoint(utf8, i);
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        bool found = false;
        if (table && !(c == 0xFFFD && utf8.substr(start, i - start) != "\xEF\xBF\xBD")) {
            for (int k = 0; k < 128; ++k) {
                if (table->upper[k] == c) {
                    out += char(0x80 + k);
                    found = true;
                    break;
                }
            }
        }
        if (!found) {
            unmappable = c;
            return false;
        }
    }
    return true;
}

std::string describeCharacter(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
    std::string out = "'";
    if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) appendUtf8(out, c);
    out += "' (";
    out += code;
    out += ")";
    return out;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace dbase

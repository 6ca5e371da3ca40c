#include "tools/reference/CodePage1252.h"

namespace reference {

namespace {

// Codes 128 to 159, from the Unicode Consortium's mapping table
// MAPPINGS/VENDORS/MICSFT/WINDOWS/CP1252.TXT (0 marks an undefined code).
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 128..135
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 136..143
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 144..151
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 152..159
};

}  // namespace

std::optional<char32_t> cp1252ToUnicode(int code) {
    if (code < 0 || code > 255) return std::nullopt;
    if (code < 128 || code >= 160) return static_cast<char32_t>(code);
    const char32_t mapped = kHighControls[code - 128];
    if (mapped == 0) return std::nullopt;
    return mapped;
}

std::optional<int> unicodeToCp1252(char32_t codePoint) {
    if (codePoint < 128 || (codePoint >= 160 && codePoint <= 255)) return static_cast<int>(codePoint);
    for (int k = 0; k < 32; ++k)
        if (kHighControls[k] != 0 && kHighControls[k] == codePoint) return 128 + k;
    return std::nullopt;
}

}  // namespace reference

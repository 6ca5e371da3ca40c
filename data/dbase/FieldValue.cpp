#include "data/dbase/FieldValue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "data/dbase/CodePages.h"

namespace dbase {

namespace {

bool padding(char c) { return c == ' ' || c == '\0'; }

}  // namespace

// A text field is mostly padding (a name of 12 letters in 60 bytes), and every
// row of a table is read at start: the padding is skipped 8 bytes at a time.
std::string_view withoutTrailingPadding(std::string_view s) {
    std::size_t n = s.size();
    constexpr std::uint64_t blanks = 0x2020202020202020ULL;
    for (std::uint64_t word; n >= 8; n -= 8) {
        std::memcpy(&word, s.data() + n - 8, 8);
        if (word != blanks && word != 0) break;
    }
    while (n > 0 && padding(s[n - 1])) --n;
    return s.substr(0, n);
}

namespace {

std::string_view trimmed(std::string_view s) {
    // Numbers are right-aligned: their padding leads.
    constexpr std::uint64_t blanks = 0x2020202020202020ULL;
    for (std::uint64_t word; s.size() >= 8; s.remove_prefix(8)) {
        std::memcpy(&word, s.data(), 8);
        if (word != blanks) break;
    }
    while (!s.empty() && padding(s.front())) s.remove_prefix(1);
    return withoutTrailingPadding(s);
}

// Whole numbers of up to 15 digits are exact in a double: summed here, the
// same value the general reading gives, at a fraction of its cost.
bool wholeNumber(std::string_view t, double& value) {
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.remove_prefix(1);
    if (t.empty() || t.size() > 15) return false;
    double whole = 0;
    for (const char c : t) {
        if (c < '0' || c > '9') return false;
        whole = whole * 10 + (c - '0');
    }
    value = negative ? -whole : whole;
    return true;
}

std::string rightAligned(const std::string& text, int width) {
    return std::string(std::size_t(width) - text.size(), ' ') + text;
}

bool roundTrips(const std::string& text, double value) {
    double back = 0;
    return parseNumber(text, back) && back == value;
}

std::string fixedText(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string shortestText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string encodeNumber(const FieldDef& field, std::string_view text) {
    const std::string_view t = trimmed(text);
    if (t.empty()) return std::string(std::size_t(field.length), ' ');
    double value = 0;
    if (!parseNumber(t, value)) throw DbfError("'" + std::string(t) + "' is not a number");
    if (value == 0) value = 0;  // no "-0"
    // dBASE's own layout (the field's decimals) when it keeps the value exactly,
    // else the shortest text that reads back as the same number.
    std::string out = fixedText(value, field.decimals);
    if (!roundTrips(out, value) || int(out.size()) > field.length) out = shortestText(value);
    if (int(out.size()) > field.length)
        throw DbfError("the number " + std::string(t) + " does not fit the field width of " +
                       std::to_string(field.length));
    return rightAligned(out, field.length);
}

std::string encodeLogical(std::string_view text) {
    std::string t(trimmed(text));
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (t.empty() || t == "?") return " ";
    if (t == "T" || t == "Y" || t == "TRUE" || t == "YES") return "T";
    if (t == "F" || t == "N" || t == "FALSE" || t == "NO") return "F";
    throw DbfError("'" + std::string(trimmed(text)) + "' is not a logical value (T or F)");
}

std::string encodeDate(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (t.empty()) return std::string(8, ' ');
    std::string digits;
    if (t.size() == 10 && t[4] == '-' && t[7] == '-')
        digits = std::string(t.substr(0, 4)) + std::string(t.substr(5, 2)) + std::string(t.substr(8, 2));
    else
        digits = std::string(t);
    bool ok = digits.size() == 8;
    for (const char c : digits) ok = ok && c >= '0' && c <= '9';
    if (ok) ok = validDate(std::stoi(digits.substr(0, 4)), std::stoi(digits.substr(4, 2)), std::stoi(digits.substr(6, 2)));
    if (!ok) throw DbfError("'" + std::string(t) + "' is not a date (YYYYMMDD)");
    return digits;
}

std::string encodeCharacter(const FieldDef& field, std::string_view text, int codePage) {
    std::string bytes;
    char32_t bad = 0;
    if (!encodeText(text, codePage, bytes, bad))
        throw DbfError("character " + describeCharacter(bad) + " cannot be stored in code page " +
                       std::to_string(codePage));
    if (int(bytes.size()) > field.length)
        throw DbfError("the text is " + std::to_string(bytes.size()) + " characters long, the field holds " +
                       std::to_string(field.length));
    bytes.resize(std::size_t(field.length), ' ');
    return bytes;
}

}  // namespace

bool isBlank(std::string_view text) { return trimmed(text).empty(); }

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool validDate(int y, int m, int d) {
    if (y < 1 || m < 1 || m > 12 || d < 1) return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

bool parseNumber(std::string_view text, double& value) {
    const std::string_view t = trimmed(text);
    if (t.empty()) return false;
    if (wholeNumber(t, value)) return true;
    // A number with a decimal point (the stored form) is read where it lies.
    if (t.find(',') == std::string_view::npos && t.front() != '+') {
        const auto allowed = [](char c) {
            return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        };
        if (!std::all_of(t.begin(), t.end(), allowed)) return false;
        const auto result = std::from_chars(t.data(), t.data() + t.size(), value);
        return result.ec == std::errc() && result.ptr == t.data() + t.size() && std::isfinite(value);
    }
    // Anything else is checked and its decimal comma turned into a point in a
    // copy; a field's worth fits on the stack.
    char small[64];
    std::string large;
    char* s = small;
    if (t.size() > sizeof small) {
        large.resize(t.size());
        s = large.data();
    }
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == ',') c = '.';
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return false;
        s[i] = c;
    }
    const char* begin = s;
    const char* end = s + t.size();
    if (*begin == '+') {
        // A sign alone, or two of them, is no number (from_chars takes no '+').
        ++begin;
        if (begin == end || *begin == '-') return false;
    }
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

std::string readFieldText(const FieldDef& field, std::string_view raw, int codePage) {
    if (field.type == 'N' || field.type == 'F') return decodeText(trimmed(raw), codePage);
    return decodeText(withoutTrailingPadding(raw), codePage);
}

bool writableType(char type) {
    return type == 'C' || type == 'N' || type == 'F' || type == 'L' || type == 'D';
}

std::string encodeFieldValue(const FieldDef& field, std::string_view text, int codePage) {
    std::string out;
    switch (field.type) {
    case 'C': out = encodeCharacter(field, text, codePage); break;
    case 'N':
    case 'F': out = encodeNumber(field, text); break;
    case 'L': out = encodeLogical(text); break;
    case 'D': out = encodeDate(text); break;
    default: throw DbfError(std::string("fields of type ") + field.type + " cannot be written");
    }
    // Odd tables declare L or D fields of unusual widths; never write past the field.
    if (int(out.size()) > field.length)
        throw DbfError("the value does not fit the field width of " + std::to_string(field.length));
    out.resize(std::size_t(field.length), ' ');
    return out;
}

}  // namespace dbase

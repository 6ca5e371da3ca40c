#include "tools/hexview/Inspector.h"

#include <bit>
#include <cstdio>
#include <cstring>

#include "core/NumberFormat.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

namespace {

// The `width` bytes as an unsigned number in the byte order asked for.
std::uint64_t unsignedValue(const std::uint8_t* bytes, int width, bool bigEndian) {
    std::uint64_t value = 0;
    for (int k = 0; k < width; ++k) value |= std::uint64_t{bytes[bigEndian ? width - 1 - k : k]} << (8 * k);
    return value;
}

std::int64_t signedValue(std::uint64_t value, int width) {
    if (width < 8 && (value >> (8 * width - 1)) & 1) value |= ~std::uint64_t{0} << (8 * width);
    return static_cast<std::int64_t>(value);
}

// The length of the UTF-8 character at `bytes` and its code point; length 0
// for bytes that start none, -1 for a character the file ends inside of.
// Overlong forms, surrogates and code points past U+10FFFF start none.
int utf8Character(const std::uint8_t* bytes, std::size_t available, char32_t& code) {
    const std::uint8_t lead = bytes[0];
    int length;
    std::uint8_t low = 0x80, high = 0xBF;  // the second byte's range
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (static_cast<std::size_t>(k) >= available) return -1;
        const std::uint8_t b = bytes[k];
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return 0;
        code = (code << 6) | (b & 0x3F);
    }
    return length;
}

std::string utf8Text(char32_t code, const std::uint8_t* bytes, int length) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    std::string shown = text;
    // Controls and the line and paragraph separators would break the line they stand in.
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
    if (!control) shown += ' ' + std::string(reinterpret_cast<const char*>(bytes), length);
    return shown;
}

std::string binaryText(std::uint8_t b) {
    std::string text(8, '0');
    for (int k = 0; k < 8; ++k)
        if (b & (0x80 >> k)) text[k] = '1';
    return text;
}

// Days since 1970-01-01 to a date of the proleptic Gregorian calendar
// (the civil-from-days method: eras of 400 years of 146097 days).
void civilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

std::string unixTimeText(std::int64_t seconds) {
    // Whole days and the seconds into the last, both without overflow at the ends of the range.
    std::int64_t days = seconds / 86400, second = seconds % 86400;
    if (second < 0) {
        second += 86400;
        --days;
    }
    std::int64_t year;
    int month, day;
    civilFromDays(days, year, month, day);
    if (year < 1 || year > 9999) return kOutOfRange;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", static_cast<int>(year), month, day,
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return text;
}

std::vector<InspectorField> inspectBytes(const std::uint8_t* bytes, std::size_t available, bool bigEndian) {
    std::vector<InspectorField> fields;
    // A field of `width` bytes, or the words for one that reads past the end.
    auto add = [&](const char* name, int width, auto text) {
        fields.push_back({name, available >= static_cast<std::size_t>(width) ? text() : kPastTheEnd, width});
    };
    for (const int width : {1, 2, 4, 8}) {
        static const char* const names[][2] = {{"int8", "uint8"}, {"int16", "uint16"}, {}, {"int32", "uint32"},
                                               {}, {}, {}, {"int64", "uint64"}};
        const auto value = [&] { return unsignedValue(bytes, width, bigEndian); };
        add(names[width - 1][0], width, [&] { return std::to_string(signedValue(value(), width)); });
        add(names[width - 1][1], width, [&] { return std::to_string(value()); });
    }
    add("float32", 4, [&] {
        return kv::formatGeneral(std::bit_cast<float>(static_cast<std::uint32_t>(unsignedValue(bytes, 4, bigEndian))));
    });
    add("float64", 8, [&] { return kv::formatGeneral(std::bit_cast<double>(unsignedValue(bytes, 8, bigEndian))); });
    add("binary", 1, [&] { return binaryText(bytes[0]); });
    add("octal", 1, [&] {
        char text[8];
        std::snprintf(text, sizeof text, "%03o", bytes[0]);
        return std::string(text);
    });
    if (available == 0) {
        fields.push_back({"utf8", kPastTheEnd, 1});
    } else {
        char32_t code = 0;
        const int length = utf8Character(bytes, available, code);
        fields.push_back({"utf8",
                          length > 0    ? utf8Text(code, bytes, length)
                          : length == 0 ? std::string(kInvalidUtf8)
                                        : std::string(kPastTheEnd),
                          length > 0 ? length : 1});
    }
    add("unix32", 4, [&] { return unixTimeText(signedValue(unsignedValue(bytes, 4, bigEndian), 4)); });
    add("unix64", 8, [&] { return unixTimeText(static_cast<std::int64_t>(unsignedValue(bytes, 8, bigEndian))); });
    return fields;
}

std::vector<InspectorField> inspectFile(const MappedFile& file, std::uint64_t offset, bool bigEndian) {
    std::uint8_t bytes[kInspectedBytes] = {};
    const std::size_t got = offset < file.size() ? file.read(offset, bytes, sizeof bytes) : 0;
    return inspectBytes(bytes, got, bigEndian);
}

std::string inspectorText(const std::vector<InspectorField>& fields) {
    std::string text;
    for (const InspectorField& f : fields) text += std::string(f.name) + ": " + f.value + "\n";
    return text;
}

}  // namespace hexview

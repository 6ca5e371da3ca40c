// The data inspector: arbitrary bytes at every offset, in both byte orders,
// each field checked against a reading made here on its own: integers
// through memcpy and a byte swap, floats through the shared formatter,
// the UTF-8 character against the text view's decoder, and the Unix times
// against the C library's gmtime.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "core/NumberFormat.h"
#include "fuzz/FuzzRequire.h"
#include "tools/hexview/Inspector.h"
#include "tools/hexview/Utf8Text.h"

namespace {

template <typename T>
T readAs(const std::uint8_t* bytes, bool big) {
    // The host is little-endian: big-endian bytes are turned around first.
    std::uint8_t ordered[sizeof(T)];
    for (std::size_t k = 0; k < sizeof(T); ++k) ordered[k] = bytes[big ? sizeof(T) - 1 - k : k];
    T value;
    std::memcpy(&value, ordered, sizeof value);
    return value;
}

std::string gmtimeText(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!gmtime_r(&t, &parts) || parts.tm_year + 1900 < 1 || parts.tm_year + 1900 > 9999)
        return hexview::kOutOfRange;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", parts.tm_year + 1900, parts.tm_mon + 1,
                  parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    return text;
}

const std::string& value(const std::vector<hexview::InspectorField>& fields, const char* name) {
    for (const auto& f : fields)
        if (std::strcmp(f.name, name) == 0) return f.value;
    std::abort();
}

template <typename T>
void checkNumber(const std::vector<hexview::InspectorField>& fields, const char* name, const std::uint8_t* bytes,
                 std::size_t available, bool big) {
    if (available < sizeof(T)) {
        require(value(fields, name) == hexview::kPastTheEnd);
        return;
    }
    const T v = readAs<T>(bytes, big);
    if constexpr (std::is_floating_point_v<T>) require(value(fields, name) == kv::formatGeneral(double(v)));
    else require(value(fields, name) == std::to_string(v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at <= size; ++at) {
        std::uint8_t bytes[hexview::kInspectedBytes] = {};
        const std::size_t available = std::min(size - at, hexview::kInspectedBytes);
        if (available) std::memcpy(bytes, data + at, available);
        for (const bool big : {false, true}) {
            const auto fields = hexview::inspectBytes(bytes, available, big);
            checkNumber<std::int8_t>(fields, "int8", bytes, available, big);
            checkNumber<std::uint16_t>(fields, "uint16", bytes, available, big);
            checkNumber<std::int32_t>(fields, "int32", bytes, available, big);
            checkNumber<std::uint64_t>(fields, "uint64", bytes, available, big);
            checkNumber<std::int64_t>(fields, "int64", bytes, available, big);
            checkNumber<float>(fields, "float32", bytes, available, big);
            checkNumber<double>(fields, "float64", bytes, available, big);
            if (available >= 4) require(value(fields, "unix32") == gmtimeText(readAs<std::int32_t>(bytes, big)));
            if (available >= 8) require(value(fields, "unix64") == gmtimeText(readAs<std::int64_t>(bytes, big)));
            // A character the text view decodes whole (not its mark for a bad
            // byte) is the one the inspector names, and the other way round.
            const std::string utf8 = value(fields, "utf8");
            if (available == 0) continue;
            std::vector<int> columns;
            const QString text = hexview::decodeText(bytes, std::min<std::size_t>(available, 4), &columns);
            std::size_t length = 1;
            while (length < columns.size() && columns[length] == 0) ++length;
            const bool whole = !(text[0] == QChar(0xFFFD) && !(length == 3 && bytes[0] == 0xEF));
            const bool cut = utf8 == hexview::kPastTheEnd;
            require(utf8 != hexview::kInvalidUtf8 || !whole);
            if (utf8.starts_with("U+")) {
                require(whole);
                const char32_t code = static_cast<char32_t>(std::strtoul(utf8.c_str() + 2, nullptr, 16));
                require(code == (text[0].isHighSurrogate() ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode()) ||
                        code == '\t' || code < 0x20 || code == 0x7F);
            }
            require(!cut || available < 4);
        }
    }
    return 0;
}

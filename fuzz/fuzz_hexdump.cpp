// The dump lines: arbitrary bytes through the conversion, from offset 0 and
// from an offset the input chooses; every line is checked against a dump
// formatted here independently with printf.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/hexview/Conversion.h"
#include "tools/hexview/DumpLine.h"

namespace {

std::string independentLine(std::uint64_t offset, const std::uint8_t* bytes, std::size_t count) {
    char part[32];
    std::snprintf(part, sizeof part, ";%05llX  ", static_cast<unsigned long long>(offset));
    std::string line = part;
    for (std::size_t k = 0; k < count; ++k) {
        std::snprintf(part, sizeof part, "%02X ", bytes[k]);
        line += part;
        if (k % 4 == 3) line += ' ';
    }
    if (line.size() < 62) line.resize(62, ' ');
    for (std::size_t k = 0; k < count; ++k) line += bytes[k] >= 32 && bytes[k] <= 126 ? char(bytes[k]) : '.';
    return line + "\r\n";
}

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t progressCalls = 0;
    hexview::THexConversion conversion([&](std::uint64_t at) {
        require(at % 4096 == 0);
        ++progressCalls;
    });
    hexview::TMemoryStream stream(data, size);
    char buffer[hexview::kMaxDumpLine + 8];
    std::uint64_t at = 0;
    while (int n = conversion.ConvertReadStream(stream, buffer, sizeof buffer)) {
        const std::size_t count = std::min<std::size_t>(16, size - at);
        require(std::string(buffer, n) == independentLine(at, data + at, count));
        require(buffer[n] == '\0');
        at += count;
    }
    require(at == size && progressCalls == size / 4096);

    // The same bytes at a far offset, where the offset takes more digits.
    if (size >= 8) {
        std::uint64_t base;
        std::memcpy(&base, data, 8);
        base &= ~std::uint64_t{15};
        for (std::size_t k = 8; k < size; k += 16) {
            const int count = static_cast<int>(std::min<std::size_t>(16, size - k));
            const std::uint64_t offset = base + (k - 8);
            char line[hexview::kMaxDumpLine];
            const int n = hexview::dumpLine(line, offset, data + k, count);
            require(std::string(line, n) == independentLine(offset, data + k, count));
            require(n == hexview::dumpLineLength(offset, count));
        }
    }
    return 0;
}

// The numerals window's conversions from any typed number and base: each
// result reads back as the number typed. The Roman numeral is read by a
// reader of its own, the digits in the base by strtoll.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Error.h"
#include "core/NumberRead.h"
#include "tools/numbers/Numerals.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

long long romanValue(const std::string& roman) {
    auto value = [](char c) {
        switch (c) {
            case 'I': return 1;
            case 'V': return 5;
            case 'X': return 10;
            case 'L': return 50;
            case 'C': return 100;
            case 'D': return 500;
            case 'M': return 1000;
            default: std::abort();
        }
    };
    long long sum = 0;
    for (std::size_t k = 0; k < roman.size(); ++k) {
        const int v = value(roman[k]);
        sum += k + 1 < roman.size() && value(roman[k + 1]) > v ? -v : v;
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    numbers::NumeralsBoxes boxes;
    boxes.number = input.substr(0, cut);
    if (cut != std::string::npos) boxes.base = input.substr(cut + 1);
    boxes.roman = "unchanged";
    try {
        if (!numbers::convertNumerals(boxes)) return 0;
    } catch (const kv::Error&) {
        return 0;
    }
    const int value = kv::readInteger(boxes.number);
    if (value >= 0 && value < 32768) require(romanValue(boxes.roman) == value);
    else require(boxes.roman == "unchanged");
    const int base = kv::readInteger(boxes.base);
    require(base >= 2 && base <= 16);
    char* end = nullptr;
    require(std::strtoll(boxes.inBase.c_str(), &end, base) == value && *end == '\0');
    require(!boxes.words.empty());
    return 0;
}

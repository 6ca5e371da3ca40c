#include "data/dbase/MdxBcd.h"

#include <charconv>
#include <cmath>
#include <string>

#include "data/dbase/Table.h"

namespace dbase::mdx {

namespace {
constexpr int kExponentBias = 52;
constexpr int kMaxDigits = 20;
}  // namespace

BcdKey encodeBcd(double value) {
    if (!std::isfinite(value))
        throw DbfError("cannot index the number " + std::to_string(value) + ": not finite");
    BcdKey key{};
    key[0] = kExponentBias;
    key[1] = 0x01;
    if (value == 0) return key;  // also -0: no digits, no sign

    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific);
    (void)ec;  // 32 bytes hold any double
    std::string digits;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    const int biased = exponent + 1 + kExponentBias;  // 0.d1d2... form
    if (biased < 0 || biased > 255)
        throw DbfError("cannot index the number " + std::string(text, end) + ": exponent out of range");

    key[0] = static_cast<std::uint8_t>(biased);
    key[1] = static_cast<std::uint8_t>(digits.size() << 2 | 0x01 | (value < 0 ? 0x80 : 0));
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto digit = static_cast<std::uint8_t>(digits[i] - '0');
        key[2 + i / 2] |= (i % 2 == 0) ? static_cast<std::uint8_t>(digit << 4) : digit;
    }
    return key;
}

double decodeBcd(const BcdKey& key) {
    const int count = (key[1] >> 2) & 0x1F;
    if (count > kMaxDigits) throw DbfError("numeric index key holds more than 20 digits");
    std::string text = "0.";
    for (int i = 0; i < count; ++i) {
        const int digit = (i % 2 == 0) ? key[2 + i / 2] >> 4 : key[2 + i / 2] & 0x0F;
        if (digit > 9) throw DbfError("numeric index key holds a nibble that is no decimal digit");
        text += static_cast<char>('0' + digit);
    }
    if (count == 0) return 0;
    text += 'e' + std::to_string(static_cast<int>(key[0]) - kExponentBias);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return (key[1] & 0x80) ? -value : value;
}

}  // namespace dbase::mdx

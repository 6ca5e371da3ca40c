// The general format as it was first written, through to_chars with a
// precision of 15 digits and string assembly: the reference the fast
// formatter is compared with, value for value.
#include "tests/core/NumberFormatReference.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include <QString>

namespace {

constexpr int kSignificantDigits = 15;
// With the value written as 0.d1d2... x 10^e, fixed notation is used for these e.
constexpr int kFixedMinE = -3;
constexpr int kFixedMaxE = 15;

struct Decimal {
    std::string digits;  // d1d2..., no trailing zeros, d1 != '0'
    int e = 0;           // the value is 0.d1d2... x 10^e
};

// to_chars rounds correctly and ignores the C locale (a Qt application sets
// LC_NUMERIC from the environment, which would change what printf writes).
// A carry out of the last digit (9.99...95 -> 1.0E+1) is already reflected in
// the exponent it returns.
Decimal roundedDecimal(double magnitude) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    std::string_view text(buf, static_cast<size_t>(end - buf));  // "d.dddddddddddddde+XX"
    size_t ePos = text.find('e');
    Decimal d;
    d.digits.push_back(text[0]);
    for (char c : text.substr(2, ePos - 2)) d.digits.push_back(c);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    d.e = exponent + 1;
    return d;
}

std::string fixedText(const Decimal& d, const std::string& sep) {
    const int n = static_cast<int>(d.digits.size());
    if (d.e <= 0) return "0" + sep + std::string(static_cast<size_t>(-d.e), '0') + d.digits;
    if (d.e >= n) return d.digits + std::string(static_cast<size_t>(d.e - n), '0');
    return d.digits.substr(0, static_cast<size_t>(d.e)) + sep + d.digits.substr(static_cast<size_t>(d.e));
}

std::string scientificText(const Decimal& d, const std::string& sep) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += sep + d.digits.substr(1);
    return text + "E" + std::to_string(d.e - 1);
}

}  // namespace

std::string referenceFormatGeneral(double v, QChar decimalPoint) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";  // also -0.0: a minus before zero would only puzzle the user

    const std::string sep = QString(decimalPoint).toStdString();
    const Decimal d = roundedDecimal(std::fabs(v));
    const bool fixed = d.e >= kFixedMinE && d.e <= kFixedMaxE;
    const std::string body = fixed ? fixedText(d, sep) : scientificText(d, sep);
    return v < 0 ? "-" + body : body;
}

#include "core/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include <QLocale>
#include <QString>

namespace kv {
namespace {

constexpr int kSignificantDigits = 15;
// With the value written as 0.d1d2... x 10^e, fixed notation is used for these e.
constexpr int kFixedMinE = -3;
constexpr int kFixedMaxE = 15;

struct Decimal {
    char digits[24];  // d1d2..., no trailing zeros, d1 != '0'
    int count = 0;
    int e = 0;  // the value is 0.d1d2... x 10^e
};

// Reads to_chars' scientific text "d.ddde+XX" (or "de+XX").
void readScientific(const char* text, const char* end, Decimal& d) {
    d.count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') d.digits[d.count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    d.e = exponent + 1;
}

void dropTrailingZeros(Decimal& d) {
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
}

struct PowerOfTen {
    std::uint64_t high, low;
    int exponent;  // 10^k lies in [p, p + 1) * 2^exponent, p = high * 2^64 + low
};

constexpr int kLowestPower = -310;
constexpr PowerOfTen kPowersOfTen[] = {
#include "core/PowersOfTen.inc"
};

constexpr std::uint64_t kFifteenDigits = 1000000000000000;  // 10^15

// round(v * 10^k) for a normal v = m * 2^q, when it is known from the
// 128-bit power of ten. The product m * p (up to 181 bits) is exact; 10^k
// itself may be up to one unit of p above, which moves the product by less
// than m < 2^53 units, so only a fraction within that of one half leaves the
// rounding open (nullopt).
std::optional<std::uint64_t> scaledRounded(std::uint64_t m, int q, int k) {
    using U128 = unsigned __int128;
    const PowerOfTen& p = kPowersOfTen[k - kLowestPower];
    const U128 low = static_cast<U128>(m) * p.low;
    const U128 high = static_cast<U128>(m) * p.high + static_cast<std::uint64_t>(low >> 64);
    const std::uint64_t w0 = static_cast<std::uint64_t>(low);
    const std::uint64_t w1 = static_cast<std::uint64_t>(high);
    const std::uint64_t w2 = static_cast<std::uint64_t>(high >> 64);
    const int shift = -(q + p.exponent) - 128;  // the product's bits below the integer part, less 128
    if (shift < 1 || shift > 63) return std::nullopt;
    const std::uint64_t n = w2 >> shift;
    const std::uint64_t fraction = w2 & ((std::uint64_t{1} << shift) - 1);  // and w1, w0 below it
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (fraction < half && (fraction + 1 < half || w1 != ~std::uint64_t{0})) return n;
    if (fraction > half || (fraction == half && (w1 | w0) != 0)) return n + 1;
    return std::nullopt;
}

// The digits of n, which has `count` of them, without its trailing zeros.
void setDigits(Decimal& d, std::uint64_t n, int count) {
    if (n % 100000000 == 0) n /= 100000000, count -= 8;
    if (n % 10000 == 0) n /= 10000, count -= 4;
    if (n % 100 == 0) n /= 100, count -= 2;
    if (n % 10 == 0) n /= 10, count -= 1;
    std::to_chars(d.digits, d.digits + sizeof d.digits, n);
    d.count = count;
}

// The decimal of v rounded to 15 significant digits, trailing zeros
// dropped, as the correctly rounding conversion to_chars gives it; directly
// from v's bits times a power of ten where the rounding is certain.
void roundedDecimal(double magnitude, Decimal& d) {
    char buf[40];
    auto exactRounding = [&] {
        const char* end =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificantDigits - 1).ptr;
        readScientific(buf, end, d);
        dropTrailingZeros(d);
    };
    // Subnormals have fewer bits than the product needs: they are rare enough to take the slow way.
    if (magnitude < std::numeric_limits<double>::min()) return exactRounding();
    // Whole numbers below 10^15 are their own digits.
    if (magnitude < static_cast<double>(kFifteenDigits) && magnitude >= 1) {
        const auto whole = static_cast<std::uint64_t>(magnitude);
        if (static_cast<double>(whole) == magnitude) {
            char* end = std::to_chars(d.digits, d.digits + sizeof d.digits, whole).ptr;
            d.e = static_cast<int>(end - d.digits);
            setDigits(d, whole, d.e);
            return;
        }
    }
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int q = biased - 1075;
    // floor(log10(2^(q + 52))) is the decimal exponent of v or one below it.
    int e10 = ((q + 52) * 78913) >> 18;
    std::optional<std::uint64_t> n = scaledRounded(m, q, kSignificantDigits - 1 - e10);
    if (n && *n > kFifteenDigits) {  // v was a decade higher
        ++e10;
        n = scaledRounded(m, q, kSignificantDigits - 1 - e10);
    }
    if (!n) return exactRounding();
    if (*n >= kFifteenDigits) {  // 999...95 and above carried into a new digit
        *n /= 10;
        ++e10;
    }
    d.e = e10 + 1;
    setDigits(d, *n, kSignificantDigits);
}

char* put(char* out, const char* from, int n) {
    std::memcpy(out, from, static_cast<size_t>(n));
    return out + n;
}

char* putZeros(char* out, int n) {
    std::memset(out, '0', static_cast<size_t>(n));
    return out + n;
}

char* putSeparator(char* out, std::string_view sep) { return put(out, sep.data(), static_cast<int>(sep.size())); }

char* fixedText(char* out, const Decimal& d, std::string_view sep) {
    if (d.e <= 0) {
        *out++ = '0';
        out = putSeparator(out, sep);
        out = putZeros(out, -d.e);
        return put(out, d.digits, d.count);
    }
    if (d.e >= d.count) return putZeros(put(out, d.digits, d.count), d.e - d.count);
    out = put(out, d.digits, d.e);
    out = putSeparator(out, sep);
    return put(out, d.digits + d.e, d.count - d.e);
}

char* scientificText(char* out, const Decimal& d, std::string_view sep) {
    *out++ = d.digits[0];
    if (d.count > 1) out = put(putSeparator(out, sep), d.digits + 1, d.count - 1);
    *out++ = 'E';
    return std::to_chars(out, out + 8, d.e - 1).ptr;
}

}  // namespace

QChar localeDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

std::string decimalPointBytes(QChar decimalPoint) { return QString(decimalPoint).toStdString(); }

char* writeGeneral(char* out, double v, std::string_view decimalPoint) {
    if (std::isnan(v)) return put(out, "NAN", 3);
    if (std::isinf(v)) return v < 0 ? put(out, "-INF", 4) : put(out, "INF", 3);
    if (v == 0) {  // also -0.0: a minus before zero would only puzzle the user
        *out++ = '0';
        return out;
    }
    Decimal d;
    roundedDecimal(std::fabs(v), d);
    if (v < 0) *out++ = '-';
    const bool fixed = d.e >= kFixedMinE && d.e <= kFixedMaxE;
    return fixed ? fixedText(out, d, decimalPoint) : scientificText(out, d, decimalPoint);
}

std::string formatGeneral(double v) { return formatGeneral(v, localeDecimalPoint()); }

std::string formatGeneral(double v, QChar decimalPoint) {
    char buf[kGeneralMaxLength];
    // The plain ASCII separators need no trip through QString.
    const char ascii = decimalPoint.unicode() < 0x80 ? static_cast<char>(decimalPoint.unicode()) : 0;
    const std::string other = ascii ? std::string() : decimalPointBytes(decimalPoint);
    const std::string_view sep = ascii ? std::string_view(&ascii, 1) : std::string_view(other);
    return std::string(buf, writeGeneral(buf, v, sep));
}

}  // namespace kv

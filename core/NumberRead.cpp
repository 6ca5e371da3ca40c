#include "core/NumberRead.h"

#include <charconv>
#include <limits>
#include <string_view>

#include <QString>

#include "core/Error.h"
#include "core/NumberFormat.h"

namespace kv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The number's parts once its shape has been checked.
struct FloatParts {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    bool expNegative = false;
    std::string expDigits;
};

// Checks the shape by hand: from_chars alone would also take "inf", "nan"
// and forms this program never accepted.
std::optional<FloatParts> splitFloat(std::string_view s, const std::string& sep) {
    FloatParts p;
    s = trimBlanks(s);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        p.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    while (!s.empty() && isDigit(s.front())) {
        p.intDigits.push_back(s.front());
        s.remove_prefix(1);
    }
    if (!sep.empty() && s.substr(0, sep.size()) == sep) {
        s.remove_prefix(sep.size());
        while (!s.empty() && isDigit(s.front())) {
            p.fracDigits.push_back(s.front());
            s.remove_prefix(1);
        }
    }
    if (p.intDigits.empty() && p.fracDigits.empty()) return std::nullopt;
    if (!s.empty() && (s.front() == 'e' || s.front() == 'E')) {
        s.remove_prefix(1);
        if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
            p.expNegative = s.front() == '-';
            s.remove_prefix(1);
        }
        while (!s.empty() && isDigit(s.front())) {
            p.expDigits.push_back(s.front());
            s.remove_prefix(1);
        }
        if (p.expDigits.empty()) return std::nullopt;
    }
    if (!s.empty()) return std::nullopt;
    return p;
}

// from_chars reports both overflow and underflow to zero as out of range;
// only overflow makes the text no number. The decimal order of magnitude
// tells them apart (the limits lie hundreds of orders away from zero).
bool isUnderflow(const FloatParts& p) {
    size_t firstNonZero = p.intDigits.find_first_not_of('0');
    long long order;
    if (firstNonZero != std::string::npos) {
        order = static_cast<long long>(p.intDigits.size() - firstNonZero);
    } else {
        size_t lead = p.fracDigits.find_first_not_of('0');
        if (lead == std::string::npos) return true;  // zero cannot overflow
        order = -static_cast<long long>(lead);
    }
    // Saturate the exponent: its digits may be any number of them.
    long long exponent = 0;
    for (char c : p.expDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000) break;
    }
    return (p.expNegative ? order - exponent : order + exponent) < 0;
}

std::optional<double> parseFloat(const std::string& text, QChar decimalPoint) {
    const std::optional<FloatParts> p = splitFloat(text, QString(decimalPoint).toStdString());
    if (!p) return std::nullopt;
    std::string normal = p->intDigits + "." + p->fracDigits;
    if (!p->expDigits.empty()) normal += (p->expNegative ? "e-" : "e") + p->expDigits;
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range && isUnderflow(*p)) {
        value = 0;
    } else if (ec != std::errc() || end != normal.data() + normal.size()) {
        return std::nullopt;
    }
    return p->negative ? -value : value;
}

}  // namespace

std::optional<double> tryReadFloat(const std::string& text, QChar decimalPoint) {
    return parseFloat(text, decimalPoint);
}

namespace {
bool readsDecimalDot = false;
}

void alsoReadDecimalDot() { readsDecimalDot = true; }

std::optional<double> tryReadFloat(const std::string& text) {
    const QChar locale = localeDecimalPoint();
    if (auto value = parseFloat(text, locale)) return value;
    if (readsDecimalDot && locale != QLatin1Char('.')) return parseFloat(text, QLatin1Char('.'));
    return std::nullopt;
}

double readFloat(const std::string& text, QChar decimalPoint) {
    if (auto value = parseFloat(text, decimalPoint)) return *value;
    throw Error("'" + text + "' is not a valid floating point value");
}

double readFloat(const std::string& text) {
    if (auto value = tryReadFloat(text)) return *value;
    throw Error("'" + text + "' is not a valid floating point value");
}

std::optional<int> tryReadInteger(const std::string& text) {
    std::string_view s = trimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    // Read the magnitude as 64 bits so that -2147483648 still fits before negating.
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (ec != std::errc()) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

int readInteger(const std::string& text) {
    if (auto value = tryReadInteger(text)) return *value;
    throw Error("'" + text + "' is not a valid integer value");
}

}  // namespace kv

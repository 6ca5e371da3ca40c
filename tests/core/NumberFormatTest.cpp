#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/NumberRead.h"
#include "tests/core/DefaultLocale.h"
#include "tests/core/NumberFormatReference.h"

namespace {

struct FormatCase {
    double value;
    const char* text;  // with "." as separator
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.text; }

class FormatGeneral : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneral, WritesTheRoundedShortestText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(kv::formatGeneral(c.value, QChar('.')), c.text) << "value " << c.value;
}

volatile double hundred = 100, footInCm = 30.48, lightSpeed = 299792458;

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneral,
    testing::Values(
        // Results the converter shows.
        FormatCase{hundred / footInCm, "3.28083989501312"},
        FormatCase{1 / lightSpeed, "3.33564095198152E-9"},
        // Edges of fixed notation: 0.0001 up to below 1E15.
        FormatCase{0.0001, "0.0001"}, FormatCase{0.00001, "1E-5"}, FormatCase{-0.00001, "-1E-5"},
        FormatCase{0.00012345, "0.00012345"}, FormatCase{0.000012345, "1.2345E-5"},
        FormatCase{0.00009999999999999999, "0.0001"},  // rounds up into fixed range
        FormatCase{1e15, "1E15"}, FormatCase{-1e15, "-1E15"}, FormatCase{999999999999999.0, "999999999999999"},
        FormatCase{-999999999999999.0, "-999999999999999"},
        FormatCase{999999999999999.9, "1E15"},  // the carry moves the exponent
        FormatCase{99999999999999.99, "100000000000000"},
        // Integers are plain decimals, fractions lose their trailing zeros.
        FormatCase{540, "540"}, FormatCase{-7, "-7"}, FormatCase{1, "1"}, FormatCase{10, "10"},
        FormatCase{2.5, "2.5"}, FormatCase{0.5, "0.5"}, FormatCase{100.25, "100.25"},
        // Only 15 digits survive; the 16th rounds.
        FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3, "0.333333333333333"}, FormatCase{2.0 / 3, "0.666666666666667"},
        FormatCase{123456789012345678.0, "1.23456789012346E17"}, FormatCase{-123456789012345678.0, "-1.23456789012346E17"},
        FormatCase{1234567890123456.0, "1.23456789012346E15"},
        // Far ends of the double range.
        FormatCase{DBL_MAX, "1.79769313486232E308"}, FormatCase{DBL_MIN, "2.2250738585072E-308"},
        FormatCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        FormatCase{1e100, "1E100"}, FormatCase{1.5e-100, "1.5E-100"},
        // Zero of either sign and the non-finite values.
        FormatCase{0.0, "0"}, FormatCase{-0.0, "0"}, FormatCase{std::numeric_limits<double>::quiet_NaN(), "NAN"},
        FormatCase{std::numeric_limits<double>::infinity(), "INF"},
        FormatCase{-std::numeric_limits<double>::infinity(), "-INF"}));

// Temperatures converted with the converter's rounded factors keep their small deviations.
TEST(FormatGeneralTemperatures, ShowsTheDeviationsOfTheRoundedFactors) {
    volatile double toCelsiusMul = 0.5555556, toCelsiusAdd = -17.7777778;
    auto fahrenheitToCelsius = [&](double f) {
        double c = toCelsiusMul * f;
        return toCelsiusAdd + c;
    };
    EXPECT_EQ(kv::formatGeneral(fahrenheitToCelsius(212), '.'), "100.0000094");
    EXPECT_EQ(kv::formatGeneral(fahrenheitToCelsius(-40), '.'), "-40.0000018");
    EXPECT_EQ(kv::formatGeneral(fahrenheitToCelsius(32), '.'), "1.40000000214968E-6");
    EXPECT_EQ(kv::formatGeneral(fahrenheitToCelsius(0), '.'), "-17.7777778");

    volatile double kelvinAdd = -273.15, rankineMul = 1.8, rankineAdd = 491.67;
    double c = kelvinAdd + 300.0;
    double r = rankineMul * c;
    EXPECT_EQ(kv::formatGeneral(rankineAdd + r, '.'), "540");
}

TEST(FormatGeneralSeparator, FollowsTheDefaultLocale) {
    {
        DefaultLocale locale(DefaultLocale::comma());
        EXPECT_EQ(kv::formatGeneral(3.25), "3,25");
        EXPECT_EQ(kv::formatGeneral(-0.00001234), "-1,234E-5");
        EXPECT_EQ(kv::formatGeneral(1234567.5), "1234567,5");  // never a group separator
        EXPECT_EQ(kv::formatGeneral(540), "540");
    }
    DefaultLocale locale(DefaultLocale::dot());
    EXPECT_EQ(kv::formatGeneral(3.25), "3.25");
    EXPECT_EQ(kv::formatGeneral(1234567.5), "1234567.5");
}

TEST(FormatGeneralSeparator, TakesAnExplicitOne) {
    EXPECT_EQ(kv::formatGeneral(0.5, QChar(',')), "0,5");
    EXPECT_EQ(kv::formatGeneral(1.5e20, QChar(',')), "1,5E20");
    EXPECT_EQ(kv::formatGeneral(1.5, QChar(0x066B)), "1\xD9\xAB" "5");  // Arabic separator, in UTF-8
}

// printf's %.15G follows the same rule (exponent form below 1E-4 and from
// 1E15 on), only with "E+" and at least two exponent digits.
std::string fromPrintf(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string text = buf;
    size_t e = text.find('E');
    if (e == std::string::npos) return text;
    std::string exponent = text.substr(e + 1);
    bool negative = exponent[0] == '-';
    exponent = exponent.substr(1);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    return text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

TEST(FormatGeneralRandom, AgreesWithPrintfOverTheWholeRange) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        double v;
        const uint64_t bits = random();
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v) || v == 0) continue;
        ASSERT_EQ(kv::formatGeneral(v, '.'), fromPrintf(v)) << "bits " << bits;
    }
}

TEST(FormatGeneralRandom, AgreesWithPrintfAroundTheNotationLimits) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    for (int exponent = -7; exponent <= 18; ++exponent) {
        for (int i = 0; i < 2000; ++i) {
            const double v = mantissa(random) * std::pow(10.0, exponent);
            ASSERT_EQ(kv::formatGeneral(v, '.'), fromPrintf(v)) << v;
            ASSERT_EQ(kv::formatGeneral(-v, '.'), fromPrintf(-v)) << v;
        }
    }
}

// What is shown must read back as the same shown value, in either locale.
TEST(FormatGeneralRandom, ReadsBackToTheSameText) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (const QLocale& l : {DefaultLocale::dot(), DefaultLocale::comma()}) {
        DefaultLocale locale(l);
        for (int i = 0; i < 20000; ++i) {
            const double v = mantissa(random) * std::pow(10.0, exponent(random));
            const std::string shown = kv::formatGeneral(v);
            ASSERT_EQ(kv::formatGeneral(kv::readFloat(shown)), shown) << v;
        }
    }
}

// The fast formatter against the plain reference, byte for byte: random bit
// patterns (every exponent, subnormals included), values next to the
// midpoints between two 15-digit decimals, where the shortest text and the
// 15-digit rounding part, and the edges below.
std::string bitsText(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return std::to_string(bits);
}

void expectSameAsReference(double v) {
    for (QChar sep : {QChar('.'), QChar(','), QChar(0x066B)})
        ASSERT_EQ(kv::formatGeneral(v, sep), referenceFormatGeneral(v, sep)) << "bits " << bitsText(v);
}

TEST(FormatGeneralReference, AgreesOnEdges) {
    const double edges[] = {0.0, -0.0, std::numeric_limits<double>::denorm_min(), DBL_MIN, DBL_MAX,
                            9.99999999999999950e22, 0.1 + 0.2, 1e-4, 9.99999999999999e-5, 1e15,
                            999999999999999.5, 0.5e-323, 1.0000000000000005, 123456789012345.65,
                            std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    for (double v : edges) {
        for (double w : {v, -v, std::nextafter(v, 0.0), std::nextafter(v, HUGE_VAL)}) expectSameAsReference(w);
    }
}

TEST(FormatGeneralReference, AgreesOnRandomBitPatterns) {
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 1000000; ++i) {
        double v;
        const std::uint64_t bits = random();
        std::memcpy(&v, &bits, sizeof v);
        ASSERT_EQ(kv::formatGeneral(v, '.'), referenceFormatGeneral(v, '.')) << "bits " << bits;
    }
}

TEST(FormatGeneralReference, AgreesOnWholeNumbers) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 200000; ++i) {
        const int bits = 1 + i % 60;  // whole numbers of every size, past 10^15 and 2^53
        const double v = static_cast<double>(random() >> (64 - bits)) * (i % 3 == 0 ? -1 : 1);
        ASSERT_EQ(kv::formatGeneral(v, '.'), referenceFormatGeneral(v, '.')) << "bits " << bitsText(v);
    }
    for (double v : {1.0, 10.0, 100.0, 1e14, 1e15 - 1, 1e15, 1e15 + 2, 1e16, 123456789012345.0, 100000000000001.0})
        expectSameAsReference(v);
}

TEST(FormatGeneralReference, AgreesNextToTheRoundingMidpoints) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<std::int64_t> digits(100000000000000, 999999999999999);
    std::uniform_int_distribution<int> exponent(-330, 310);
    for (int i = 0; i < 200000; ++i) {
        // d.dddddddddddddd5 x 10^e, and its neighbouring doubles
        const std::string text = std::to_string(digits(random)) + "5e" + std::to_string(exponent(random) - 15);
        const double v = std::strtod(text.c_str(), nullptr);
        double w = std::nextafter(std::nextafter(v, 0.0), 0.0);
        for (int k = 0; k < 5; ++k, w = std::nextafter(w, HUGE_VAL))
            ASSERT_EQ(kv::formatGeneral(w, '.'), referenceFormatGeneral(w, '.')) << text << " bits " << bitsText(w);
    }
}

TEST(FormatGeneralReference, WritesTheSameWithoutAllocating) {
    std::mt19937_64 random(11);
    char buf[kv::kGeneralMaxLength];
    for (int i = 0; i < 100000; ++i) {
        double v;
        const std::uint64_t bits = random();
        std::memcpy(&v, &bits, sizeof v);
        const std::string_view sep = i % 2 ? "," : "\xD9\xAB";
        const std::string written(buf, kv::writeGeneral(buf, v, sep));
        ASSERT_EQ(written, referenceFormatGeneral(v, i % 2 ? QChar(',') : QChar(0x066B))) << "bits " << bits;
    }
}

}  // namespace

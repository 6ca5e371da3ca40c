#include "core/NumberRead.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "core/Error.h"
#include "tests/core/DefaultLocale.h"

namespace {

struct ReadCase {
    std::string text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << "'" << c.text << "'"; }

class ReadFloatValid : public testing::TestWithParam<ReadCase> {
protected:
    DefaultLocale locale{DefaultLocale::dot()};
};

TEST_P(ReadFloatValid, ReadsTheCorrectlyRoundedValue) {
    const ReadCase& c = GetParam();
    const double v = kv::readFloat(c.text);
    EXPECT_EQ(v, c.value) << "'" << c.text << "'";
    EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << "'" << c.text << "'";
    EXPECT_EQ(kv::tryReadFloat(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFloatValid,
    testing::Values(ReadCase{"1.5", 1.5}, ReadCase{"42", 42}, ReadCase{"-2.25", -2.25}, ReadCase{"+3", 3},
                    ReadCase{"0.1", 0.1}, ReadCase{"007", 7}, ReadCase{"-0", -0.0}, ReadCase{"0", 0},
                    // Digits may be missing on one side of the separator.
                    ReadCase{"1.", 1}, ReadCase{".5", 0.5}, ReadCase{"-.5", -0.5}, ReadCase{"+.5e-3", 0.0005},
                    // Blanks around the number.
                    ReadCase{"  12.5", 12.5}, ReadCase{"12.5\t", 12.5}, ReadCase{" \t-2.5E+3 \t", -2500},
                    // Exponents.
                    ReadCase{"1E5", 1e5}, ReadCase{"1e5", 1e5}, ReadCase{"1e+05", 1e5}, ReadCase{"25e-1", 2.5},
                    ReadCase{"1.e2", 100}, ReadCase{".5E1", 5}, ReadCase{"3.33564095198152E-9", 3.33564095198152e-9},
                    // Range: the largest double, subnormals, and values too small that become zero.
                    ReadCase{"1.7976931348623157e308", DBL_MAX}, ReadCase{"1e-310", 1e-310},
                    ReadCase{"1e-400", 0}, ReadCase{"-1e-400", -0.0}, ReadCase{"0.000001e-99999999999999999999", 0},
                    ReadCase{"0e99999999999999999999", 0}, ReadCase{"0.0000e400", 0},
                    ReadCase{"12345678901234567890123456789", 12345678901234567890123456789.0},
                    ReadCase{"0." + std::string(400, '0') + "1e401", 1}));

class ReadFloatInvalid : public testing::TestWithParam<std::string> {
protected:
    DefaultLocale locale{DefaultLocale::dot()};
};

TEST_P(ReadFloatInvalid, IsNoNumber) {
    const std::string& text = GetParam();
    EXPECT_EQ(kv::tryReadFloat(text), std::nullopt) << "'" << text << "'";
    try {
        kv::readFloat(text);
        ADD_FAILURE() << "'" << text << "' was read";
    } catch (const kv::Error& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFloatInvalid,
    testing::Values("", " ", "\t", ".", "-", "+", "-.", "+.e5", "abc", "1,5", "1 000", "1,000.5", "1.2.3", "--1",
                    "+-1", "- 1", "1-", "1e", "1e+", "1e-", "1E5.5", "e5", ".e5", "1e5e5", "1.5x", "1.5 x", "x1.5",
                    " 1 2 ", "1\n", "\n1", "0x10", "$1F", "inf", "-INF", "nan", "Infinity", "1f", "1d", "١٢",
                    // Beyond the range of a double.
                    "1e999", "-1e999", "1.8e308", "1.7976931348623159e308", "1e99999999999999999999",
                    std::string(400, '9')));

TEST(ReadFloatEmbeddedNul, IsNoNumber) {
    DefaultLocale locale(DefaultLocale::dot());
    EXPECT_EQ(kv::tryReadFloat(std::string("1\0", 2)), std::nullopt);
    EXPECT_THROW(kv::readFloat(std::string("1\0" "5", 3)), kv::Error);
    EXPECT_THROW(kv::readInteger(std::string("1\0", 2)), kv::Error);
}

TEST(ReadFloatSeparator, UsesTheDefaultLocalesDecimalComma) {
    DefaultLocale locale(DefaultLocale::comma());
    EXPECT_EQ(kv::readFloat("1,5"), 1.5);
    EXPECT_EQ(kv::readFloat(" -2,5E3 "), -2500);
    EXPECT_EQ(kv::readFloat(",5"), 0.5);
    EXPECT_EQ(kv::readFloat("1,"), 1);
    EXPECT_EQ(kv::tryReadFloat("1.5"), std::nullopt);  // "." groups digits here: not a number
    EXPECT_EQ(kv::tryReadFloat("1.000,5"), std::nullopt);
    EXPECT_EQ(kv::tryReadFloat(","), std::nullopt);
}

TEST(ReadFloatSeparator, TakesAnExplicitOne) {
    DefaultLocale locale(DefaultLocale::dot());
    EXPECT_EQ(kv::readFloat("2,75", QChar(',')), 2.75);
    EXPECT_EQ(kv::tryReadFloat("2.75", QChar(',')), std::nullopt);
    EXPECT_EQ(kv::readFloat("1\xD9\xAB" "5", QChar(0x066B)), 1.5);  // Arabic separator, in UTF-8
    EXPECT_EQ(kv::tryReadFloat("1\xD9" "5", QChar(0x066B)), std::nullopt);  // only part of it
}

TEST(ReadFloatMessage, QuotesTheTextAsTyped) {
    DefaultLocale locale(DefaultLocale::dot());
    try {
        kv::readFloat("  12,5 ");
        ADD_FAILURE() << "a decimal comma was read under a decimal point locale";
    } catch (const kv::Error& e) {
        EXPECT_STREQ(e.what(), "'  12,5 ' is not a valid floating point value");
    }
}

struct IntCase {
    std::string text;
    int value;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << "'" << c.text << "'"; }

class ReadIntegerValid : public testing::TestWithParam<IntCase> {};

TEST_P(ReadIntegerValid, ReadsTheValue) {
    EXPECT_EQ(kv::readInteger(GetParam().text), GetParam().value) << "'" << GetParam().text << "'";
    EXPECT_EQ(kv::tryReadInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerValid,
                         testing::Values(IntCase{"0", 0}, IntCase{"42", 42}, IntCase{"-17", -17}, IntCase{"+5", 5},
                                         IntCase{" \t12 ", 12}, IntCase{"007", 7}, IntCase{"-0", 0},
                                         IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                                         IntCase{"000000000000000000002147483647", 2147483647}));

class ReadIntegerInvalid : public testing::TestWithParam<std::string> {};

TEST_P(ReadIntegerInvalid, IsNoInteger) {
    const std::string& text = GetParam();
    EXPECT_EQ(kv::tryReadInteger(text), std::nullopt) << "'" << text << "'";
    try {
        kv::readInteger(text);
        ADD_FAILURE() << "'" << text << "' was read";
    } catch (const kv::Error& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerInvalid,
                         testing::Values("", " ", "+", "-", "+-1", "--1", "- 1", "1.0", "1.", "1,0", "1e3", "1 2",
                                         "abc", "$1F", "0x1F", "12a", "\n5",
                                         // Outside the 32-bit range.
                                         "2147483648", "-2147483649", "99999999999999999999999",
                                         "-9223372036854775808"));

}  // namespace

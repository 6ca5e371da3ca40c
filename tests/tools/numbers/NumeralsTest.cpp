// The three routines of the numerals window, each over a table of cases.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/Error.h"
#include "tests/support/MessageOf.h"
#include "tools/numbers/Bin.h"
#include "tools/numbers/Roman.h"
#include "tools/numbers/Unum2str.h"

using namespace numbers;

TEST(Roman, GreedyWithSubtractivePairs) {
    const struct { unsigned value; std::string roman; } cases[] = {
        {0, ""}, {1, "I"}, {4, "IV"}, {9, "IX"}, {14, "XIV"}, {40, "XL"}, {90, "XC"}, {400, "CD"},
        {444, "CDXLIV"}, {1994, "MCMXCIV"}, {3999, "MMMCMXCIX"}, {4000, "MMMM"},
        {32767, std::string(32, 'M') + "DCCLXVII"},
    };
    for (const auto& c : cases) EXPECT_EQ(Num2Roman(c.value), c.roman) << c.value;
}

TEST(Bases, DigitsOfTheMagnitudeWithSign) {
    const struct { int value; int base; std::string digits; } cases[] = {
        {0, 2, "0"}, {0, 16, "0"}, {255, 16, "FF"}, {255, 2, "11111111"}, {10, 11, "A"}, {15, 16, "F"},
        {2147483647, 16, "7FFFFFFF"}, {-255, 16, "-FF"}, {-5, 2, "-101"},
        {-2147483647 - 1, 2, "-1" + std::string(31, '0')}, {-2147483647 - 1, 16, "-80000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecToBase(c.value, c.base), c.digits) << c.value << " in " << c.base;
    for (int base : {0, 1, 17}) EXPECT_NE(messageOf<kv::Error>([&] { DecToBase(5, base); }), "(no error)");
}

TEST(Words, SpacesAndRangeMessages) {
    const struct { double value; std::string words; } cases[] = {
        {0, " Zero "}, {5, " Five "}, {19.99, " Nineteen "}, {20, " Twenty "}, {100, " One Hundred "},
        {999, " Nine Hundred Ninety Nine "}, {1000, "One Thousand "}, {1994, "One Thousand Nine Hundred Ninety Four "},
        {120000, "One Hundred Twenty Thousand "}, {1000000, "One Million "}, {2000017, "Two Million Seventeen "},
        {1234567, "One Million Two Hundred Thirty Four Thousand Five Hundred Sixty Seven "},
        {999999999.99, "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine "},
    };
    for (const auto& c : cases) EXPECT_EQ(Num2Dollars(c.value), c.words) << c.value;

    const struct { std::function<void()> call; std::string message; } faults[] = {
        {[] { Num2Dollars(-1); }, "Negative numbers not supported"},
        {[] { Num2Dollars(1e9); }, "Num2Dollars only supports up to the millions at this point!"},
        {[] { onetonine(0); }, "onetonine: value out of range"},
        {[] { ZeroTo19(20); }, "Bad value in dNum"},
        {[] { TwentyTo99(19); }, "TwentyTo99: dNum out of range!"},
        {[] { ZeroTo99(100); }, "TwentyTo99: dNum out of range!"},
        {[] { HundredsWord(1000); }, "hundreds range exceeded"},
    };
    for (const auto& f : faults) EXPECT_EQ(messageOf<kv::Error>(f.call), f.message);
    EXPECT_EQ(HundredsWord(456), "Four Hundred");
}

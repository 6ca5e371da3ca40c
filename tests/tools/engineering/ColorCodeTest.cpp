// Reading resistor and capacitor colour codes: the values, the scaled text
// and the band texts the pages show.
#include <gtest/gtest.h>

#include "tools/engineering/ColorBands.h"
#include "tools/engineering/ColorCode.h"

namespace {

using namespace engineering;

// The multiplier lists' positions, as the lists order them.
enum { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, White, Grey, Gold, Silver };

TEST(ColorCode, ResistorValueAndItsScaledText) {
    const struct {
        int first, second, multiplier, tolerance;
        const char *ohms, *scaled, *tolerancePercent;
    } cases[] = {
        {1, 0, Black, 0, "10", "", "20%"},
        {4, 7, Red, 2, "4700", "4.7 KOhm", "5%"},
        {1, 0, Green, 1, "1000000", "1 MOhm", "10%"},
        {4, 7, Gold, 3, "4.7", "", "1%"},
        {9, 9, Violet, 4, "990000000", "990 MOhm", "2%"},
        {1, 0, Red, 5, "1000", "1 KOhm", "3%"},
        {9, 9, Brown, 6, "990", "", "4%"},
        {9, 9, Orange, 0, "99000", "99 KOhm", "20%"},
        {9, 9, Yellow, 0, "990000", "990 KOhm", "20%"},
        {1, 2, White, 0, "1.2", "", "20%"},  // White and Grey divide
        {1, 2, Grey, 0, "0.12", "", "20%"},
        {1, 2, Silver, 0, "0.12", "", "20%"},
        {0, 0, Black, 0, "0", "", "20%"},
        {0, 1, Blue, 0, "1000000", "1 MOhm", "20%"},
    };
    for (const auto& c : cases) {
        const ResistorReading r = readResistor({c.first, c.second, c.multiplier, c.tolerance});
        EXPECT_EQ(r.ohms, c.ohms) << c.first << c.second << " x" << c.multiplier;
        EXPECT_EQ(r.scaled, c.scaled) << c.ohms;
        EXPECT_EQ(r.tolerance, c.tolerancePercent) << c.tolerance;
    }
    EXPECT_THROW(readResistor({0, 0, 12, 0}), std::out_of_range);
    EXPECT_THROW(readResistor({-1, 0, 0, 0}), std::out_of_range);
}

TEST(ColorCode, CapacitorValueInPicofaradsAndItsTexts) {
    const struct {
        CapacitorCode code;
        const char *coefficient, *picofarads, *tolerance;
    } cases[] = {
        {{0, 1, 0, 3, 0}, "   0", "10000", "0"},   // Brown, Black, Orange
        {{1, 1, 0, 4, 1}, " -30", "0.1", "20/2"},   // Gray: 10 x 0.01
        {{7, 4, 7, 5, 3}, "-750", "4.7", "5/0.5"},  // White: x 0.1
        {{8, 9, 9, 2, 4}, "  30", "9900", "-/0.25"},
        {{9, 2, 2, 1, 6}, " 500", "220", "2/-"},
    };
    for (const auto& c : cases) {
        const CapacitorReading r = readCapacitor(c.code);
        EXPECT_EQ(r.coefficient, c.coefficient);
        EXPECT_EQ(r.picofarads, c.picofarads);
        EXPECT_EQ(r.tolerance, c.tolerance);
    }
    for (const TextBand& b : capacitorCoefficientBands()) EXPECT_EQ(std::string(b.text).size(), 4u) << b.entry;
}

TEST(ColorBands, ListsInTheirOrderWithTheirColours) {
    const struct {
        std::span<const NumberBand> list;
        std::vector<std::string> entries;
    } numberLists[] = {
        {digitBands(), {"Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Gray", "White"}},
        {resistorMultiplierBands(),
         {"Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "White", "Grey", "Gold", "Silver"}},
        {capacitorMultiplierBands(), {"Black", "Brown", "Red", "Orange", "Gray", "White"}},
    };
    for (const auto& l : numberLists) {
        std::vector<std::string> entries;
        for (const NumberBand& b : l.list) entries.push_back(b.entry);
        EXPECT_EQ(entries, l.entries);
    }
    EXPECT_EQ(digitEntry(8), "[8]  Gray");
    EXPECT_EQ(resistorToleranceBands()[0].colour, colours::body);  // no band: nothing shows
    EXPECT_EQ(capacitorToleranceBands()[0].colour, colours::body);
    EXPECT_EQ(resistorMultiplierBands()[Grey].colour, (Rgb{128, 128, 128}));
    EXPECT_EQ(resistorMultiplierBands()[Gold].colour, (Rgb{184, 160, 96}));
    for (int k = 0; k < 10; ++k) EXPECT_EQ(capacitorCoefficientBands()[k].colour, digitBands()[k].colour) << k;
}

}  // namespace

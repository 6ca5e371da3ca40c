// Ohm's law on the page's three boxes, and resistors in series and parallel.
#include <gtest/gtest.h>

#include "core/Error.h"
#include "tools/engineering/OhmsLaw.h"

namespace {

using namespace engineering;

TEST(OhmsLaw, TheZeroBoxIsComputedFromTwoPositiveOnes) {
    const struct {
        OhmBoxes in;
        OhmUnknown found;
        OhmBoxes out;
    } cases[] = {
        {{"0", "12", "4"}, OhmUnknown::Current, {"3", "12", "4"}},
        {{"0", "0.1", "1"}, OhmUnknown::Current, {"0.1", "0.1", "1"}},  // no single-precision rounding
        {{"2", "0", "0.5"}, OhmUnknown::Voltage, {"2", "1", "0.5"}},
        {{"0.3", "3", "0"}, OhmUnknown::Resistance, {"0.3", "3", "10"}},
        {{" 0 ", "1", "3"}, OhmUnknown::Current, {"0.333333333333333", "1", "3"}},
        {{"-0", "1E-300", "1E300"}, OhmUnknown::Current, {"0", "1E-300", "1E300"}},  // underflow is silent
        {{"1", "1", "1"}, OhmUnknown::None, {"1", "1", "1"}},
        {{"0", "0", "4"}, OhmUnknown::None, {"0", "0", "4"}},
        {{"0", "-12", "4"}, OhmUnknown::None, {"0", "-12", "4"}},
        {{"-1", "0", "4"}, OhmUnknown::None, {"-1", "0", "4"}},
        {{"0", "0", "0"}, OhmUnknown::None, {"0", "0", "0"}},
    };
    for (const auto& c : cases) {
        OhmBoxes b = c.in;
        EXPECT_EQ(solveOhmsLaw(b), c.found) << c.in.amperes << " " << c.in.volts << " " << c.in.ohms;
        EXPECT_EQ(std::tie(b.amperes, b.volts, b.ohms), std::tie(c.out.amperes, c.out.volts, c.out.ohms));
    }
}

TEST(OhmsLaw, AFailureChangesNoBox) {
    const struct {
        OhmBoxes in;
        const char* message;
    } cases[] = {
        {{"0", "12", "x"}, "'x' is not a valid floating point value"},
        {{"", "12", "4"}, "'' is not a valid floating point value"},
        {{"0", "1E300", "1E-300"}, "Floating point overflow"},
    };
    for (const auto& c : cases) {
        OhmBoxes b = c.in;
        try {
            solveOhmsLaw(b);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const kv::Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(std::tie(b.amperes, b.volts, b.ohms), std::tie(c.in.amperes, c.in.volts, c.in.ohms));
    }
}

TEST(ResistorSums, SeriesAndParallelInListOrder) {
    using Entries = std::vector<std::string>;
    const struct {
        Entries entries;
        std::optional<double> series, parallel;
        const char* seriesError = "";
        const char* parallelError = "";
    } cases[] = {
        {{"100", "220", "330"}, 650, 1 / (1 / 100.0 + 1 / 220.0 + 1 / 330.0)},
        {{"100", "100"}, 200, 50},
        {{}, std::nullopt, std::nullopt},
        {{"4.7"}, 4.7, 4.7},
        {{"100", "0"}, 100, {}, "", "Floating point division by zero"},
        {{"1", "-1"}, 0, {}, "", "Floating point division by zero"},
        {{"1E308", "1E308"}, {}, 1 / (1 / 1E308 + 1 / 1E308), "Floating point overflow"},
        {{"0", "abc"}, {}, {}, "'abc' is not a valid floating point value", "Floating point division by zero"},
        {{"abc", "0"}, {}, {}, "'abc' is not a valid floating point value", "'abc' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        for (auto [sum, want, error] : {std::tuple{&seriesResistance, c.series, c.seriesError},
                                        std::tuple{&parallelResistance, c.parallel, c.parallelError}}) {
            try {
                EXPECT_EQ(sum(c.entries), want) << c.entries.size() << " entries";
                EXPECT_STREQ(error, "");
            } catch (const kv::Error& e) {
                EXPECT_STREQ(e.what(), error);
            }
        }
    }
}

}  // namespace

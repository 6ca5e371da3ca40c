// The radio window's arithmetic on its boxes: both directions, the period
// taken from the frequency as written, 0 passing over, and bad input.
#include <gtest/gtest.h>

#include <string>

#include "core/Error.h"
#include "tests/core/DefaultLocale.h"
#include "tests/support/MessageOf.h"
#include "tools/engineering/RadioWave.h"

using namespace engineering;

TEST(RadioWave, ConversionsAndWhatTheyLeave) {
    const DefaultLocale dot(DefaultLocale::dot());
    const struct {
        bool toWave;
        RadioBoxes before, after;
        std::string error;
    } cases[] = {
        {true, {"1000000", "7", "7"}, {"1000000", "299.792458", "1E-6"}, ""},
        {true, {"299792458", "0", "0"}, {"299792458", "1", "3.33564095198152E-9"}, ""},
        {true, {"-2", "0", "0"}, {"-2", "-149896229", "-0.5"}, ""},
        {false, {"5", "100", "5"}, {"2997924.58", "100", "3.33564095198152E-7"}, ""},
        // The period is 1 over the 15 digits shown (1 over the exact quotient
        // would end in ...836858E-8).
        {false, {"0", "17", "0"}, {"17634850.4705882", "17", "5.6705896183686E-8"}, ""},
        {true, {"0", "5", "6"}, {"0", "5", "6"}, ""},
        {false, {"1", "0.0", "2"}, {"1", "0.0", "2"}, ""},
        {true, {"1e-300", "5", "6"}, {"1e-300", "5", "6"}, "Floating point overflow"},
        {true, {"12,5", "5", "6"}, {"12,5", "5", "6"}, "'12,5' is not a valid floating point value"},
        {false, {"1", "", "2"}, {"1", "", "2"}, "'' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        RadioBoxes boxes = c.before;
        const std::string error = messageOf<kv::Error>([&] { c.toWave ? toWavelength(boxes) : toFrequency(boxes); });
        EXPECT_EQ(error, c.error.empty() ? "(no error)" : c.error) << c.before.frequency << " " << c.before.wavelength;
        EXPECT_EQ(boxes.frequency, c.after.frequency);
        EXPECT_EQ(boxes.wavelength, c.after.wavelength);
        EXPECT_EQ(boxes.period, c.after.period);
    }
}

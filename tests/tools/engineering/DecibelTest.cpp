// Levels in decibels: power and field ratios, values passed over, ratios
// beyond the range of a double, and bad input.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/Error.h"
#include "tests/core/DefaultLocale.h"
#include "tests/support/MessageOf.h"
#include "tools/engineering/Decibel.h"

using namespace engineering;

TEST(Decibel, LevelsAsTheResultBoxShowsThem) {
    const DefaultLocale dot(DefaultLocale::dot());
    const struct {
        std::string v2, v1;
        Quantity quantity;
        std::optional<std::string> shown;
        std::string error;
    } cases[] = {
        {"2", "1", Quantity::Power, "3.01029995663981", ""},
        {"2", "1", Quantity::Field, "6.02059991327962", ""},
        {"1", "2", Quantity::Power, "-3.01029995663981", ""},
        {"7.5", "7.5", Quantity::Field, "0", ""},
        {"1000", "1", Quantity::Power, "30", ""},
        {"0", "1", Quantity::Power, std::nullopt, ""},
        {"1", "0", Quantity::Field, std::nullopt, ""},
        {"-2", "-1", Quantity::Power, std::nullopt, ""},
        {"1e300", "1e-300", Quantity::Power, "6000", ""},
        {"1e-300", "1e300", Quantity::Field, "-12000", ""},
        {"x", "1", Quantity::Power, std::nullopt, "'x' is not a valid floating point value"},
        {"-1", "2..", Quantity::Power, std::nullopt, "'2..' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        std::optional<std::string> shown;
        const std::string error = messageOf<kv::Error>([&] { shown = decibelText(c.v2, c.v1, c.quantity); });
        EXPECT_EQ(error, c.error.empty() ? "(no error)" : c.error) << c.v2 << " / " << c.v1;
        EXPECT_EQ(shown, c.shown) << c.v2 << " / " << c.v1;
    }
}

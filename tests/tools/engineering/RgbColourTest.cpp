// Colour values and their hexadecimal text, the component boxes' rules and
// the list of named colours.
#include <gtest/gtest.h>

#include <string>

#include "core/Error.h"
#include "tests/support/MessageOf.h"
#include "tools/engineering/RgbColour.h"

using namespace engineering;

TEST(RgbColour, HexTextReadsBlueGreenRed) {
    const struct { Rgb colour; std::string hex; Rgb inverse; } cases[] = {
        {{0, 0, 0}, "000000", {255, 255, 255}},
        {{255, 0, 0}, "0000FF", {0, 255, 255}},
        {{0, 0, 255}, "FF0000", {255, 255, 0}},
        {{18, 52, 86}, "563412", {237, 203, 169}},
        {{0, 128, 255}, "FF8000", {255, 127, 0}},
        {{200, 200, 200}, "C8C8C8", {55, 55, 55}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hexText(c.colour), c.hex);
        EXPECT_EQ(inverted(c.colour), c.inverse) << c.hex;
        EXPECT_EQ(fromColourValue(colourValue(c.colour)), c.colour) << c.hex;
    }
}

TEST(RgbColour, ComponentBoxesComeIntoRange) {
    const struct { std::string text, box; int value; std::string error; } cases[] = {
        {"", "0", 0, ""}, {"0", "0", 0, ""}, {"128", "128", 128, ""}, {"255", "255", 255, ""},
        {"256", "255", 255, ""}, {"300", "255", 255, ""}, {"-5", "0", 0, ""}, {" 7", " 7", 7, ""},
        {"1.5", "", 0, "'1.5' is not a valid integer value"}, {"x", "", 0, "'x' is not a valid integer value"},
        {"99999999999", "", 0, "'99999999999' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        ComponentEntry entry{"", 0};
        EXPECT_EQ(messageOf<kv::Error>([&] { entry = componentEntry(c.text); }), c.error.empty() ? "(no error)" : c.error);
        EXPECT_EQ(entry.boxText, c.box) << c.text;
        EXPECT_EQ(entry.value, c.value) << c.text;
    }
}

TEST(RgbColour, TheListOfNamedColours) {
    const auto list = namedColours();
    ASSERT_EQ(list.size(), 44u);
    int system = 0;
    for (const NamedColour& colour : list) {
        // Each entry's text states the value it stands for.
        const std::string entry = colour.entry;
        EXPECT_EQ(std::stoul(entry.substr(entry.find("0x")), nullptr, 16), colour.value) << entry;
        EXPECT_EQ(findNamedColour(constantName(colour)), &colour) << entry;
        system += isSystemColour(colour.value);
    }
    EXPECT_EQ(system, 25);
    EXPECT_EQ(constantName(list.front()), "clScrollBar");
    EXPECT_EQ(constantName(list.back()), "clNone");
    const struct { std::string name, found; } lookups[] = {
        {"clRed", "clRed"}, {"RED", "clRed"}, {"btnface", "clBtnFace"}, {"cl3ddkshadow", "cl3DDkShadow"},
    };
    for (const auto& l : lookups) {
        ASSERT_NE(findNamedColour(l.name), nullptr) << l.name;
        EXPECT_EQ(constantName(*findNamedColour(l.name)), l.found);
    }
    for (const char* unknown : {"", "cl", "Redd", "clRed = 0xff;"}) EXPECT_EQ(findNamedColour(unknown), nullptr) << unknown;
}

#pragma once
// Colours as the RGB window mixes them: three components of 0 to 255, the
// colour value with red in its lowest byte (so its hexadecimal text reads
// blue, green, red), and the named colour constants of the colour list.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace engineering {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// red + green * 256 + blue * 65536.
std::uint32_t colourValue(Rgb c);
// The components of the lowest three bytes of a direct colour value.
Rgb fromColourValue(std::uint32_t value);
// The colour value as six upper-case hexadecimal digits: pure red is "0000FF".
std::string hexText(Rgb c);
// Each component taken from 255.
Rgb inverted(Rgb c);

// What a component box's text makes of the box and of its slider: empty text
// stands for 0, 256 or more is written back as 255, less than 0 as 0.
// Throws kv::Error "'<text>' is not a valid integer value" for any other text.
struct ComponentEntry {
    std::string boxText;
    int value;
};
ComponentEntry componentEntry(const std::string& text);

// One entry of the colour list: its text as listed and the value it stands for.
struct NamedColour {
    const char* entry;  // "clRed = 0xff;"
    std::uint32_t value;
};
// The 44 entries in the list's order: the 25 system colours, then the fixed ones.
std::span<const NamedColour> namedColours();
// The constant's name of an entry: "clRed".
std::string constantName(const NamedColour& colour);
// The entry of a constant's name, with or without its "cl", in any case
// ("clBtnFace", "btnface"); null when there is none.
const NamedColour* findNamedColour(std::string_view name);

// A value kSystemColourBase + n stands for the desktop's display colour number
// n (0 to kSystemColours - 1); the desktop program reads them (RgbDesktop.h).
constexpr std::uint32_t kSystemColourBase = 0x80000000;
constexpr int kSystemColours = 25;
bool isSystemColour(std::uint32_t value);

}  // namespace engineering

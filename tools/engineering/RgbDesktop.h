#pragma once
// The desktop's display colours as the RGB window and the rgb command read
// them: each colour number paints the same element as a part of Qt's palette.
#include <cstdint>
#include <optional>

#include <QPalette>

#include "tools/engineering/RgbColour.h"

namespace engineering {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};
// Where the desktop keeps display colour number n (see RgbDesktop.cpp).
PaletteEntry systemColourEntry(int number);

// The RGB of an entry's value: system colours as `desktop` has them, the
// others from the value's lowest three bytes.
Rgb resolveColour(std::uint32_t value, const QPalette& desktop);

// A system colour as the running desktop has it; nothing when the program
// runs without one (no display, or the offscreen stand-in).
std::optional<Rgb> runningDesktopColour(std::uint32_t value);

}  // namespace engineering

#pragma once
// `Kvantor2 rgb R G B` and `Kvantor2 rgb NAME`: the RGB window without its window.
#include <QStringList>
#include <cstdint>
#include <iosfwd>
#include <optional>

#include "tools/engineering/RgbColour.h"

namespace engineering {

// Print the three components and the hexadecimal colour value as the window
// shows them ("Red: 255" ... "Hex 0x0000FF"). Components are taken as the
// window's boxes take them (300 becomes 255, -5 becomes 0); NAME is a colour
// constant of the window's list, with or without its "cl" ("clBtnFace",
// "red"). System colours come from the desktop's reader (below). Throw the window's message for a component that is
// no integer, an unknown name, or a system colour without a desktop;
// kv::UsageError for two arguments.
void runRgbCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

// True when the arguments name a system colour, whose value comes from the desktop.
bool rgbCommandReadsDesktop(const QStringList& args);

// How the command reads a system colour. The desktop program gives the
// palette's reader; without one, a system colour is "not available".
using DesktopColourReader = std::optional<Rgb> (*)(std::uint32_t value);
void setDesktopColourReader(DesktopColourReader reader);

}  // namespace engineering

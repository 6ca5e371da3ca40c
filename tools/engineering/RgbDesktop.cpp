#include "tools/engineering/RgbDesktop.h"

#include <array>

#include <QGuiApplication>

namespace engineering {

namespace {

// The display colours by number, each with the part of a Qt palette that
// paints the same element. Qt's own Windows theme fills the palette from these
// colours the same way (window and buttons from the button face, base from the
// window colour, the 3-D shades from the four edge colours, tooltips from the
// info colours, disabled text from the grey text). Elements a palette has no
// role of its own for take the nearest one:
//   scroll bar        - the button colour, which Qt's styles draw scroll bars in;
//   desktop           - the dark shade (a palette knows no desktop colour);
//   captions          - the selection colours, which the desktop's themes use
//                       for the active title bar, inactive ones from the
//                       inactive group;
//   menu, menu text   - the window colours that menus are drawn in;
//   window frame      - the shadow colour;
//   borders           - the button colour (active and inactive group);
//   MDI work space    - the middle shade.
constexpr std::array<PaletteEntry, kSystemColours> kSystemEntries = {{
    {QPalette::Active, QPalette::Button},             // 0 scroll bar
    {QPalette::Active, QPalette::Dark},               // 1 desktop
    {QPalette::Active, QPalette::Highlight},          // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},        // 3 inactive caption
    {QPalette::Active, QPalette::Window},             // 4 menu
    {QPalette::Active, QPalette::Base},               // 5 window
    {QPalette::Active, QPalette::Shadow},             // 6 window frame
    {QPalette::Active, QPalette::WindowText},         // 7 menu text
    {QPalette::Active, QPalette::Text},               // 8 window text
    {QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    {QPalette::Active, QPalette::Button},             // 10 active border
    {QPalette::Inactive, QPalette::Button},           // 11 inactive border
    {QPalette::Active, QPalette::Mid},                // 12 MDI work space
    {QPalette::Active, QPalette::Highlight},          // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},    // 14 highlighted text
    {QPalette::Active, QPalette::Button},             // 15 button face
    {QPalette::Active, QPalette::Dark},               // 16 button shadow
    {QPalette::Disabled, QPalette::Text},             // 17 grey text
    {QPalette::Active, QPalette::ButtonText},         // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive caption text
    {QPalette::Active, QPalette::Light},              // 20 button highlight
    {QPalette::Active, QPalette::Shadow},             // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},        // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},        // 24 info background
}};

}  // namespace

PaletteEntry systemColourEntry(int number) { return kSystemEntries.at(std::size_t(number)); }

Rgb resolveColour(std::uint32_t value, const QPalette& desktop) {
    if (!isSystemColour(value)) return fromColourValue(value);
    const PaletteEntry entry = systemColourEntry(int(value - kSystemColourBase));
    const QColor colour = desktop.color(entry.group, entry.role).toRgb();
    return {colour.red(), colour.green(), colour.blue()};
}

std::optional<Rgb> runningDesktopColour(std::uint32_t value) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() == QLatin1String("offscreen"))
        return std::nullopt;
    return resolveColour(value, QGuiApplication::palette());
}

}  // namespace engineering

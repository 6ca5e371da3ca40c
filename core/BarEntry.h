#pragma once
// The launcher bar's way into a tool: a button, an entry of the bar's popup
// menu, or both, and what opens the tool's window. Each tool's windows library
// lists its own (tools/<tool>/BarEntries); the bar makes its controls from
// the lists of all tools in one (app/BarEntries).
#include <functional>

class QWidget;

namespace kv {

// A button on the bar. Its place is on the horizontal bar (turned when the
// bar docks upright); the buttons are made in the order of their places, row
// by row, and none may lie on another or on the logo.
struct BarButton {
    const char* name = nullptr;  // the object name; none: the tool has no button
    int left = 0, top = 0;
    const char* hint = "";
    const char* glyph = "";  // its picture, assets/icons/<glyph>.svg
};

// The parts of the popup menu that list tools, from the top.
enum class BarMenuPart {
    Tools,          // the tools' list under the desktop's entries
    Miscellaneous,  // its submenu "Miscellaneous"
    Programs,       // beside the calculator, above the options
};

// An entry of the popup menu; in its part, entries follow their rank. The
// ranks go in tens, so that an entry can come between two others.
struct BarMenuEntry {
    const char* name = nullptr;  // the object name; none: the tool has no entry
    const char* caption = "";
    BarMenuPart part = BarMenuPart::Tools;
    int rank = 0;
    const char* hint = "";
};

struct BarEntry {
    BarButton button = {};
    BarMenuEntry menu = {};
    // Shows the tool's window, modal over the bar, and returns when it closes.
    std::function<void(QWidget* bar)> open;
};

// An `open` for a window made afresh at each opening, over the bar, and gone
// when it closes (the windows that last the whole run: core/LastingWindow).
template <class Window>
void showFreshWindow(QWidget* bar) {
    Window window(bar);
    window.exec();
}

}  // namespace kv

#pragma once
// The tool windows that live for the whole run are made when they are first
// shown, not at start: the bar is on the screen sooner and a window never
// opened costs nothing. From then on the same window is shown again and again
// with whatever state it kept. Its global pointer names it; each window made
// here is listed, and the program deletes them all at exit, the last made first.
#include <functional>

namespace kv {

// Lists the deletion of a window just made.
void keepUntilExit(std::function<void()> remove);

// The window behind the pointer, made now if it does not exist yet. If making
// it throws, the pointer stays empty and the next request tries again.
template <class Window>
Window& lastingWindow(Window*& window) {
    if (!window) {
        window = new Window;
        keepUntilExit([&window] {
            delete window;
            window = nullptr;
        });
    }
    return *window;
}

// Deletes every window lastingWindow made, the last made first, and empties
// their pointers; a window deleted by other means must have emptied its pointer.
void deleteLastingWindows();

}  // namespace kv

#pragma once
// The tool windows that live for the whole run are made when they are first
// shown, not at start: the bar is on the screen sooner and a window never
// opened costs nothing. From then on the same window is shown again and again
// with whatever state it kept. Its global pointer owns it; the program
// deletes it at exit.
namespace kv {

// The window behind the pointer, made now if it does not exist yet. If making
// it throws, the pointer stays empty and the next request tries again.
template <class Window>
Window& lastingWindow(Window*& window) {
    if (!window) window = new Window;
    return *window;
}

}  // namespace kv

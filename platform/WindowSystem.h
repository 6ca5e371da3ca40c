#pragma once
// Which window system the desktop program runs on. The bar is placed, docked
// and dragged by its position on the screen, and its hot keys are grabbed
// from the X server: an X11 session gives all of that. A Wayland session
// tells a program neither where its windows are nor which keys are pressed
// elsewhere, so under Wayland the program runs through XWayland when the
// session has it (the hot keys then go through the desktop portal where it
// offers them), and natively only when it has not: then the compositor moves
// the bar (the drag asks it to), the bar's place is neither read nor saved,
// and the desktop assigns the hot keys.
#include <QByteArray>

namespace platform {

enum class WindowSystem { X11, XWayland, Wayland, Chosen };

// What the session offers, from its environment: WAYLAND_DISPLAY names a
// Wayland session, DISPLAY an X server (XWayland's, in a Wayland session).
// `asked` is QT_QPA_PLATFORM: a choice made there stands (Chosen).
WindowSystem windowSystemFor(const QByteArray& waylandDisplay, const QByteArray& display, const QByteArray& asked);

// Chooses for this run, before the application object is made, and tells Qt.
WindowSystem chooseWindowSystem();

// Whether the program can place its windows and read their places (false
// on a native Wayland connection). Needs the application object.
bool windowsHavePlaces();

}  // namespace platform

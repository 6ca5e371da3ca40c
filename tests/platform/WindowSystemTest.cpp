// Which window system the desktop program chooses from the session's environment.
#include <gtest/gtest.h>

#include "platform/WindowSystem.h"

namespace {

using platform::WindowSystem;

struct Session {
    const char* what;
    const char* waylandDisplay;
    const char* display;
    const char* asked;  // QT_QPA_PLATFORM
    WindowSystem chosen;
};

const Session kSessions[] = {
    {"an X11 session", "", ":0", "", WindowSystem::X11},
    {"Wayland with XWayland: through XWayland", "wayland-0", ":1", "", WindowSystem::XWayland},
    {"Wayland without XWayland: natively", "wayland-0", "", "", WindowSystem::Wayland},
    {"a socket given by its path", "/run/user/1000/wayland-1", "", "", WindowSystem::Wayland},
    {"no display at all: Qt says what is missing", "", "", "", WindowSystem::X11},
    {"the user's choice stands under Wayland", "wayland-0", ":1", "wayland", WindowSystem::Chosen},
    {"the user's choice stands under X11", "", ":0", "offscreen", WindowSystem::Chosen},
};

TEST(WindowSystem, ChosenFromTheSession) {
    for (const Session& s : kSessions)
        EXPECT_EQ(platform::windowSystemFor(s.waylandDisplay, s.display, s.asked), s.chosen) << s.what;
}

// The choice reaches Qt through QT_QPA_PLATFORM, which it reads when the
// application object is made.
TEST(WindowSystem, TellsQtTheChoice) {
    struct Case {
        const char* waylandDisplay;
        const char* display;
        const char* platform;  // QT_QPA_PLATFORM afterwards; empty: unset
    };
    const Case cases[] = {{"wayland-0", ":1", "xcb"}, {"wayland-0", "", "wayland"}, {"", ":0", ""}};
    for (const Case& c : cases) {
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("WAYLAND_DISPLAY", c.waylandDisplay);
        qputenv("DISPLAY", c.display);
        if (!*c.waylandDisplay) qunsetenv("WAYLAND_DISPLAY");
        platform::chooseWindowSystem();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.platform)) << c.waylandDisplay << " " << c.display;
    }
    qunsetenv("QT_QPA_PLATFORM");
}

}  // namespace

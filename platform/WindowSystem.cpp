#include "platform/WindowSystem.h"

#include <QGuiApplication>

namespace platform {

WindowSystem windowSystemFor(const QByteArray& waylandDisplay, const QByteArray& display, const QByteArray& asked) {
    if (!asked.isEmpty()) return WindowSystem::Chosen;
    if (waylandDisplay.isEmpty()) return WindowSystem::X11;
    return display.isEmpty() ? WindowSystem::Wayland : WindowSystem::XWayland;
}

WindowSystem chooseWindowSystem() {
    const WindowSystem chosen =
        windowSystemFor(qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"));
    if (chosen == WindowSystem::XWayland) qputenv("QT_QPA_PLATFORM", "xcb");
    if (chosen == WindowSystem::Wayland) qputenv("QT_QPA_PLATFORM", "wayland");
    return chosen;
}

bool windowsHavePlaces() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace platform

#include "platform/HotKeys.h"

#include <QDBusConnection>
#include <QtGlobal>

#include "platform/PortalHotKeys.h"
#include "platform/XcbHotKeys.h"

namespace platform {

namespace {

std::shared_ptr<HotKeys>& current() {
    static std::shared_ptr<HotKeys> keys;
    return keys;
}

}  // namespace

HotKeys& hotKeys() {
    // Made on first use: it needs the application's display connection. The
    // session bus is asked only under Wayland: reaching it can mean starting
    // a bus first, which an X session never needs for its keys.
    if (!current()) {
        const bool wayland = isWaylandSession();
        current() = wayland ? makeSessionHotKeys(true, QDBusConnection::sessionBus()) : std::make_shared<XcbHotKeys>();
    }
    return *current();
}

std::shared_ptr<HotKeys> replaceHotKeys(std::shared_ptr<HotKeys> keys) {
    std::shared_ptr<HotKeys> previous = std::move(current());
    current() = std::move(keys);
    return previous;
}

std::shared_ptr<HotKeys> makeSessionHotKeys(bool wayland, const QDBusConnection& bus) {
    if (wayland && portalOffersGlobalShortcuts(bus)) return std::make_shared<PortalHotKeys>(bus);
    return std::make_shared<XcbHotKeys>();
}

bool isWaylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace platform

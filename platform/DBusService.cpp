#include "platform/DBusService.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace platform {

bool serviceOnBus(const QDBusConnection& bus, const QString& service) {
    // An unconnected bus has no interface to ask.
    if (!bus.isConnected() || bus.interface() == nullptr) return false;
    return bus.interface()->isServiceRegistered(service).value();
}

}  // namespace platform

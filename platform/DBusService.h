#pragma once
// Whether a desktop service is there to be asked, before the program asks it.
#include <QString>

class QDBusConnection;

namespace platform {

// Whether service has an owner on bus now; false on a bus that is not connected.
bool serviceOnBus(const QDBusConnection& bus, const QString& service);

}  // namespace platform

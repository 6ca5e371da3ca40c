#include "platform/DesktopScreenSaver.h"

#include <QDBusError>
#include <QDBusMessage>

#include "core/Error.h"
#include "platform/DBusService.h"

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
// The service answers at once; a hung one must not freeze the bar for long.
constexpr int kCallTimeoutMs = 2000;

// A service that does not answer is not asked again: each try would freeze the bar anew.
bool hungUp(const QDBusMessage& reply) {
    QDBusError::ErrorType error = QDBusError(reply).type();
    return error == QDBusError::NoReply || error == QDBusError::Timeout || error == QDBusError::TimedOut;
}

}  // namespace

DesktopScreenSaver::DesktopScreenSaver(ProgramStarter starter, std::optional<QDBusConnection> bus)
    : starter_(std::move(starter)), bus_(std::move(bus)) {}

QDBusConnection& DesktopScreenSaver::bus() {
    if (!bus_) bus_ = QDBusConnection::sessionBus();
    return *bus_;
}

void DesktopScreenSaver::activate() {
    if (activateOverBus()) return;
    if (!starter_.startFirst({QStringLiteral("xdg-screensaver")}, {QStringLiteral("activate")}).isEmpty()) return;
    throw kv::Error(
        "The screen saver could not be started: the desktop offers no screen saver service "
        "and xdg-screensaver is not installed.");
}

bool DesktopScreenSaver::activateOverBus() {
    if (!serviceOnBus(bus(), kService)) return false;
    // Desktops publish the object under either path; some implement only one of the two calls.
    for (const QString& path : {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")}) {
        QDBusMessage setActive = QDBusMessage::createMethodCall(kService, path, kService, QStringLiteral("SetActive"));
        setActive << true;
        QDBusMessage reply = bus().call(setActive, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
            reply.arguments().first().toBool())
            return true;
        if (hungUp(reply)) return false;
        QDBusMessage lock = QDBusMessage::createMethodCall(kService, path, kService, QStringLiteral("Lock"));
        reply = bus().call(lock, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) return true;
        if (hungUp(reply)) return false;
    }
    return false;
}

}  // namespace platform

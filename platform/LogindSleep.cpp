#include "platform/LogindSleep.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "platform/DBusService.h"

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
// Long enough for the user to type a password when asked.
constexpr int kAnswerTimeoutMs = 5 * 60 * 1000;

}  // namespace

LogindSleep::LogindSleep(ProgramStarter starter, std::optional<QDBusConnection> bus)
    : starter_(std::move(starter)), bus_(std::move(bus)) {}

QDBusConnection& LogindSleep::bus() {
    if (!bus_) bus_ = QDBusConnection::systemBus();
    return *bus_;
}

void LogindSleep::suspend() {
    if (suspendOverBus()) return;
    if (!starter_.startFirst({QStringLiteral("systemctl")}, {QStringLiteral("suspend")}).isEmpty()) return;
    throw kv::Error(
        "The computer could not be suspended: logind is not reachable on the system bus "
        "and systemctl is not installed.");
}

bool LogindSleep::suspendOverBus() {
    if (!serviceOnBus(bus(), kService)) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                                       QStringLiteral("Suspend"));
    call << true;  // interactive: the desktop may ask for a password
    // The answer may wait for that password; it must not hold up the bar meanwhile.
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(call, kAnswerTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [](QDBusPendingCallWatcher* finished) {
        QDBusPendingReply<> reply = *finished;
        if (reply.isError())
            kv::showError("The computer could not be suspended: " + reply.error().message().toStdString());
        finished->deleteLater();
    });
    return true;
}

}  // namespace platform

#include "platform/PortalHotKeys.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QMetaObject>
#include <xkbcommon/xkbcommon.h>

#include "platform/DBusService.h"
#include "platform/KeyTable.h"

namespace platform {

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// Asked once at start; a portal that hangs must not hold the bar up for long.
constexpr int kProbeTimeoutMs = 2000;

// The portal reports the session as a string or, in newer versions, as an
// object path; either way its text is what later signals carry.
QString pathText(const QVariant& value) {
    if (value.userType() == qMetaTypeId<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    if (value.userType() == qMetaTypeId<QDBusVariant>()) return pathText(value.value<QDBusVariant>().variant());
    return value.toString();
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcut& shortcut) {
    out.beginStructure();
    out << shortcut.id << shortcut.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcut& shortcut) {
    in.beginStructure();
    in >> shortcut.id >> shortcut.properties;
    in.endStructure();
    return in;
}

void registerPortalShortcutType() {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

QString portalTrigger(int modifiers, int virtualKey) {
    const auto keysym = keysymOfVirtualKey(virtualKey);
    if (!keysym) return {};
    // The portal reads the key by its xkb keysym name ("F11", "Escape", "a").
    char name[64];
    if (xkb_keysym_get_name(*keysym, name, sizeof name) <= 0) return {};
    QStringList parts;
    if (modifiers & kModCtrl) parts << QStringLiteral("CTRL");
    if (modifiers & kModAlt) parts << QStringLiteral("ALT");
    if (modifiers & kModShift) parts << QStringLiteral("SHIFT");
    if (modifiers & kModWin) parts << QStringLiteral("LOGO");
    parts << QString::fromLatin1(name);
    return parts.join(QLatin1Char('+'));
}

bool portalOffersGlobalShortcuts(const QDBusConnection& bus) {
    if (!serviceOnBus(bus, kPortal)) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kShortcuts << QStringLiteral("version");
    QDBusMessage reply = QDBusConnection(bus).call(get, QDBus::Block, kProbeTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

PortalHotKeys::PortalHotKeys(QDBusConnection bus) : bus_(std::move(bus)) {
    registerPortalShortcutType();
    bus_.connect(kPortal, kPortalPath, kShortcuts, QStringLiteral("Activated"), this,
                 SLOT(onActivated(QDBusMessage)));
    const QString token = nextRequestToken();
    // Listened for before asking, so that a quick answer is not missed.
    sessionRequest_ = requestPath(token);
    bus_.connect(kPortal, sessionRequest_, kRequest, QStringLiteral("Response"), this,
                 SLOT(onSessionCreated(QDBusMessage)));
    QDBusMessage create =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, QStringLiteral("CreateSession"));
    const QString sessionToken = QStringLiteral("kvantor_%1").arg(QCoreApplication::applicationPid());
    create << QVariantMap{{QStringLiteral("handle_token"), token},
                          {QStringLiteral("session_handle_token"), sessionToken}};
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(create), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        if (call->isError()) refuseSession();
        call->deleteLater();
    });
}

PortalHotKeys::~PortalHotKeys() {
    if (session_.isEmpty() || !bus_.isConnected()) return;
    // The desktop drops the bindings with the session.
    bus_.call(QDBusMessage::createMethodCall(kPortal, session_, QStringLiteral("org.freedesktop.portal.Session"),
                                             QStringLiteral("Close")),
              QDBus::NoBlock);
}

QString PortalHotKeys::nextRequestToken() {
    // Unique among this program's requests, so that each answer finds its request.
    return QStringLiteral("kvantor_%1_%2").arg(QCoreApplication::applicationPid()).arg(++requests_);
}

QString PortalHotKeys::requestPath(const QString& token) const {
    QString sender = bus_.baseService();
    sender.remove(0, sender.startsWith(QLatin1Char(':')) ? 1 : 0).replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalHotKeys::onSessionCreated(const QDBusMessage& response) {
    bus_.disconnect(kPortal, sessionRequest_, kRequest, QStringLiteral("Response"), this,
                    SLOT(onSessionCreated(QDBusMessage)));
    const QList<QVariant> args = response.arguments();
    const uint code = args.isEmpty() ? 2 : args.at(0).toUInt();
    QVariantMap results;
    if (args.size() > 1) args.at(1).value<QDBusArgument>() >> results;
    const QString session = pathText(results.value(QStringLiteral("session_handle")));
    if (code != 0 || session.isEmpty()) {
        refuseSession();
        return;
    }
    session_ = session;
    if (!bindings_.isEmpty()) scheduleBind();
}

void PortalHotKeys::refuseSession() {
    reason_ = QStringLiteral(
        "Global hot keys are not available in this session: the desktop refused the program's request "
        "for global shortcuts, so the keys saved here are kept but do nothing.");
}

void PortalHotKeys::onActivated(const QDBusMessage& signal) {
    const QList<QVariant> args = signal.arguments();
    if (args.size() < 2 || session_.isEmpty() || pathText(args.at(0)) != session_) return;
    bool ok = false;
    const int id = args.at(1).toString().toInt(&ok);
    if (!ok || !bindings_.contains(id)) return;
    // Run from the event loop, as X11 presses are: the action may open a
    // modal window with a loop of its own. Queued on this object, the call is
    // dropped with it.
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (handler_) handler_(id);
        },
        Qt::QueuedConnection);
}

void PortalHotKeys::setHandler(Handler handler) {
    handler_ = std::move(handler);
}

bool PortalHotKeys::registerKey(int id, int modifiers, int virtualKey) {
    if (portalTrigger(modifiers, virtualKey).isEmpty()) {
        unregisterKey(id);
        return false;
    }
    bindings_.insert(id, Binding{modifiers, virtualKey});
    scheduleBind();
    return true;
}

void PortalHotKeys::unregisterKey(int id) {
    // Binding the set without it takes it away from the desktop.
    if (bindings_.remove(id) > 0) scheduleBind();
}

QString PortalHotKeys::unavailableReason() const {
    return reason_;
}

void PortalHotKeys::scheduleBind() {
    if (bindPending_ || session_.isEmpty()) return;
    bindPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            bindPending_ = false;
            bind();
        },
        Qt::QueuedConnection);
}

void PortalHotKeys::bind() {
    QList<PortalShortcut> shortcuts;
    for (auto it = bindings_.cbegin(); it != bindings_.cend(); ++it)
        shortcuts << PortalShortcut{QString::number(it.key()),
                                    {{QStringLiteral("description"), description(it.key())},
                                     {QStringLiteral("preferred_trigger"),
                                      portalTrigger(it->modifiers, it->virtualKey)}}};
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, QStringLiteral("BindShortcuts"));
    // A combination the desktop gives to another program is simply not bound,
    // as a refused X11 grab is; the answer is therefore not waited for.
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(shortcuts) << QString()
         << QVariantMap{{QStringLiteral("handle_token"), nextRequestToken()}};
    bus_.call(call, QDBus::NoBlock);
}

}  // namespace platform

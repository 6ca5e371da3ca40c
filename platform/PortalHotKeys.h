#pragma once
// Hot keys on a Wayland desktop, where a program cannot grab keys: they are
// asked of the desktop through the XDG portal's GlobalShortcuts interface,
// which binds them for one session of this program and reports each press
// with the shortcut's identifier.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "platform/HotKeys.h"

class QDBusMessage;

namespace platform {

// One entry of the list BindShortcuts takes: a(sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;  // "description", "preferred_trigger"
};
QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcut& shortcut);
// Makes the list type known to QtDBus (done by PortalHotKeys itself too).
void registerPortalShortcutType();

// The portal's text for a combination, e.g. "ALT+F11" or "LOGO+F1"; empty
// for a key outside the key list.
QString portalTrigger(int modifiers, int virtualKey);

// Whether the bus carries a desktop portal that offers GlobalShortcuts.
bool portalOffersGlobalShortcuts(const QDBusConnection& bus);

class PortalHotKeys : public QObject, public HotKeys {
    Q_OBJECT
public:
    // Starts creating the portal session; keys registered before it exists
    // are bound as soon as it does.
    explicit PortalHotKeys(QDBusConnection bus);
    ~PortalHotKeys() override;

    void setHandler(Handler handler) override;
    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    QString unavailableReason() const override;

    // The portal's object path of the session; empty until it is created.
    QString sessionHandle() const { return session_; }

private slots:
    void onSessionCreated(const QDBusMessage& response);
    void onActivated(const QDBusMessage& signal);

private:
    struct Binding {
        int modifiers;
        int virtualKey;
    };

    QString nextRequestToken();
    QString requestPath(const QString& token) const;
    // The desktop would not give the program a session: nothing can be bound.
    void refuseSession();
    // Binds the whole current set once the present calls are done: a start
    // registers five keys in a row, and one request is enough for them.
    void scheduleBind();
    void bind();

    QDBusConnection bus_;
    QString session_;
    QString sessionRequest_;  // the portal's request that answers with the session
    QString reason_;
    Handler handler_;
    QMap<int, Binding> bindings_;
    bool bindPending_ = false;
    int requests_ = 0;
};

}  // namespace platform

Q_DECLARE_METATYPE(platform::PortalShortcut)

// Hot keys through the desktop portal, against a stand-in GlobalShortcuts
// service on a private bus: what is bound, with which triggers, and which
// presses come back.
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMutex>
#include <QThread>
#include <QtTest>
#include <atomic>

#include "PrivateBus.h"
#include "platform/PortalHotKeys.h"
#include "platform/XcbHotKeys.h"

namespace {
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
}  // namespace

// Answers from a thread of its own, as the program blocks while it asks
// whether the portal is there.
class GlobalShortcutsService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)
public:
    struct Bind {
        QString session;
        QMap<QString, QString> triggers;  // shortcut id -> preferred trigger
        QMap<QString, QString> descriptions;
    };

    uint version() const { return 1; }
    std::atomic<bool> refuses{false};

    QList<Bind> binds() const {
        QMutexLocker lock(&mutex_);
        return binds_;
    }
    QStringList sessions() const {
        QMutexLocker lock(&mutex_);
        return sessions_;
    }
    void clear() {
        QMutexLocker lock(&mutex_);
        binds_.clear();
        sessions_.clear();
    }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options) {
        QString sender = message().service().mid(1).replace('.', '_');
        const QString request = kPortalPath + "/request/" + sender + '/' + options.value("handle_token").toString();
        const QString session =
            kPortalPath + "/session/" + sender + '/' + options.value("session_handle_token").toString();
        {
            QMutexLocker lock(&mutex_);
            sessions_ << session;
        }
        QDBusMessage response = QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        if (refuses)
            response << 1u << QVariantMap();
        else
            response << 0u << QVariantMap{{"session_handle", session}};
        connection().send(response);
        return QDBusObjectPath(request);
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session, const QList<platform::PortalShortcut>& shortcuts,
                                  const QString&, const QVariantMap&) {
        Bind bind{session.path(), {}, {}};
        for (const platform::PortalShortcut& s : shortcuts) {
            bind.triggers.insert(s.id, s.properties.value("preferred_trigger").toString());
            bind.descriptions.insert(s.id, s.properties.value("description").toString());
        }
        QMutexLocker lock(&mutex_);
        binds_ << bind;
        return QDBusObjectPath(kPortalPath + "/request/bind");
    }

private:
    mutable QMutex mutex_;
    QList<Bind> binds_;
    QStringList sessions_;
};

class PortalHotKeysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!PrivateBus::available()) QSKIP("dbus-daemon is not installed");
        const QString address = bus_.start();
        QVERIFY2(!address.isEmpty(), "the private bus did not start");
        // Nothing here may reach the machine's own buses.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        client_ = QDBusConnection::connectToBus(address, QStringLiteral("kv-client"));
        service_ = QDBusConnection::connectToBus(address, QStringLiteral("kv-portal"));
        QVERIFY(client_.isConnected() && service_.isConnected());
        platform::registerPortalShortcutType();
        serviceThread_.start();
        portal_.moveToThread(&serviceThread_);
        QVERIFY(service_.registerObject(kPortalPath, &portal_,
                                        QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
    }

    void init() {
        portal_.clear();
        portal_.refuses = false;
        QVERIFY(service_.registerService(kPortal));
    }

    void cleanup() { service_.unregisterService(kPortal); }

    void triggersNameTheModifiersAndTheKeysymOfTheKey() {
        QCOMPARE(platform::portalTrigger(platform::kModAlt, 122), QStringLiteral("ALT+F11"));
        QCOMPARE(platform::portalTrigger(platform::kModWin, 112), QStringLiteral("LOGO+F1"));
        QCOMPARE(platform::portalTrigger(platform::kModCtrl | platform::kModShift, 27),
                 QStringLiteral("CTRL+SHIFT+Escape"));
        QCOMPARE(platform::portalTrigger(0, 'A'), QStringLiteral("a"));
        QVERIFY(platform::portalTrigger(platform::kModAlt, 200).isEmpty());
    }

    void onWaylandWithThePortalItsSessionIsCreated() {
        auto keys = platform::makeSessionHotKeys(true, client_);
        auto* portalKeys = dynamic_cast<platform::PortalHotKeys*>(keys.get());
        QVERIFY(portalKeys != nullptr);
        QTRY_COMPARE(portal_.sessions().size(), 1);
        QTRY_COMPARE(portalKeys->sessionHandle(), portal_.sessions().first());
        QVERIFY2(keys->unavailableReason().isEmpty(), "with the portal there is nothing to tell the user");
    }

    void aSessionTheDesktopRefusesIsToldToTheUser() {
        portal_.refuses = true;
        platform::PortalHotKeys keys(client_);
        QTRY_VERIFY(!keys.unavailableReason().isEmpty());
        QVERIFY(keys.sessionHandle().isEmpty());
    }

    void withoutThePortalOrOnX11TheGrabsAreKept() {
        QVERIFY(dynamic_cast<platform::XcbHotKeys*>(platform::makeSessionHotKeys(false, client_).get()) != nullptr);
        service_.unregisterService(kPortal);
        auto keys = platform::makeSessionHotKeys(true, client_);
        QVERIFY(dynamic_cast<platform::XcbHotKeys*>(keys.get()) != nullptr);
        QVERIFY(!keys->unavailableReason().isEmpty());
    }

    // With no X11 display (natively on Wayland; offscreen here) the window
    // says who assigns the keys.
    void withoutAnX11DisplayTheUserIsToldWhy_data() {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QString>("told");
        QTest::newRow("a Wayland session") << QByteArray("wayland-0") << "the desktop itself assigns global hot keys";
        QTest::newRow("no session") << QByteArray() << "not running on an X11 display";
    }
    void withoutAnX11DisplayTheUserIsToldWhy() {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QString, told);
        const QByteArray sessionType = qgetenv("XDG_SESSION_TYPE");
        qunsetenv("XDG_SESSION_TYPE");
        if (waylandDisplay.isEmpty()) qunsetenv("WAYLAND_DISPLAY");
        else qputenv("WAYLAND_DISPLAY", waylandDisplay);
        const QString reason = platform::XcbHotKeys().unavailableReason();
        qunsetenv("WAYLAND_DISPLAY");
        if (!sessionType.isEmpty()) qputenv("XDG_SESSION_TYPE", sessionType);
        QVERIFY2(reason.contains(told), qPrintable(reason));
    }

    void registeredKeysAreBoundWithTheirTriggers() {
        platform::PortalHotKeys keys(client_);
        QVERIFY(keys.registerKey(1135, platform::kModAlt, 122));
        QVERIFY(keys.registerKey(1136, platform::kModWin, 112));
        QVERIFY(!keys.registerKey(1139, platform::kModAlt, 200));
        QTRY_VERIFY(!portal_.binds().isEmpty());
        QTest::qWait(50);
        const auto bind = portal_.binds().last();
        QCOMPARE(bind.session, keys.sessionHandle());
        const QMap<QString, QString> expected{{"1135", "ALT+F11"}, {"1136", "LOGO+F1"}};
        QCOMPARE(bind.triggers, expected);
        // The words come from the program; without any, the desktop still gets a name.
        QCOMPARE(bind.descriptions.value("1135"), QStringLiteral("Hot key 1135"));
        keys.setDescription(1135, "Open the converter");
        QVERIFY(keys.registerKey(1135, platform::kModAlt, 123));
        QTRY_COMPARE(portal_.binds().last().descriptions.value("1135"), QStringLiteral("Open the converter"));
    }

    void registeringASlotAgainRebindsAndUnregisteringDropsIt() {
        platform::PortalHotKeys keys(client_);
        keys.registerKey(1135, platform::kModAlt, 122);
        keys.registerKey(1134, platform::kModAlt, 123);
        QTRY_COMPARE(portal_.binds().size(), 1);
        keys.registerKey(1135, platform::kModCtrl | platform::kModShift, 'K');
        QTRY_COMPARE(portal_.binds().size(), 2);
        QMap<QString, QString> expected{{"1134", "ALT+F12"}, {"1135", "CTRL+SHIFT+k"}};
        QCOMPARE(portal_.binds().last().triggers, expected);
        keys.unregisterKey(1135);
        QTRY_COMPARE(portal_.binds().size(), 3);
        expected.remove("1135");
        QCOMPARE(portal_.binds().last().triggers, expected);
    }

    void anActivatedShortcutReachesTheHandlerWithItsIdentifier() {
        platform::PortalHotKeys keys(client_);
        QList<int> pressed;
        keys.setHandler([&](int id) { pressed << id; });
        keys.registerKey(1134, platform::kModAlt, 123);
        QTRY_COMPARE(portal_.binds().size(), 1);
        activate("/org/freedesktop/portal/desktop/session/other/session", "1134");
        activate(keys.sessionHandle(), "1140");  // never bound
        activate(keys.sessionHandle(), "1134");
        QTRY_COMPARE(pressed, QList<int>{1134});
        QTest::qWait(100);
        QCOMPARE(pressed, QList<int>{1134});
    }

    void cleanupTestCase() {
        QThread* home = thread();
        QMetaObject::invokeMethod(&portal_, [&] { portal_.moveToThread(home); }, Qt::BlockingQueuedConnection);
        serviceThread_.quit();
        serviceThread_.wait();
    }

private:
    void activate(const QString& session, const QString& id) {
        QDBusMessage signal = QDBusMessage::createSignal(kPortalPath, kShortcuts, "Activated");
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0) << QVariantMap();
        QVERIFY(service_.send(signal));
    }

    PrivateBus bus_;
    QDBusConnection client_{QStringLiteral("unset")}, service_{QStringLiteral("unset")};
    QThread serviceThread_;
    GlobalShortcutsService portal_;
};

QTEST_MAIN(PortalHotKeysTest)
#include "PortalHotKeysTest.moc"

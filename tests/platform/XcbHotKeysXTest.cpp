// The X11 hot keys on a real (private) X server: keys pressed with xdotool
// reach the handler whatever window has the focus, with the lock keys on or
// off, also inside a modal dialog's loop; a key another client holds is
// refused; an unregistered key no longer arrives.
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTimer>
#include <QtTest>
#include <xcb/xcb.h>

#include "platform/HotKeys.h"
#include "platform/KeyTable.h"
#include "platform/XcbHotKeys.h"

namespace {

constexpr int kF9 = 120, kF11 = 122, kF12 = 123, kA = 65;

bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Whether a lock key is on, by the state the server reports for the pointer.
bool lockOn(xcb_connection_t* c, xcb_window_t root, std::uint16_t mask) {
    auto* reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr);
    bool on = reply && (reply->mask & mask);
    free(reply);
    return on;
}

}  // namespace

class XcbHotKeysXTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::XcbHotKeys> keys_;
    QList<int> pressed_;

    // Presses keys with xdotool and waits a moment for whatever arrives.
    void press(const QString& combination) {
        QVERIFY(xdotool({QStringLiteral("key"), combination}));
    }
    void settle() {
        QTest::qWait(300);
    }

private slots:
    void init() {
        keys_ = std::make_unique<platform::XcbHotKeys>();
        keys_->setHandler([this](int id) { pressed_ << id; });
        pressed_.clear();
    }
    void cleanup() { keys_.reset(); }

    void anX11SessionHasHotKeys() {
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("XDG_SESSION_TYPE", "x11");
        platform::XcbHotKeys keys;
        QCOMPARE(keys.unavailableReason(), QString());
    }

    void aWaylandSessionSaysSoPlainly() {
        qputenv("XDG_SESSION_TYPE", "wayland");
        platform::XcbHotKeys keys;
        qunsetenv("XDG_SESSION_TYPE");
        QVERIFY(keys.unavailableReason().contains(QStringLiteral("not available in this session")));
    }

    void aRegisteredKeyArrivesWithItsIdentifier() {
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF11));
        QVERIFY(keys_->registerKey(1134, platform::kModAlt, kF12));
        press(QStringLiteral("alt+F11"));
        QTRY_COMPARE(pressed_, QList<int>{1135});
        press(QStringLiteral("alt+F12"));
        QTRY_COMPARE(pressed_, (QList<int>{1135, 1134}));
        // The key without its modifier, or with one more, is no hot key.
        press(QStringLiteral("F11"));
        press(QStringLiteral("ctrl+alt+F11"));
        settle();
        QCOMPARE(pressed_, (QList<int>{1135, 1134}));
    }

    void everyModifierAndNoneAtAll() {
        QVERIFY(keys_->registerKey(1140, platform::kModWin, kA));
        QVERIFY(keys_->registerKey(1136, platform::kModCtrl | platform::kModShift, kF12));
        QVERIFY(keys_->registerKey(1139, 0, kF9));
        press(QStringLiteral("super+a"));
        QTRY_COMPARE(pressed_, QList<int>{1140});
        press(QStringLiteral("ctrl+shift+F12"));
        QTRY_COMPARE(pressed_, (QList<int>{1140, 1136}));
        press(QStringLiteral("F9"));
        QTRY_COMPARE(pressed_, (QList<int>{1140, 1136, 1139}));
    }

    void theLockKeysDoNotMatter() {
        auto* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF11));
        for (const char* lock : {"Caps_Lock", "Num_Lock"}) {
            press(QString::fromLatin1(lock));  // on
            press(QStringLiteral("alt+F11"));
            press(QString::fromLatin1(lock));  // off again
        }
        QVERIFY(!lockOn(c, root, XCB_MOD_MASK_LOCK));
        QTRY_COMPARE(pressed_, (QList<int>{1135, 1135}));
        // Both locks at once.
        press(QStringLiteral("Caps_Lock"));
        press(QStringLiteral("Num_Lock"));
        press(QStringLiteral("alt+F11"));
        press(QStringLiteral("Num_Lock"));
        press(QStringLiteral("Caps_Lock"));
        QTRY_COMPARE(pressed_, (QList<int>{1135, 1135, 1135}));
    }

    void anUnregisteredKeyNoLongerArrives() {
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF11));
        keys_->unregisterKey(1135);
        press(QStringLiteral("alt+F11"));
        settle();
        QVERIFY(pressed_.isEmpty());
        // Registering again under the same identifier replaces the key.
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF11));
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF12));
        press(QStringLiteral("alt+F11"));
        press(QStringLiteral("alt+F12"));
        QTRY_COMPARE(pressed_, QList<int>{1135});
        settle();
        QCOMPARE(pressed_, QList<int>{1135});
    }

    void keysOutsideTheListAreRefused() {
        QVERIFY(!keys_->registerKey(1135, platform::kModAlt, 0));
        QVERIFY(!keys_->registerKey(1135, platform::kModAlt, 124));  // F13 is not in the list
    }

    void aKeyAnotherProgramHoldsIsRefused() {
        xcb_connection_t* other = xcb_connect(nullptr, nullptr);
        QVERIFY(!xcb_connection_has_error(other));
        xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
        // The other program's keycode for F12, as the server maps it now.
        auto* map = xcb_get_keyboard_mapping_reply(
            other,
            xcb_get_keyboard_mapping(other, xcb_get_setup(other)->min_keycode,
                                     xcb_get_setup(other)->max_keycode - xcb_get_setup(other)->min_keycode + 1),
            nullptr);
        QVERIFY(map);
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        xcb_keycode_t f12 = 0;
        for (int i = 0; f12 == 0 && i <= xcb_get_setup(other)->max_keycode - xcb_get_setup(other)->min_keycode; ++i)
            if (syms[i * map->keysyms_per_keycode] == platform::keysymOfVirtualKey(kF12).value())
                f12 = xcb_keycode_t(xcb_get_setup(other)->min_keycode + i);
        free(map);
        QVERIFY(f12 != 0);
        xcb_generic_error_t* error = xcb_request_check(
            other, xcb_grab_key_checked(other, 0, root, XCB_MOD_MASK_CONTROL, f12, XCB_GRAB_MODE_ASYNC,
                                        XCB_GRAB_MODE_ASYNC));
        QVERIFY(!error);

        QVERIFY(!keys_->registerKey(1134, platform::kModCtrl, kF12));
        // Our other keys are not disturbed by the refusal.
        QVERIFY(keys_->registerKey(1135, platform::kModAlt, kF11));
        press(QStringLiteral("alt+F11"));
        QTRY_COMPARE(pressed_, QList<int>{1135});

        xcb_disconnect(other);
        // Once the other program has gone, the key can be had.
        QTRY_VERIFY(keys_->registerKey(1134, platform::kModCtrl, kF12));
        press(QStringLiteral("ctrl+F12"));
        QTRY_COMPARE(pressed_, (QList<int>{1135, 1134}));
    }

    void hotKeysArriveInsideAModalDialog() {
        QVERIFY(keys_->registerKey(1136, platform::kModAlt, kF11));
        QDialog dialog;
        dialog.resize(200, 100);
        QList<int> seenInside;
        keys_->setHandler([&](int id) {
            seenInside << id;
            dialog.accept();
        });
        QTimer::singleShot(100, [] { QProcess::execute(QStringLiteral("xdotool"), {"key", "alt+F11"}); });
        // Ends the dialog should the key never come, so the test fails rather than hangs.
        QTimer::singleShot(5000, &dialog, &QDialog::reject);
        const int result = dialog.exec();
        QCOMPARE(seenInside, QList<int>{1136});
        QCOMPARE(result, int(QDialog::Accepted));
    }
};

QTEST_MAIN(XcbHotKeysXTest)
#include "XcbHotKeysXTest.moc"

#include "platform/XcbHotKeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

#include "platform/KeyTable.h"

namespace platform {

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

xcb_connection_t* qtConnection() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

constexpr std::uint16_t kModifierMasks = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                         XCB_MOD_MASK_2 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

// The keycodes that give keysym in the first group (unshifted or shifted);
// failing those, any keycode that gives it at all. The map is read each time:
// the user or a tool such as xdotool may change it while the program runs.
QList<std::uint8_t> keycodesOf(xcb_connection_t* c, std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto map = reply(xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, first, count), nullptr));
    QList<std::uint8_t> found;
    if (!map) return found;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perCode = map->keysyms_per_keycode;
    for (int pass = 0; pass < 2 && found.isEmpty(); ++pass) {
        const int columns = pass == 0 ? std::min(perCode, 2) : perCode;
        for (int code = 0; code < count; ++code)
            for (int col = 0; col < columns; ++col)
                if (syms[code * perCode + col] == keysym) {
                    found << std::uint8_t(first + code);
                    break;
                }
    }
    return found;
}

}  // namespace

XcbHotKeys::XcbHotKeys() {
    auto* c = qtConnection();
    if (!c) {
        reason_ = isWaylandSession()
                      ? QStringLiteral(
                            "On this Wayland desktop the desktop itself assigns global hot keys (in its keyboard "
                            "settings): a program cannot catch keys pressed in other programs' windows, so the keys "
                            "saved here are kept but do nothing.")
                      : QStringLiteral("Global hot keys are not available in this session: the program is not "
                                       "running on an X11 display.");
        return;
    }
    connection_ = c;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen) {
        connection_ = nullptr;
        reason_ = QStringLiteral("Global hot keys are not available in this session: the X11 display has no screen.");
        return;
    }
    root_ = screen->root;
    if (isWaylandSession())
        reason_ = QStringLiteral(
            "Global hot keys are not available in this session. On a Wayland desktop a program cannot catch "
            "keys pressed in other programs' windows, so the keys saved here work only while a window of "
            "Kvantor2 has the focus. They work everywhere in an X11 session.");
    QCoreApplication::instance()->installNativeEventFilter(this);
    filtering_ = true;
}

XcbHotKeys::~XcbHotKeys() {
    if (filtering_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    // Grabs end with the connection; while it lives, give them back.
    if (connection_ && QCoreApplication::instance()) {
        for (const Grab& g : grabs_) ungrab(g);
        xcb_flush(static_cast<xcb_connection_t*>(connection_));
    }
}

void XcbHotKeys::setHandler(Handler handler) {
    handler_ = std::move(handler);
}

QString XcbHotKeys::unavailableReason() const {
    return reason_;
}

void XcbHotKeys::readModifierMap() {
    auto* c = static_cast<xcb_connection_t*>(connection_);
    altMask_ = XCB_MOD_MASK_1;
    superMask_ = XCB_MOD_MASK_4;
    numLockMask_ = XCB_MOD_MASK_2;
    scrollLockMask_ = 0;
    auto mods = reply(xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
    if (!mods) return;
    const QList<std::uint8_t> alt = keycodesOf(c, XK_Alt_L), super = keycodesOf(c, XK_Super_L),
                              num = keycodesOf(c, XK_Num_Lock), scroll = keycodesOf(c, XK_Scroll_Lock);
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mods.get());
    const int perMod = mods->keycodes_per_modifier;
    // The five Mod masks (Shift, Lock and Control are fixed); a key that is
    // mapped to none of them leaves the usual mask in place.
    for (int mod = 3; mod < 8; ++mod) {
        const std::uint16_t mask = std::uint16_t(1u << mod);
        for (int i = 0; i < perMod; ++i) {
            const std::uint8_t code = codes[mod * perMod + i];
            if (code == 0) continue;
            if (alt.contains(code)) altMask_ = mask;
            if (super.contains(code)) superMask_ = mask;
            if (num.contains(code)) numLockMask_ = mask;
            if (scroll.contains(code)) scrollLockMask_ = mask;
        }
    }
}

QList<std::uint16_t> XcbHotKeys::lockVariants() const {
    const std::uint16_t locks[] = {std::uint16_t(XCB_MOD_MASK_LOCK), numLockMask_, scrollLockMask_};
    QList<std::uint16_t> variants{0};
    for (std::uint16_t lock : locks) {
        if (lock == 0) continue;
        const auto before = variants;
        for (std::uint16_t v : before)
            if (!variants.contains(std::uint16_t(v | lock))) variants << std::uint16_t(v | lock);
    }
    return variants;
}

bool XcbHotKeys::registerKey(int id, int modifiers, int virtualKey) {
    unregisterKey(id);
    if (!connection_) return false;
    const auto keysym = keysymOfVirtualKey(virtualKey);
    if (!keysym) return false;
    auto* c = static_cast<xcb_connection_t*>(connection_);
    readModifierMap();
    const QList<std::uint8_t> keycodes = keycodesOf(c, *keysym);
    if (keycodes.isEmpty()) return false;
    std::uint16_t mask = 0;
    if (modifiers & kModAlt) mask |= altMask_;
    if (modifiers & kModCtrl) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & kModShift) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & kModWin) mask |= superMask_;

    QList<Grab> made;
    bool refused = false;
    for (std::uint8_t code : keycodes) {
        made << Grab{id, code, mask};
        for (std::uint16_t lock : lockVariants()) {
            // Checked, so that a refusal (another client holds the key) is
            // seen here and not reported by Qt as a stray X error.
            xcb_void_cookie_t cookie = xcb_grab_key_checked(c, 0, root_, std::uint16_t(mask | lock), code,
                                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
                std::free(error);
                refused = true;
            }
        }
    }
    if (refused) {
        // Half a hot key (some lock states only) would be more confusing than none.
        for (const Grab& g : made) ungrab(g);
        xcb_flush(c);
        return false;
    }
    grabs_ << made;
    return true;
}

void XcbHotKeys::ungrab(const Grab& grab) {
    auto* c = static_cast<xcb_connection_t*>(connection_);
    for (std::uint16_t lock : lockVariants())
        xcb_ungrab_key(c, grab.keycode, root_, std::uint16_t(grab.modifiers | lock));
}

void XcbHotKeys::unregisterKey(int id) {
    if (!connection_) return;
    bool any = false;
    for (qsizetype i = grabs_.size() - 1; i >= 0; --i) {
        if (grabs_[i].id != id) continue;
        ungrab(grabs_[i]);
        grabs_.removeAt(i);
        any = true;
    }
    if (any) xcb_flush(static_cast<xcb_connection_t*>(connection_));
}

bool XcbHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (press->event != root_) return false;
    const std::uint16_t locks = std::uint16_t(XCB_MOD_MASK_LOCK) | numLockMask_ | scrollLockMask_;
    const std::uint16_t state = press->state & kModifierMasks & ~locks;
    for (const Grab& g : grabs_) {
        if (g.keycode != press->detail || g.modifiers != state) continue;
        // Run the action from the event loop, not from inside Qt's reading of
        // X events: it may well open a modal window with a loop of its own.
        const int id = g.id;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, id, alive = std::weak_ptr<int>(alive_)] {
                if (alive.expired() || !handler_) return;
                handler_(id);
            },
            Qt::QueuedConnection);
        break;
    }
    return false;
}

}  // namespace platform

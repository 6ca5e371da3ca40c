#pragma once
// Hot keys as passive key grabs on the X root window, over Qt's own xcb
// connection; one application-wide native event filter turns the grabbed key
// presses into identifiers.
#include <QAbstractNativeEventFilter>
#include <QList>
#include <cstdint>
#include <memory>

#include "platform/HotKeys.h"

namespace platform {

class XcbHotKeys : public HotKeys, private QAbstractNativeEventFilter {
public:
    XcbHotKeys();
    ~XcbHotKeys() override;

    void setHandler(Handler handler) override;
    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    QString unavailableReason() const override;

private:
    struct Grab {
        int id;
        std::uint8_t keycode;
        std::uint16_t modifiers;  // X modifier mask, without the lock keys
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    void ungrab(const Grab& grab);
    // X masks of the lock variants to grab with every key (Lock, NumLock, ScrollLock).
    QList<std::uint16_t> lockVariants() const;
    void readModifierMap();

    void* connection_ = nullptr;  // xcb_connection_t, owned by Qt
    std::uint32_t root_ = 0;
    bool filtering_ = false;
    Handler handler_;
    QList<Grab> grabs_;
    // X masks of the logical modifiers, read from the server's modifier map.
    std::uint16_t altMask_ = 0, superMask_ = 0, numLockMask_ = 0, scrollLockMask_ = 0;
    QString reason_;
    // Dropped with the object, so that presses still queued find it gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace platform

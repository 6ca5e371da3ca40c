#pragma once
// Hot keys that record what was registered and are "pressed" by the test:
//   platform::FakeHotKeys keys;          // in place while it lives
//   ...save the converter's hot key...
//   QCOMPARE(keys.registered.value(1135), (platform::FakeHotKeys::Key{1, 122}));
//   keys.press(1135);
#include <QList>
#include <QMap>
#include <QStringList>
#include <memory>

#include "platform/HotKeys.h"

namespace platform {

class FakeHotKeys : public HotKeys {
public:
    struct Key {
        int modifiers;
        int virtualKey;
        bool operator==(const Key&) const = default;
    };

    FakeHotKeys();
    ~FakeHotKeys() override;
    FakeHotKeys(const FakeHotKeys&) = delete;
    FakeHotKeys& operator=(const FakeHotKeys&) = delete;

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool registerKey(int id, int modifiers, int virtualKey) override;
    void unregisterKey(int id) override;
    QString unavailableReason() const override { return reason; }

    // Delivers a press of the hot key id, as the session would: only when it
    // is registered and a handler is set. False when nothing was delivered.
    bool press(int id);
    bool hasHandler() const { return bool(handler_); }

    QMap<int, Key> registered;   // by identifier
    QStringList calls;           // "register 1135 1 122", "unregister 1135", in order
    QList<int> held;             // identifiers another program holds: registering them fails
    QString reason;              // what unavailableReason() says

private:
    Handler handler_;
    std::shared_ptr<HotKeys> previous_;
};

}  // namespace platform

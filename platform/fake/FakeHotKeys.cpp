#include "platform/fake/FakeHotKeys.h"

namespace platform {

namespace {
// Stands in the accessor for this object without owning it.
struct Borrowed : HotKeys {
    explicit Borrowed(HotKeys& k) : keys(k) {}
    void setHandler(Handler h) override { keys.setHandler(std::move(h)); }
    bool registerKey(int id, int m, int vk) override { return keys.registerKey(id, m, vk); }
    void unregisterKey(int id) override { keys.unregisterKey(id); }
    QString unavailableReason() const override { return keys.unavailableReason(); }
    HotKeys& keys;
};
}  // namespace

FakeHotKeys::FakeHotKeys() : previous_(replaceHotKeys(std::make_shared<Borrowed>(*this))) {}

FakeHotKeys::~FakeHotKeys() { replaceHotKeys(std::move(previous_)); }

bool FakeHotKeys::registerKey(int id, int modifiers, int virtualKey) {
    calls << QStringLiteral("register %1 %2 %3").arg(id).arg(modifiers).arg(virtualKey);
    registered.remove(id);
    if (held.contains(id)) return false;
    registered.insert(id, Key{modifiers, virtualKey});
    return true;
}

void FakeHotKeys::unregisterKey(int id) {
    calls << QStringLiteral("unregister %1").arg(id);
    registered.remove(id);
}

bool FakeHotKeys::press(int id) {
    if (!registered.contains(id) || !handler_) return false;
    handler_(id);
    return true;
}

}  // namespace platform

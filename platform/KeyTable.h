#pragma once
// The keys a global hot key can use: 89 entries, each a display name, the
// Windows virtual-key code the settings store keeps, and the X keysym the key
// is grabbed by. The position in the list is what "NumKey" stores.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace platform {

struct HotKeyEntry {
    const char* name;
    int virtualKey;
    std::uint32_t keysym;
};

constexpr int kHotKeyCount = 89;

// Entry p of the list (0 to 88); null outside it.
const HotKeyEntry* hotKeyAt(int position);

// The 89 names in list order, as the drop-down lists show them.
QStringList hotKeyNames();

// The keysym of a virtual-key code of the list; none for any other code.
std::optional<std::uint32_t> keysymOfVirtualKey(int virtualKey);

}  // namespace platform

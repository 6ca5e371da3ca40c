#pragma once
// The key table of the fonts window: each key of the hot-key list beside the
// name a program uses for its virtual-key code.
#include <QString>
#include <vector>

namespace reference {

struct KeyRow {
    QString name;   // "Esc", "A", "Numpad0"
    QString value;  // "VK_ESCAPE", "0x41", "VK_NUMPAD0"
};

inline const QString kKeyNameTitle = QStringLiteral("Name key");
inline const QString kKeyValueTitle = QStringLiteral("Value key(programming language)");

// The 89 rows, in the hot-key list's order.
const std::vector<KeyRow>& keyTable();

}  // namespace reference

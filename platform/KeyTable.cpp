#include "platform/KeyTable.h"

#include <X11/keysym.h>

#include <array>

namespace platform {

namespace {

// Positions 0 to 22 and 69 to 88 are irregular and listed; the digits, the
// letters and the keypad digits follow their codes (keysyms of letters are
// the lower-case ones, which is what the keyboard map lists in column 0).
std::array<HotKeyEntry, kHotKeyCount> makeTable() {
    std::array<HotKeyEntry, kHotKeyCount> table{};
    int at = 0;
    auto add = [&](const char* name, int vk, std::uint32_t keysym) { table[at++] = {name, vk, keysym}; };
    add("Cancel", 3, XK_Cancel);
    add("Back", 8, XK_BackSpace);
    add("Tab", 9, XK_Tab);
    add("Clear", 12, XK_Clear);
    add("Return", 13, XK_Return);
    add("Pause", 19, XK_Pause);
    add("Capital", 20, XK_Caps_Lock);
    add("Esc", 27, XK_Escape);
    add("Space", 32, XK_space);
    add("Prior", 33, XK_Prior);
    add("Next", 34, XK_Next);
    add("End", 35, XK_End);
    add("Home", 36, XK_Home);
    add("Left", 37, XK_Left);
    add("Up", 38, XK_Up);
    add("Right", 39, XK_Right);
    add("Down", 40, XK_Down);
    add("Select", 41, XK_Select);
    add("Execute", 43, XK_Execute);
    add("Snapshot", 44, XK_Print);
    add("Insert", 45, XK_Insert);
    add("Delete", 46, XK_Delete);
    add("Help", 47, XK_Help);
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int n = 0; n < 10; ++n) add(digits[n], '0' + n, XK_0 + n);
    static const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                          "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (int n = 0; n < 26; ++n) add(letters[n], 'A' + n, XK_a + n);
    static const char* const numpad[] = {"Numpad0", "Numpad1", "Numpad2", "Numpad3", "Numpad4",
                                         "Numpad5", "Numpad6", "Numpad7", "Numpad8", "Numpad9"};
    for (int n = 0; n < 10; ++n) add(numpad[n], 96 + n, XK_KP_0 + n);
    add("Multiply", 106, XK_KP_Multiply);
    add("Add", 107, XK_KP_Add);
    add("Separator", 108, XK_KP_Separator);
    add("Subtract", 109, XK_KP_Subtract);
    add("Decimal", 110, XK_KP_Decimal);
    add("Divide", 111, XK_KP_Divide);
    static const char* const functions[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                            "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int n = 0; n < 12; ++n) add(functions[n], 112 + n, XK_F1 + n);
    add("Numlock", 144, XK_Num_Lock);
    add("Scroll", 145, XK_Scroll_Lock);
    return table;
}

const std::array<HotKeyEntry, kHotKeyCount>& table() {
    static const auto entries = makeTable();
    return entries;
}

}  // namespace

const HotKeyEntry* hotKeyAt(int position) {
    if (position < 0 || position >= kHotKeyCount) return nullptr;
    return &table()[position];
}

QStringList hotKeyNames() {
    QStringList names;
    for (const HotKeyEntry& e : table()) names << QString::fromLatin1(e.name);
    return names;
}

std::optional<std::uint32_t> keysymOfVirtualKey(int virtualKey) {
    for (const HotKeyEntry& e : table())
        if (e.virtualKey == virtualKey) return e.keysym;
    return std::nullopt;
}

}  // namespace platform

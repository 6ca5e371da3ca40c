// The key list of the hot keys: every entry's name, virtual-key code and the
// keysym it is grabbed by, the latter looked up by its X name through
// xkbcommon rather than taken from the same header as the table.
#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <QSet>
#include <optional>

#include "TestEnvironment.h"
#include "platform/HotKeys.h"
#include "platform/KeyTable.h"

namespace {

struct Expected {
    const char* name;
    int virtualKey;
    const char* keysymName;
};

// The list in its order; the positions are what the settings store as "NumKey".
const Expected kKeys[] = {
    {"Cancel", 3, "Cancel"},       {"Back", 8, "BackSpace"},     {"Tab", 9, "Tab"},
    {"Clear", 12, "Clear"},        {"Return", 13, "Return"},     {"Pause", 19, "Pause"},
    {"Capital", 20, "Caps_Lock"},  {"Esc", 27, "Escape"},        {"Space", 32, "space"},
    {"Prior", 33, "Prior"},        {"Next", 34, "Next"},         {"End", 35, "End"},
    {"Home", 36, "Home"},          {"Left", 37, "Left"},         {"Up", 38, "Up"},
    {"Right", 39, "Right"},        {"Down", 40, "Down"},         {"Select", 41, "Select"},
    {"Execute", 43, "Execute"},    {"Snapshot", 44, "Print"},    {"Insert", 45, "Insert"},
    {"Delete", 46, "Delete"},      {"Help", 47, "Help"},
    {"0", 48, "0"}, {"1", 49, "1"}, {"2", 50, "2"}, {"3", 51, "3"}, {"4", 52, "4"},
    {"5", 53, "5"}, {"6", 54, "6"}, {"7", 55, "7"}, {"8", 56, "8"}, {"9", 57, "9"},
    {"A", 65, "a"}, {"B", 66, "b"}, {"C", 67, "c"}, {"D", 68, "d"}, {"E", 69, "e"}, {"F", 70, "f"},
    {"G", 71, "g"}, {"H", 72, "h"}, {"I", 73, "i"}, {"J", 74, "j"}, {"K", 75, "k"}, {"L", 76, "l"},
    {"M", 77, "m"}, {"N", 78, "n"}, {"O", 79, "o"}, {"P", 80, "p"}, {"Q", 81, "q"}, {"R", 82, "r"},
    {"S", 83, "s"}, {"T", 84, "t"}, {"U", 85, "u"}, {"V", 86, "v"}, {"W", 87, "w"}, {"X", 88, "x"},
    {"Y", 89, "y"}, {"Z", 90, "z"},
    {"Numpad0", 96, "KP_0"},  {"Numpad1", 97, "KP_1"},  {"Numpad2", 98, "KP_2"},  {"Numpad3", 99, "KP_3"},
    {"Numpad4", 100, "KP_4"}, {"Numpad5", 101, "KP_5"}, {"Numpad6", 102, "KP_6"}, {"Numpad7", 103, "KP_7"},
    {"Numpad8", 104, "KP_8"}, {"Numpad9", 105, "KP_9"},
    {"Multiply", 106, "KP_Multiply"}, {"Add", 107, "KP_Add"},         {"Separator", 108, "KP_Separator"},
    {"Subtract", 109, "KP_Subtract"}, {"Decimal", 110, "KP_Decimal"}, {"Divide", 111, "KP_Divide"},
    {"F1", 112, "F1"}, {"F2", 113, "F2"}, {"F3", 114, "F3"},   {"F4", 115, "F4"},   {"F5", 116, "F5"},
    {"F6", 117, "F6"}, {"F7", 118, "F7"}, {"F8", 119, "F8"},   {"F9", 120, "F9"},   {"F10", 121, "F10"},
    {"F11", 122, "F11"}, {"F12", 123, "F12"},
    {"Numlock", 144, "Num_Lock"}, {"Scroll", 145, "Scroll_Lock"},
};

TEST(KeyTable, EveryEntryHasItsNameCodeAndKeysym) {
    ASSERT_EQ(std::size(kKeys), std::size_t(platform::kHotKeyCount));
    const QStringList names = platform::hotKeyNames();
    ASSERT_EQ(names.size(), platform::kHotKeyCount);
    for (int p = 0; p < platform::kHotKeyCount; ++p) {
        SCOPED_TRACE(testing::Message() << "position " << p << " (" << kKeys[p].name << ")");
        const platform::HotKeyEntry* entry = platform::hotKeyAt(p);
        ASSERT_NE(entry, nullptr);
        EXPECT_STREQ(entry->name, kKeys[p].name);
        EXPECT_EQ(names[p], QString::fromLatin1(kKeys[p].name));
        EXPECT_EQ(entry->virtualKey, kKeys[p].virtualKey);
        const xkb_keysym_t keysym = xkb_keysym_from_name(kKeys[p].keysymName, XKB_KEYSYM_NO_FLAGS);
        ASSERT_NE(keysym, xkb_keysym_t(XKB_KEY_NoSymbol)) << kKeys[p].keysymName;
        EXPECT_EQ(entry->keysym, keysym) << "expected " << kKeys[p].keysymName;
        // What the settings store keeps ("Key"N) leads back to the same key.
        EXPECT_EQ(platform::keysymOfVirtualKey(kKeys[p].virtualKey), std::optional<std::uint32_t>(keysym));
    }
}

TEST(KeyTable, CodesAndKeysymsAreDistinct) {
    // Two entries with one code would make "Key"N ambiguous; two with one
    // keysym would make two names grab the same key.
    QSet<int> codes;
    QSet<std::uint32_t> keysyms;
    for (int p = 0; p < platform::kHotKeyCount; ++p) {
        codes.insert(platform::hotKeyAt(p)->virtualKey);
        keysyms.insert(platform::hotKeyAt(p)->keysym);
    }
    EXPECT_EQ(codes.size(), platform::kHotKeyCount);
    EXPECT_EQ(keysyms.size(), platform::kHotKeyCount);
}

TEST(KeyTable, PositionsAndCodesOutsideTheListHaveNoKey) {
    EXPECT_EQ(platform::hotKeyAt(-1), nullptr);
    EXPECT_EQ(platform::hotKeyAt(platform::kHotKeyCount), nullptr);
    // Codes between and after the listed ones: Kana (21), Shift (16), the
    // Windows keys (91), F13 (124), a stored value a user edited (1000).
    for (int code : {0, 1, 16, 21, 42, 58, 64, 91, 95, 124, 143, 146, 1000, -122})
        EXPECT_FALSE(platform::keysymOfVirtualKey(code).has_value()) << code;
}

TEST(Session, WaylandIsToldByTheSessionTypeOrTheWaylandDisplay) {
    struct Case {
        const char* sessionType;
        const char* waylandDisplay;
        bool wayland;
    };
    const Case cases[] = {
        {nullptr, nullptr, false},     {"x11", nullptr, false},       {"tty", nullptr, false},
        {"wayland", nullptr, true},    {"Wayland", nullptr, true},    {nullptr, "wayland-0", true},
        {"x11", "wayland-0", true},    {"wayland", "", true},         {"", "", false},
    };
    for (const Case& c : cases) {
        EnvOverride sessionType("XDG_SESSION_TYPE", c.sessionType);
        EnvOverride waylandDisplay("WAYLAND_DISPLAY", c.waylandDisplay);
        EXPECT_EQ(platform::isWaylandSession(), c.wayland)
            << "XDG_SESSION_TYPE=" << (c.sessionType ? c.sessionType : "(unset)")
            << " WAYLAND_DISPLAY=" << (c.waylandDisplay ? c.waylandDisplay : "(unset)");
    }
}

}  // namespace

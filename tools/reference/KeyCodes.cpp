#include "tools/reference/KeyCodes.h"

#include <map>

#include "platform/KeyTable.h"

namespace reference {

namespace {

// The constants of winuser.h for the keys whose code is not their character.
const std::map<int, const char*>& namedKeys() {
    static const std::map<int, const char*> names = {
        {0x03, "VK_CANCEL"},   {0x08, "VK_BACK"},      {0x09, "VK_TAB"},      {0x0C, "VK_CLEAR"},
        {0x0D, "VK_RETURN"},   {0x13, "VK_PAUSE"},     {0x14, "VK_CAPITAL"},  {0x1B, "VK_ESCAPE"},
        {0x20, "VK_SPACE"},    {0x21, "VK_PRIOR"},     {0x22, "VK_NEXT"},     {0x23, "VK_END"},
        {0x24, "VK_HOME"},     {0x25, "VK_LEFT"},      {0x26, "VK_UP"},       {0x27, "VK_RIGHT"},
        {0x28, "VK_DOWN"},     {0x29, "VK_SELECT"},    {0x2B, "VK_EXECUTE"},  {0x2C, "VK_SNAPSHOT"},
        {0x2D, "VK_INSERT"},   {0x2E, "VK_DELETE"},    {0x2F, "VK_HELP"},     {0x6A, "VK_MULTIPLY"},
        {0x6B, "VK_ADD"},      {0x6C, "VK_SEPARATOR"}, {0x6D, "VK_SUBTRACT"}, {0x6E, "VK_DECIMAL"},
        {0x6F, "VK_DIVIDE"},   {0x90, "VK_NUMLOCK"},   {0x91, "VK_SCROLL"},
    };
    return names;
}

// Digits and letters are their own codes ("0x41"); keypad digits and
// function keys are numbered constants.
QString valueKey(int vk) {
    if (const auto named = namedKeys().find(vk); named != namedKeys().end()) return QString::fromLatin1(named->second);
    if (vk >= 0x60 && vk <= 0x69) return QStringLiteral("VK_NUMPAD%1").arg(vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87) return QStringLiteral("VK_F%1").arg(vk - 0x70 + 1);
    return QStringLiteral("0x%1").arg(vk, 2, 16, QLatin1Char('0'));
}

}  // namespace

const std::vector<KeyRow>& keyTable() {
    static const std::vector<KeyRow> rows = [] {
        std::vector<KeyRow> made;
        for (int p = 0; p < platform::kHotKeyCount; ++p) {
            const platform::HotKeyEntry* key = platform::hotKeyAt(p);
            made.push_back({QString::fromLatin1(key->name), valueKey(key->virtualKey)});
        }
        return made;
    }();
    return rows;
}

}  // namespace reference

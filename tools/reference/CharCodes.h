#pragma once
// The character grid's codes and what is shown of the character picked in
// it: its text, its "Alt +0" keyboard entry, its codes, its Unicode name.
#include <QString>

namespace reference {

class UnicodeNames;

// The grid: 7 rows of 32, codes 32 to 255 in reading order.
constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kGridColumns = 32;
constexpr int kGridRows = 7;

constexpr int gridCode(int row, int column) { return kFirstCode + row * kGridColumns + column; }

// The one-character text of a code in code page 1252; "" for the undefined
// codes, which have no character to show.
QString characterText(int code);

struct CharacterCode {
    int code = 0;
    QString text;     // the character ("" when its code is undefined)
    QString entry;    // the character below 128, else "Alt +0" and the code
    QString hex;      // upper-case, at least three digits: "020", "0FF"
    QString decimal;  // "32"
    QString unicode;  // "U+00A9 COPYRIGHT SIGN", or why there is no character
};

// What the window shows of the character with `code` (32 to 255).
CharacterCode characterCode(int code, const UnicodeNames& names);

// The code a command-line argument names: one character of code page 1252
// ("7" is the digit), "U+" and its Unicode code point, "0x" and a
// hexadecimal code, or a decimal code; codes from 32 to 255 only. Throws
// kv::Error with the reason otherwise.
int readCharacterArgument(const QString& argument);

}  // namespace reference

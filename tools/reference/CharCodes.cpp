#include "tools/reference/CharCodes.h"

#include <QList>

#include "core/Error.h"
#include "core/NumberRead.h"
#include "tools/reference/CodePage1252.h"
#include "tools/reference/UnicodeNames.h"

namespace reference {

QString characterText(int code) {
    const auto codePoint = cp1252ToUnicode(code);
    if (!codePoint) return {};
    const char32_t one[] = {*codePoint};
    return QString::fromUcs4(one, 1);
}

CharacterCode characterCode(int code, const UnicodeNames& names) {
    CharacterCode c;
    c.code = code;
    c.text = characterText(code);
    // Above 127 the keyboard's way to a character is its code typed on the
    // numeric keypad with Alt held and a leading zero (the code page's byte).
    c.entry = code < 128 ? c.text : QStringLiteral("Alt +0") + QString::number(code);
    c.hex = QString::number(code, 16).toUpper().rightJustified(3, QLatin1Char('0'));
    c.decimal = QString::number(code);
    const auto codePoint = cp1252ToUnicode(code);
    c.unicode = codePoint ? describeCodePoint(*codePoint, names)
                          : QStringLiteral("Code %1 is not defined in code page 1252").arg(code);
    return c;
}

namespace {

int fromCodePoint(char32_t codePoint, const QString& argument) {
    const auto code = unicodeToCp1252(codePoint);
    if (!code) throw kv::Error("'" + argument.toStdString() + "' is not a character of code page 1252");
    return *code;
}

std::optional<uint> readHex(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    // toUInt would take a sign and blanks too: only hexadecimal digits count here.
    for (QChar d : digits)
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(d)) return std::nullopt;
    return digits.toUInt(nullptr, 16);
}

}  // namespace

int readCharacterArgument(const QString& argument) {
    const QList<uint> codePoints = argument.toUcs4();
    int code = 0;
    const bool unicode = argument.startsWith(QLatin1String("U+"), Qt::CaseInsensitive);
    // However it is written, a character outside the window's range (a
    // control character) is refused alike.
    if (codePoints.size() == 1) {
        code = fromCodePoint(codePoints.front(), argument);
    } else if (unicode || argument.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const auto value = readHex(argument.mid(2));
        if (!value) throw kv::Error("'" + argument.toStdString() + "' is not a valid hexadecimal value");
        if (unicode && *value > 0x10FFFF)
            throw kv::Error("'" + argument.toStdString() + "' is not a Unicode code point");
        code = unicode ? fromCodePoint(*value, argument) : *value > 0xFFFF ? 0x10000 : static_cast<int>(*value);
    } else {
        code = kv::readInteger(argument.toStdString());
    }
    if (code < kFirstCode || code > kLastCode)
        throw kv::Error("'" + argument.toStdString() + "' is not a code from 32 to 255");
    return code;
}

}  // namespace reference

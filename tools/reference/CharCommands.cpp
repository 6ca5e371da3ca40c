#include "tools/reference/CharCommands.h"

#include <algorithm>
#include <ostream>

#include "tools/reference/CharCodes.h"
#include "tools/reference/KeyCodes.h"
#include "tools/reference/UnicodeNames.h"

namespace reference {

void runCharCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const int code = readCharacterArgument(args.front());
    // The window's captions, each with what it shows beside it.
    const CharacterCode c = characterCode(code, installedUnicodeNames());
    out << "Character: " << c.text.toStdString() << "\n"
        << "Selected char: " << c.entry.toStdString() << "\n"
        << "Hex : " << c.hex.toStdString() << "\n"
        << "Decimal value: " << c.decimal.toStdString() << "\n"
        << "Unicode: " << c.unicode.toStdString() << "\n";
}

void runKeysCommand(const QStringList&, std::ostream& out, std::ostream&) {
    qsizetype width = kKeyNameTitle.size();
    for (const KeyRow& row : keyTable()) width = std::max(width, row.name.size());
    auto line = [&](const QString& name, const QString& value) {
        out << name.leftJustified(width + 2).toStdString() << value.toStdString() << "\n";
    };
    line(kKeyNameTitle, kKeyValueTitle);
    for (const KeyRow& row : keyTable()) line(row.name, row.value);
}

}  // namespace reference

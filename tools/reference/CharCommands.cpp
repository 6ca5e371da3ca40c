#include "tools/reference/CharCommands.h"

#include <algorithm>
#include <ostream>

#include "core/Error.h"
#include "tools/reference/CharCodes.h"
#include "tools/reference/KeyCodes.h"
#include "tools/reference/UnicodeNames.h"

namespace reference {

int runCharCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "Usage: Kvantor2 char CODE|CHARACTER\n";
        return 2;
    }
    int code = 0;
    try {
        code = readCharacterArgument(args.front());
    } catch (const kv::Error& e) {
        err << e.what() << "\n";
        return 1;
    }
    // The window's captions, each with what it shows beside it.
    const CharacterCode c = characterCode(code, installedUnicodeNames());
    out << "Character: " << c.text.toStdString() << "\n"
        << "Selected char: " << c.entry.toStdString() << "\n"
        << "Hex : " << c.hex.toStdString() << "\n"
        << "Decimal value: " << c.decimal.toStdString() << "\n"
        << "Unicode: " << c.unicode.toStdString() << "\n";
    return 0;
}

int runKeysCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (!args.isEmpty()) {
        err << "keys takes no arguments\n";
        return 2;
    }
    qsizetype width = kKeyNameTitle.size();
    for (const KeyRow& row : keyTable()) width = std::max(width, row.name.size());
    auto line = [&](const QString& name, const QString& value) {
        out << name.leftJustified(width + 2).toStdString() << value.toStdString() << "\n";
    };
    line(kKeyNameTitle, kKeyValueTitle);
    for (const KeyRow& row : keyTable()) line(row.name, row.value);
    return 0;
}

}  // namespace reference

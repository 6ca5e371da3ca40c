#include "tools/reference/CommandRows.h"

#include "tools/reference/CharCommands.h"
#include "tools/reference/ElementText.h"
#include "tools/reference/HardnessCommand.h"
#include "tools/reference/PhisText.h"
#include "tools/reference/RefTables.h"

namespace reference {

using kv::kAnyCount;

const std::vector<kv::CommandRow>& commandRows() {
    static const std::vector<kv::CommandRow> rows = {
        {"constants", 0, kAnyCount, "constants [TEXT]",
         "list the physical constants (those whose name contains TEXT)", runConstantsCommand, "TEXT"},
        // A table number other than 1 to 5 is bad usage, as a wrong count is.
        {"hardness", 0, 1, "hardness [TABLE]",
         "list the steel hardness tables, or show table 1 to 5 with its headings", runHardnessCommand,
         "TABLE"},
        {"reftable", 0, kAnyCount, "reftable [TOPIC]",
         "list the reference tables, or print one (TOPIC: its title or part of it)", runRefTableCommand,
         "TOPIC..."},
        {"element", 1, kAnyCount, "element SYMBOL|NUMBER|NAME", "an element's data as the periodic table shows them",
         runElementCommand, "SYMBOL|NUMBER|NAME"},
        {"elements", 0, 0, "elements", "list the chemical elements: number, symbol, name, mass",
         runElementsCommand},
        {"char", 1, 1, "char CODE|CHARACTER",
         "a character of code page 1252 (code 32..255, 0x hex, U+ code point or the character itself): its "
         "keyboard entry, codes and Unicode name",
         runCharCommand, "CODE"},
        {"keys", 0, 0, "keys", "the key names beside the names programs use for them", runKeysCommand},
    };
    return rows;
}

}  // namespace reference

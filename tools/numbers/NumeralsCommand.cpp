#include "tools/numbers/NumeralsCommand.h"

#include <ostream>

#include "tools/numbers/Numerals.h"

namespace numbers {

void runNumeralsCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    NumeralsBoxes boxes;
    boxes.number = args[0].toStdString();
    if (args.size() == 2) boxes.base = args[1].toStdString();
    try {
        convertNumerals(boxes);
    } catch (...) {
        // The window keeps what it filled before its message.
        out << boxes.roman << "\n" << boxes.inBase << "\n" << boxes.words << "\n";
        throw;
    }
    out << boxes.roman << "\n" << boxes.inBase << "\n" << boxes.words << "\n";
}

}  // namespace numbers

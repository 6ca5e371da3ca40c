#include "tools/numbers/NumeralsCommand.h"

#include <exception>
#include <ostream>

#include "tools/numbers/Numerals.h"

namespace numbers {

int runNumeralsCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 1 || args.size() > 2) {
        err << "Usage: Kvantor2 numerals N [BASE]\n";
        return 2;
    }
    NumeralsBoxes boxes;
    boxes.number = args[0].toStdString();
    if (args.size() == 2) boxes.base = args[1].toStdString();
    int status = 0;
    try {
        convertNumerals(boxes);
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        status = 1;
    }
    out << boxes.roman << "\n" << boxes.inBase << "\n" << boxes.words << "\n";
    return status;
}

}  // namespace numbers

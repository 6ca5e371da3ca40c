#include "tools/reference/HardnessCommand.h"

#include <ostream>

#include "platform/ProgramDir.h"
#include "tools/reference/HardnessTables.h"

namespace reference {

namespace {

void openBeside(dbase::Table& t, const char* file, const char* order) {
    t.setFileName((platform::programDir() + QString::fromLatin1(file)).toStdString());
    t.open();
    t.setIndexFieldNames(order);
}

}  // namespace

int runHardnessCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.isEmpty()) {
        for (int k = 0; k < kHardnessTableCount; ++k)
            out << k + 1 << "  " << hardnessTitle(k).toStdString() << "\n";
        return 0;
    }
    bool isNumber = false;
    const int number = args.join(QLatin1Char(' ')).trimmed().toInt(&isNumber);
    if (args.size() != 1 || !isNumber || number < 1 || number > kHardnessTableCount) {
        err << "There is no hardness table \"" << args.join(QLatin1Char(' ')).toStdString()
            << "\"; give a number from 1 to " << kHardnessTableCount << " (\"hardness\" lists them)\n";
        return 1;
    }
    try {
        // Tables of its own, in the window's orders, so no window's cursor moves.
        dbase::Table rvb, pan, nam;
        openBeside(rvb, "rvb.dbf", "FIELD1");
        openBeside(pan, "pan.dbf", "NUM");
        openBeside(nam, "nam_1.dbf", "NUM");
        const int item = number - 1;
        const std::vector<HeadingBox> boxes = readHeadingBoxes(pan, nam, item);
        for (const QString& line : hardnessTableText(boxes, readHardnessRows(rvb, item), item))
            out << line.toStdString() << "\n";
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace reference

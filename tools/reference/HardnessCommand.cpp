#include "tools/reference/HardnessCommand.h"

#include <ostream>
#include <string>

#include "core/Command.h"
#include "data/TableFolder.h"
#include "tools/reference/HardnessTables.h"

namespace reference {

namespace {

void openBeside(dbase::Table& t, const char* file, const char* order) {
    data::openTable(t, file);
    t.setIndexFieldNames(order);
}

}  // namespace

void runHardnessCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    if (args.isEmpty()) {
        for (int k = 0; k < kHardnessTableCount; ++k)
            out << k + 1 << "  " << hardnessTitle(k).toStdString() << "\n";
        return;
    }
    bool isNumber = false;
    const int number = args[0].trimmed().toInt(&isNumber);
    // The table is chosen by its number, as a bad count would be: bad usage.
    if (!isNumber || number < 1 || number > kHardnessTableCount)
        throw kv::UsageError("There is no hardness table \"" + args[0].toStdString() + "\"; give a number from 1 to " +
                             std::to_string(kHardnessTableCount) + " (\"hardness\" lists them)");
    // Tables of its own, in the window's orders, so no window's cursor moves.
    dbase::Table rvb, pan, nam;
    openBeside(rvb, "rvb.dbf", "FIELD1");
    openBeside(pan, "pan.dbf", "NUM");
    openBeside(nam, "nam_1.dbf", "NUM");
    const int item = number - 1;
    const std::vector<HeadingBox> boxes = readHeadingBoxes(pan, nam, item);
    for (const QString& line : hardnessTableText(boxes, readHardnessRows(rvb, item), item))
        out << line.toStdString() << "\n";
}

}  // namespace reference

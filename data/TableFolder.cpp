#include "data/TableFolder.h"

#include "platform/ProgramDir.h"

namespace data {

namespace {

QString& chosenFolder() {
    static QString folder;
    return folder;
}

}  // namespace

QString tableFolder() { return chosenFolder().isEmpty() ? platform::programDir() : chosenFolder(); }

void setTableFolder(const QString& dir) { chosenFolder() = dir; }

void openTable(dbase::Table& table, const char* name) {
    table.setFileName((tableFolder() + QString::fromUtf8(name)).toStdString());
    table.open();
}

}  // namespace data

#include "data/DM.h"

#include "core/HandlerGuard.h"
#include "data/UserTables.h"
#include "platform/ProgramDir.h"

TDM* DM = nullptr;

TDM::TDM(QObject* parent) : QObject(parent) { DMCreate(); }

TDM::TDM(const QString& dir, QObject* parent) : QObject(parent) { openTables(dir); }

TDM::~TDM() {
    // Details first, so no master notifies a table that is already gone.
    Table6.setMasterSource(nullptr, "");
    for (int k = 8; k >= 0; --k) table(k).close();
}

dbase::Table& TDM::table(int k) {
    std::array<dbase::Table*, 9> all = {&Table1, &Table2, &Table3, &Table4, &Table5,
                                        &Table6, &Table7, &Table8, &Table9};
    return *all.at(static_cast<size_t>(k));
}

void TDM::DMCreate() { openTables(platform::programDir()); }

void TDM::openTables(const QString& dir) {
    folder_ = dir;
    for (int k = 0; k < 9; ++k) {
        const QString name = QString::fromLatin1(kFileNames[k]);
        table(k).setFileName((k == kEditableTable ? data::tableFile(dir, name) : dir + name).toStdString());
    }
    // The program's folder is never written to: the first edit moves the
    // table to the user's own copy.
    table(kEditableTable).setWriteRedirect(data::moveToUserCopy);
    // Each table opens on its own: one damaged file closes only its own table,
    // and every other window keeps its data. The failures are shown together,
    // and start-up goes on.
    for (int k = 0; k < 9; ++k) {
        try {
            openTable(k);
        } catch (const std::exception& e) {
            table(k).close();
            openErrors_.at(static_cast<size_t>(k)) = e.what();
        }
    }
    const std::string failures = openError();
    if (!failures.empty()) kv::showError(failures);
}

std::string TDM::openError() const {
    std::string all;
    for (const std::string& e : openErrors_) {
        if (e.empty()) continue;
        if (!all.empty()) all += '\n';
        all += e;
    }
    return all;
}

void TDM::openTable(int k) {
    dbase::Table& t = table(k);
    t.open();
    switch (k) {
        case 0:  // units: by position in their category, filtering on with no text
            t.setIndexName("NUMBER");
            t.setFilter("");
            t.setFiltered(true);
            break;
        case 1: t.setIndexFieldNames("CLASS"); break;
        case 2:
        case 3:
        case 4: t.setIndexFieldNames("NAME"); break;
        case 5:  // headings follow the chosen reference table
            t.setIndexName("IND");
            t.setMasterSource(&Table4, "INDEX");
            break;
        case 6: t.setIndexFieldNames("FIELD1"); break;
        case 7:
        case 8: t.setIndexFieldNames("NUM"); break;
    }
}

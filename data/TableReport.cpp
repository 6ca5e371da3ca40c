#include "data/TableReport.h"

#include <exception>
#include <sstream>

#include "core/HandlerGuard.h"
#include "data/DM.h"

namespace {

void describeOpenTable(std::ostringstream& out, const dbase::Table& t) {
    out << "opened, " << t.physicalRecordCount() << " records, code page " << t.codePage() << "\n";
    out << "  file: " << t.fileName() << "\n";
    out << "  fields:";
    for (const dbase::FieldDef& f : t.fields()) {
        out << " " << f.name << " " << f.type << "(" << f.length;
        if (f.decimals != 0) out << "," << f.decimals;
        out << ")";
    }
    out << "\n";
    if (!t.tags().empty()) {
        out << "  tags:";
        for (const dbase::TagInfo& tag : t.tags()) {
            out << " " << tag.name << " (" << tag.expression << (tag.descending ? ", descending" : "")
                << (tag.unique ? ", unique" : "") << ")";
        }
        out << "\n";
    }
}

}  // namespace

TableReport reportTables(const QString& dir) {
    // The report carries the opening errors itself; no message box for them.
    kv::ErrorSink previous = kv::setErrorSink([](const std::string&) {});
    TDM dm(dir, nullptr);
    kv::setErrorSink(previous);

    TableReport report;
    std::ostringstream out;
    bool failedSeen = false;
    for (int k = 0; k < 9; ++k) {
        const dbase::Table& t = dm.table(k);
        out << TDM::kFileNames[k] << ": ";
        if (t.active()) {
            describeOpenTable(out, t);
        } else {
            failedSeen = true;
            out << "NOT OPENED: " << dm.openError(k) << "\n";
        }
    }
    // The periodic table opens its own two tables, by their NUMBER tag.
    for (const char* name : {"elements.dbf", "all.dbf"}) {
        dbase::Table t;
        t.setFileName((dir + QLatin1String(name)).toStdString());
        out << name << ": ";
        try {
            t.open();
            t.setIndexName("NUMBER");
            describeOpenTable(out, t);
        } catch (const std::exception& e) {
            failedSeen = true;
            out << "NOT OPENED: " << e.what() << "\n";
        }
    }
    report.text = out.str();
    report.allOpen = !failedSeen;
    return report;
}

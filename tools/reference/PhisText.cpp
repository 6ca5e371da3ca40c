#include "tools/reference/PhisText.h"

#include <ostream>

#include "data/UserTables.h"
#include "platform/ProgramDir.h"

namespace reference {

QString constantLine(const dbase::Table& table) {
    auto field = [&](const char* name) { return QString::fromStdString(table.asString(name)); };
    return field("NAME") + QLatin1Char(' ') + field("VALUE") + QLatin1Char(' ') + field("CHAR_VIEW");
}

QStringList constantLines(const std::string& path, const QString& text) {
    dbase::Table table;
    table.setFileName(path);
    table.open();
    // The same order as the window's, so a listing reads like the grid.
    table.setIndexFieldNames("NAME");
    QStringList lines;
    for (table.first(); !table.eof(); table.next()) {
        if (QString::fromStdString(table.asString("NAME")).contains(text, Qt::CaseInsensitive))
            lines << constantLine(table);
    }
    return lines;
}

int runConstantsCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    const QString text = args.join(QLatin1Char(' '));
    QStringList lines;
    try {
        // The user's edited copy, when there is one, is what the window shows too.
        lines = constantLines(data::tableFile(platform::programDir(), QStringLiteral("phcont.dbf")).toStdString(), text);
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 1;
    }
    if (lines.isEmpty()) {
        err << "No constant's name contains \"" << text.toStdString() << "\"\n";
        return 1;
    }
    for (const QString& line : lines) out << line.toStdString() << "\n";
    return 0;
}

}  // namespace reference

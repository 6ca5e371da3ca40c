#include "tools/reference/PhisText.h"

#include <ostream>

#include "core/Error.h"
#include "data/TableFolder.h"
#include "data/UserTables.h"

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

void runConstantsCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    const QString text = args.join(QLatin1Char(' '));
    // The user's edited copy, when there is one, is what the window shows too.
    const QStringList lines =
        constantLines(data::tableFile(data::tableFolder(), QStringLiteral("phcont.dbf")).toStdString(), text);
    if (lines.isEmpty()) throw kv::Error("No constant's name contains \"" + text.toStdString() + "\"");
    for (const QString& line : lines) out << line.toStdString() << "\n";
}

}  // namespace reference

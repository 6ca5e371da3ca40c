#include "tools/reference/RefTables.h"

#include <algorithm>
#include <ostream>

#include "core/Error.h"
#include "data/TableFolder.h"

namespace reference {

namespace {

QString text(const dbase::Table& table, int field) { return QString::fromStdString(table.asString(field)); }

[[noreturn]] void refuse(const QString& title, const QString& why) {
    throw kv::Error(QStringLiteral("The reference table \"%1\" cannot be shown: %2").arg(title, why).toStdString());
}

// Fields 1..columns of the current row.
QStringList rowCells(const dbase::Table& table, int columns) {
    QStringList cells;
    for (int c = 0; c < columns; ++c) cells << text(table, c + 1);
    return cells;
}

}  // namespace

QStringList topicTitles(dbase::Table& names) {
    QStringList titles;
    for (names.first(); !names.eof(); names.next()) titles << QString::fromStdString(names.asString("NAME"));
    return titles;
}

RefGrid loadTopic(dbase::Table& names, dbase::Table& body, dbase::Table& heads, const QString& title) {
    if (!names.findKey(title.toStdString())) refuse(title, QStringLiteral("no topic has this title"));
    RefGrid grid;
    grid.title = title;
    grid.columns = static_cast<int>(names.asInteger("KOL"));
    grid.font = QString::fromStdString(names.asString("FON"));
    const long long index = names.asInteger("INDEX");
    if (grid.columns < 1) refuse(title, QStringLiteral("its number of columns (KOL) is %1").arg(grid.columns));
    for (const dbase::Table* table : {&body, &heads}) {
        const auto fields = static_cast<int>(table->fields().size());
        if (fields < grid.columns + 1)
            refuse(title, QStringLiteral("it has %1 columns but %2 holds only %3 after INDEX")
                              .arg(grid.columns)
                              .arg(QString::fromStdString(table->fileName()).section(QLatin1Char('/'), -1))
                              .arg(fields - 1));
    }
    const std::string filter = "INDEX=" + std::to_string(index);
    heads.first();
    heads.setFilter(filter);
    heads.setFiltered(true);
    heads.first();
    // A topic without a heading record shows blank headings.
    grid.headings = heads.eof() ? QStringList(grid.columns, QString()) : rowCells(heads, grid.columns);
    body.setFilter(filter);
    body.setFiltered(true);
    for (body.first(); !body.eof(); body.next()) grid.rows << rowCells(body, grid.columns);
    return grid;
}

QString rowCopyLine(const QStringList& headings, const QStringList& cells) {
    QString line = QStringLiteral(" ");
    for (qsizetype j = 0; j < cells.size(); ++j)
        line += QLatin1Char(' ') + headings.value(j) + QLatin1Char('=') + cells[j];
    return line;
}

QString gridText(const RefGrid& grid) {
    QList<QStringList> lines = grid.rows;
    lines.prepend(grid.headings);
    QList<qsizetype> widths(grid.columns, 0);
    for (const QStringList& cells : lines)
        for (int c = 0; c < grid.columns; ++c) widths[c] = std::max(widths[c], cells.value(c).size());
    QString out;
    for (const QStringList& cells : lines) {
        QString line;
        for (int c = 0; c < grid.columns; ++c) {
            if (c > 0) line += QStringLiteral("  ");
            line += cells.value(c).leftJustified(widths[c]);
        }
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

namespace {

// The one title `wanted` names: itself (letter case ignored) or the only
// title containing it.
QString pickTitle(const QStringList& titles, const QString& wanted) {
    for (const QString& t : titles)
        if (t.compare(wanted, Qt::CaseInsensitive) == 0) return t;
    QStringList matches;
    for (const QString& t : titles)
        if (t.contains(wanted, Qt::CaseInsensitive)) matches << t;
    if (matches.size() == 1) return matches.front();
    if (matches.isEmpty()) throw kv::Error("No reference table's title contains \"" + wanted.toStdString() + "\"");
    throw kv::Error("\"" + wanted.toStdString() + "\" names several reference tables:\n  " +
                    matches.join(QStringLiteral("\n  ")).toStdString());
}

void openTable(dbase::Table& table, const char* file, const std::string& order) {
    data::openTable(table, file);
    table.setIndexFieldNames(order);
}

}  // namespace

void runRefTableCommand(const QStringList& args, std::ostream& out, std::ostream&) {
    // The command's own tables, ordered as the data module orders them.
    dbase::Table names, body, heads;
    openTable(names, "all_name.DBF", "NAME");
    const QStringList titles = topicTitles(names);
    if (args.isEmpty()) {
        for (const QString& t : titles) out << t.toStdString() << "\n";
        return;
    }
    const QString title = pickTitle(titles, args.join(QLatin1Char(' ')));
    openTable(body, "all_db.dbf", "NAME");
    openTable(heads, "all_z.dbf", "");
    out << gridText(loadTopic(names, body, heads, title)).toStdString();
}

}  // namespace reference

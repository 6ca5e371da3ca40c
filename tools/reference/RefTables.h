#pragma once
// The reference tables' topics without widgets: a topic's grid as the
// reference tables window fills it from the three tables (the topic record,
// its heading record and its body rows, columns taken by field position),
// the copy line of a row, and `Kvantor2 reftable [TOPIC]`.
#include <QList>
#include <QString>
#include <QStringList>
#include <iosfwd>

#include "data/dbase/Table.h"

namespace reference {

// One topic as its grid shows it.
struct RefGrid {
    QString title;
    QString font;                // FON: the grid's face
    int columns = 0;             // KOL
    QStringList headings;        // row 0, one text per column
    QList<QStringList> rows;     // rows 1..n, each `columns` texts long
};

// The topic titles of `names` (all_name.DBF) in its current order.
QStringList topicTitles(dbase::Table& names);

// Reads topic `title`: finds it by key in `names` (ordered by NAME), filters
// `body` (all_db.dbf) and `heads` (all_z.dbf) on "INDEX=" and its number, and
// reads row 0 from the heading record and rows 1..n from the body rows, the
// cells of column c from field position c + 1. The filters stay on, as the
// window leaves them. Throws kv::Error naming the topic when no record has
// that title, when its KOL is below 1 or when a row table has fewer than
// KOL + 1 fields; dbase::DbfError when a table is closed.
RefGrid loadTopic(dbase::Table& names, dbase::Table& body, dbase::Table& heads, const QString& title);

// The copy line of a whole row: one space, then for each column one space,
// the heading, "=" and the cell (" d=5 D=10").
QString rowCopyLine(const QStringList& headings, const QStringList& cells);

// The grid as aligned text, headings first: each column as wide as its
// widest text, two spaces between columns, no trailing blanks.
QString gridText(const RefGrid& grid);

// `Kvantor2 reftable [TOPIC]`: without TOPIC the topic titles, one a line;
// with it (several words are joined by single spaces) that topic's grid as
// aligned text. TOPIC is a title or a part of one title (letter case
// ignored). Throws when no title or several fit, or a table cannot be read.
void runRefTableCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace reference

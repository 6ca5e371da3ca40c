#pragma once
// The physical constants as lines of text: the line the constants window puts
// on the clipboard, and the command-line listing built from the same lines.
#include <QString>
#include <QStringList>
#include <iosfwd>
#include <string>

#include "data/dbase/Table.h"

namespace reference {

// NAME, VALUE and CHAR_VIEW of the table's current row, one space between
// them (an empty symbol leaves the trailing space). Throws dbase::DbfError
// when the table is closed or has no current row.
QString constantLine(const dbase::Table& table);

// The lines of the constants in the table file `path`, in NAME order, whose
// name contains `text` (letter case ignored; "" matches every constant).
// Opens its own table, so no window's cursor moves. Throws dbase::DbfError
// when the file cannot be read.
QStringList constantLines(const std::string& path, const QString& text);

// `Kvantor2 constants [TEXT]`: the lines of the constants beside the program.
// Several words are taken as one text joined by single spaces. Throws when
// nothing matches or the table cannot be read.
void runConstantsCommand(const QStringList& args, std::ostream& out, std::ostream& notes);

}  // namespace reference

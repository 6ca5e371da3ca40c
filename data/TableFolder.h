#pragma once
// Where the commands find the reference tables, and the one way they open
// one: beside the program, unless a test has put another folder in its place.
#include <QString>
#include <string>

#include "data/dbase/Table.h"

namespace data {

// The folder the tables are read from, with a trailing separator: the
// program's own unless set.
QString tableFolder();
// Reads the tables from `dir` (with its trailing separator) from now on; ""
// goes back to the program's folder.
void setTableFolder(const QString& dir);

// Opens table `name` (a file name such as "rvb.dbf") from the table folder,
// in its file order. A missing or damaged table throws dbase::DbfError
// naming the file and what is wrong with it.
void openTable(dbase::Table& table, const char* name);

}  // namespace data

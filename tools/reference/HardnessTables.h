#pragma once
// The steel hardness tables without widgets: the five tables' titles and grid
// layout, their heading boxes (places from pan.dbf, texts from nam_1.dbf) and
// rows (rvb.dbf), and the text the command prints.
//
// The three tables number the five hardness tables 1 to 5 in their field NUM;
// item k of the window's list is NUM k + 1.
#include <QString>
#include <QStringList>
#include <vector>

#include "data/dbase/Table.h"

namespace reference {

constexpr int kHardnessTableCount = 5;
// A table has at most this many heading boxes; records beyond them are ignored.
constexpr int kHeadingBoxCount = 11;
// The grid as designed: its width, and where its first column starts within
// the panel that holds the boxes (the heading boxes are placed against it).
constexpr int kHardnessGridWidth = 777;
constexpr int kHardnessFirstColumnLeft = 6;

// Item k's title in the list (k from 0); throws kv::Error outside 0..4.
QString hardnessTitle(int item);
// Item k's number of grid columns.
int hardnessColumnCount(int item);
// The width of each grid column of item k in a grid `gridWidth` pixels wide.
int hardnessColumnWidth(int item, int gridWidth);

// Switches filtering on for `t` and selects item k's records ("NUM=" k + 1),
// then moves to the first of them. Throws the table's own error when it is
// not open: a closed table would otherwise read as one without records.
void selectHardnessTable(dbase::Table& t, int item);
// Throws dbase::DbfError naming the table's file when it is not open.
void requireOpen(const dbase::Table& t);

struct HeadingBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    int colour = 0;  // COL as stored; 0..5 name colours, anything else none
    QString text;
};

// Filters pan.dbf and nam_1.dbf on item k's NUM (filtering switched on) and
// reads its heading boxes in pan's current order: box i takes its text from
// field i + 1 of nam_1's first record ("" when there is no such record or
// field). At most kHeadingBoxCount boxes. Leaves both tables on their first
// record of the table. Throws dbase::DbfError when a table is closed.
std::vector<HeadingBox> readHeadingBoxes(dbase::Table& pan, dbase::Table& nam, int item);

// Filters rvb.dbf on item k's NUM and reads its rows in the table's current
// order: the fields at positions 1 .. column count, as text ("" past the last
// field). Leaves the table on the table's first row.
std::vector<QStringList> readHardnessRows(dbase::Table& rvb, int item);

// The heading of each of item k's columns as one line: the texts of the
// visible boxes over the column's middle in the designed grid, top box
// first, joined by " / ".
QStringList columnHeadings(const std::vector<HeadingBox>& boxes, int item);

// Item k as the command prints it: the title, one line per column with its
// number and heading, a blank line, then the rows under the column numbers
// in aligned columns (each cell right-aligned, first column's padding dropped).
QStringList hardnessTableText(const std::vector<HeadingBox>& boxes, const std::vector<QStringList>& rows,
                              int item);

}  // namespace reference

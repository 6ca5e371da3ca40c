#pragma once
// The chemical elements as the periodic table reads them from elements.dbf
// and all.dbf, and where the short form places each of them.
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "data/dbase/Table.h"

namespace reference {

// A row of elements.dbf.
struct ElementRecord {
    int number = 0;
    QString letter;
    QString name;
    int x = 0;
    int y = 0;
    int color = 0;
    double mass = 0;
    QString valent;
    QString orbit;  // shell counts in three-character cells, outermost first
};

// A row of all.dbf, each field as its display text.
struct ElementDetails {
    QString tip, time, dis, halftime, density, boilPoint, melPoint, electro, energ, oxi;
};

ElementRecord readElementRecord(const dbase::Table& table);    // the current row
ElementDetails readElementDetails(const dbase::Table& table);  // the current row

// Every row of an open elements.dbf by NUMBER; leaves the cursor where it was.
std::map<int, ElementRecord> readElementRecords(dbase::Table& table);

// The short form: ten rows of eleven columns in the main block, then the
// lanthanoid row 11 and the actinoid row 12 of fourteen columns each.
constexpr int kMainRows = 10;
constexpr int kMainColumns = 11;
constexpr int kSeriesColumns = 14;

struct ElementPlace {
    int number = 0;
    int x = 0;  // column from 1
    int y = 0;  // row from 1; 11 and 12 are the series rows
};

// Where each element stands. The main block is walked in reading order and
// takes the next atomic number only where its record's X and Y name that
// cell (58-71 and 90-103 are skipped), so a missing or misplaced record
// leaves the rest of the block empty. The series rows take 58-71, then
// 90-103, by number alone, as long as the records go on. Elements that find
// no cell (111 onward) have no place.
std::vector<ElementPlace> placeElements(const std::map<int, ElementRecord>& records);

// The record whose symbol or name is `key` (letter case ignored), or whose
// NUMBER it is; nullptr when none is.
const ElementRecord* findElement(const std::map<int, ElementRecord>& records, const QString& key);

}  // namespace reference

#pragma once
// A small set of reference topics written as the build writes the real ones
// (dbfgen, Greek code page, all_z.dbf with its IND index), for the edge cases
// the shipped topics do not have: no rows, KOL 0, more columns than fields.
#include <QDir>
#include <QFile>
#include <QString>

#include "data/tools/Manifest.h"
#include "data/tools/TableGenerator.h"

namespace reftest {

inline const char* const kManifest =
    "all_name.DBF all_name.csv cp1253 dbase4\n"
    "all_db.dbf all_db.csv cp1253 dbase4\n"
    "all_z.dbf all_z.csv cp1253 dbase4 all_z.MDX IND=INDEX\n";

inline const char* const kNames =
    "NAME:C:60,KOL:N:2:0,FON:C:32,INDEX:N:4:0\n"
    "Cones,2,Arial,1\n"
    "Empty,3,Arial,2\n"
    "Wide,4,Times New Roman,3\n"
    "Zero,0,Arial,4\n"
    "Too wide,11,Arial,5\n";

inline const char* const kHeads =
    "INDEX:N:4:0,COL1:C:40,COL2:C:40,COL3:C:40,COL4:C:40\n"
    "1,d,D,,\n"
    "2,a,b,c,\n"
    "3,\u03a9 (ohm),\u03b2,\u03b3,\u03b4: a heading far too long to fit\n"
    "5,x,y,z,w\n";

// Out of order in the file and as text in column 1: the table shows them in
// the order of their key NAME, the field after the shown columns.
inline const char* const kBody =
    "INDEX:N:4:0,COL1:C:40,COL2:C:40,COL3:C:40,COL4:C:40,NAME:C:4\n"
    "1,10,20,,,0002\n"
    "3,w2,\u00b5,a cell text far too long for its column,,0002\n"
    "1,5,10,,,0001\n"
    "3,w1,x1,y1,z1,0001\n";

// Writes the three tables into `dir` (their CSVs beside them).
inline void writeTopicTables(const QString& dir) {
    const QDir d(dir);
    for (const auto& [name, text] : {std::pair{"all_name.csv", kNames}, std::pair{"all_z.csv", kHeads},
                                     std::pair{"all_db.csv", kBody}}) {
        QFile f(d.filePath(QString::fromLatin1(name)));
        if (!f.open(QIODevice::WriteOnly)) return;
        f.write(text);
    }
    for (const dbfgen::ManifestEntry& e : dbfgen::parseManifest(kManifest, "topics"))
        dbfgen::generateTable(e, "topics", dir.toStdString(), dir.toStdString());
}

}  // namespace reftest

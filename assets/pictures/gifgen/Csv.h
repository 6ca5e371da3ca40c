#pragma once
// The generator's data tables: comma-separated text with '#' comment lines,
// so each file can carry its sources next to its values.
#include <QList>
#include <QString>
#include <QStringList>

namespace kv::gifgen {

struct CsvTable {
    QStringList header;
    QList<QStringList> rows;

    // Index of a header column; throws kv::Error naming the column when absent.
    int column(const QString& name) const;
};

// Fields are trimmed; values never hold commas. Throws kv::Error naming the file
// and the line when the file cannot be read or a row has the wrong field count.
CsvTable readCsv(const QString& path);

}  // namespace kv::gifgen

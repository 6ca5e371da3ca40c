#include "assets/pictures/gifgen/Csv.h"

#include <QFile>
#include <QTextStream>

#include "core/Error.h"

namespace kv::gifgen {

int CsvTable::column(const QString& name) const {
    const int index = int(header.indexOf(name));
    if (index < 0)
        throw kv::Error(QStringLiteral("table has no column \"%1\"").arg(name).toStdString());
    return index;
}

CsvTable readCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw kv::Error(QStringLiteral("%1: the file cannot be read").arg(path).toStdString());
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    CsvTable table;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        QStringList fields = trimmed.split(u',');
        for (QString& field : fields)
            field = field.trimmed();
        if (table.header.isEmpty()) {
            table.header = fields;
            continue;
        }
        if (fields.size() != table.header.size())
            throw kv::Error(QStringLiteral("%1:%2: expected %3 fields, found %4")
                                .arg(path)
                                .arg(lineNumber)
                                .arg(table.header.size())
                                .arg(fields.size())
                                .toStdString());
        table.rows.append(fields);
    }
    if (table.header.isEmpty())
        throw kv::Error(QStringLiteral("%1: the file holds no table").arg(path).toStdString());
    return table;
}

}  // namespace kv::gifgen

#include "data/UserTables.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/dbase/FileIO.h"
#include "data/dbase/Table.h"

namespace data {

namespace {

// The files that travel with a table: its index (same stem, ".mdx" in any
// letter case) and then the table itself, so a table never appears in the
// user's folder without its index.
QStringList tableFiles(const QFileInfo& table) {
    QStringList files;
    const QString index = table.completeBaseName() + QStringLiteral(".mdx");
    for (const QString& name : table.dir().entryList(QDir::Files))
        if (name.compare(index, Qt::CaseInsensitive) == 0) files << name;
    files << table.fileName();
    return files;
}

}  // namespace

QString userTableDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kvantor2/");
}

QString tableFile(const QString& dir, const QString& name) {
    const QString copy = userTableDir() + name;
    return QFileInfo::exists(copy) ? copy : dir + name;
}

std::string moveToUserCopy(const std::string& path) {
    const QFileInfo table(QString::fromStdString(path));
    const QString target = userTableDir();
    if (table.absoluteDir() == QDir(target)) return {};
    if (!QDir().mkpath(target)) throw kv::Error("Cannot create the folder " + target.toStdString() + " for your copy of the table");
    const QString copy = target + table.fileName();
    if (QFileInfo::exists(copy)) return copy.toStdString();
    for (const QString& name : tableFiles(table)) {
        const std::string from = table.dir().filePath(name).toStdString();
        dbase::writeFileAtomically((target + name).toStdString(), dbase::readWholeFile(from));
    }
    return copy.toStdString();
}

}  // namespace data

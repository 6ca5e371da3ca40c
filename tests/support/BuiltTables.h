#pragma once
// A copy of the build's reference tables in a folder of the test's own, so a
// test can edit, damage or leave out tables without touching the build's.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace testsupport {

// Copies every table and index file beside the built program into `folder`,
// leaving out those named in `except`. Returns the names it could not copy.
inline QStringList copyBuiltTables(const QString& folder, const QStringList& except = {}) {
    const QDir bin(qEnvironmentVariable("KV_BIN_DIR"));
    QStringList failed;
    for (const QString& name : bin.entryList({"*.dbf", "*.DBF", "*.mdx", "*.MDX"}, QDir::Files))
        if (!except.contains(name) && !QFile::copy(bin.filePath(name), QDir(folder).filePath(name))) failed << name;
    return failed;
}

}  // namespace testsupport

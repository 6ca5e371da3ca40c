#include "platform/LaunchCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/AppInfo.h"

namespace platform {

namespace {

bool sameProgram(const QString& a, const QString& b) {
    const QString file = QFileInfo(a).canonicalFilePath();
    return !file.isEmpty() && file == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString launchCommand(const QString& programPath, const QString& startedAs, const QStringList& searchPath) {
    if (sameProgram(QStandardPaths::findExecutable(kv::kProductName, searchPath), programPath)) return kv::kProductName;
    // A bare name was looked up on the path, which the test above has covered.
    if (startedAs.contains(QLatin1Char('/')) && sameProgram(startedAs, programPath))
        return QFileInfo(startedAs).absoluteFilePath();
    return programPath;
}

QString launchCommand(const QString& programPath) {
    const QStringList args = QCoreApplication::arguments();
    return launchCommand(programPath, args.isEmpty() ? QString() : args.first());
}

}  // namespace platform

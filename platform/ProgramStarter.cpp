#include "platform/ProgramStarter.h"

#include <QProcess>
#include <QStandardPaths>

#include "core/Error.h"

namespace platform {

bool startDetachedProcess(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString ProgramStarter::find(const QString& name) const {
    return QStandardPaths::findExecutable(name, searchPath);
}

QString ProgramStarter::startFirst(const QStringList& candidates, const QStringList& arguments) const {
    QStringList failed;
    for (const QString& name : candidates) {
        QString path = find(name);
        if (path.isEmpty()) continue;
        if (start(path, arguments)) return name;
        failed << path;
    }
    if (failed.isEmpty()) return {};
    throw kv::Error(QStringLiteral("Could not start %1.").arg(failed.join(QStringLiteral(", "))).toStdString());
}

}  // namespace platform

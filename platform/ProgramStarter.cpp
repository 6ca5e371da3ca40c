#include "platform/ProgramStarter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/Error.h"
#include "core/HandlerGuard.h"

namespace platform {

namespace {

// The end of what a failed program wrote, enough to say what went wrong.
QString lastWords(const QString& file) {
    QFile log(file);
    const QString said = log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()).trimmed() : QString();
    log.remove();
    constexpr int kMost = 600;
    return said.size() > kMost ? QStringLiteral("...") + said.right(kMost) : said;
}

}  // namespace

QProcess* startWatched(const QString& program, const QStringList& arguments) {
    // What it writes goes to a file, not a pipe: a pipe would break under a
    // program that outlives this one and still writes.
    QTemporaryFile log(QDir::tempPath() + QStringLiteral("/Kvantor2-XXXXXX.log"));
    log.setAutoRemove(false);
    if (!log.open()) return nullptr;
    const QString logFile = log.fileName();
    log.close();

    // No parent, and never deleted while it runs: deleting a QProcess ends its program.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(logFile);
    const QString command = (QStringList{QFileInfo(program).fileName()} + arguments).join(QLatin1Char(' '));
    QObject::connect(process, &QProcess::finished, process,
                     [process, logFile, command](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         const QString said = lastWords(logFile);
                         if (status == QProcess::NormalExit && code == 0) return;
                         QString message = status == QProcess::CrashExit
                                               ? QStringLiteral("%1 stopped unexpectedly.").arg(command)
                                               : QStringLiteral("%1 failed (exit status %2).").arg(command).arg(code);
                         if (!said.isEmpty()) message += QLatin1Char('\n') + said;
                         kv::showError(message.toStdString());
                     });
    process->start();
    if (!process->waitForStarted()) {
        QFile::remove(logFile);
        delete process;
        return nullptr;
    }
    return process;
}

bool startWatchedProcess(const QString& program, const QStringList& arguments) {
    return startWatched(program, arguments) != nullptr;
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

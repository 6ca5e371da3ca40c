#include "PrivateBus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

namespace {

QString daemonProgram() {
    return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
}

}  // namespace

PrivateBus::~PrivateBus() {
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    daemon_.waitForFinished();
}

bool PrivateBus::available() {
    return !daemonProgram().isEmpty();
}

QString PrivateBus::start() {
    QFile config(dir_.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly)) return {};
    config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                 "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>"
                 "</busconfig>");
    config.close();
    daemon_.start(daemonProgram(), {"--config-file=" + config.fileName(), "--nofork", "--print-address"});
    // The daemon prints its address once it listens.
    QDeadlineTimer deadline(5000);
    while (!daemon_.canReadLine()) {
        if (deadline.hasExpired() || !daemon_.waitForReadyRead(int(deadline.remainingTime()))) return {};
    }
    return QString::fromUtf8(daemon_.readLine()).trimmed();
}

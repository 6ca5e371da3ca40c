#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>

namespace platform {

namespace {

const QByteArray kForward = "forward\n";
// A holder that has the lock but is not yet listening is at most starting up.
constexpr int kAnswerWithinMs = 3000;
// Requests are one short line; anything longer is no request of ours.
constexpr qint64 kLongestRequest = 64;

SingleInstance*& held() {
    static SingleInstance* instance = nullptr;
    return instance;
}

}  // namespace

SingleInstance::SingleInstance(const QString& dir, const QString& key, QObject* parent)
    : QObject(parent),
      lockPath_(QDir(dir).filePath(key + QStringLiteral(".lock"))),
      socketPath_(QDir(dir).filePath(key + QStringLiteral(".socket"))) {}

SingleInstance::~SingleInstance() {
    if (held() == this) held() = nullptr;
    if (server_) server_->close();  // removes the socket file
    if (lockFd_ >= 0) ::close(lockFd_);
}

SingleInstance::Claim SingleInstance::claim() {
    // Close-on-exec: the programs the bar starts must not inherit the lock.
    const QByteArray path = QFile::encodeName(lockPath_);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Claim::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        lockFd_ = fd;
        acceptRequests();
        return Claim::Held;
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK) return Claim::Unavailable;
    // The holder runs: it is asked to come forward. One that does not answer
    // still holds the session (it is alive, or the kernel would have let go),
    // so this start ends all the same rather than put a second bar up.
    if (!askHolder()) qWarning("Kvantor2 already runs but does not answer");
    return Claim::HandedOver;
}

void SingleInstance::acceptRequests() {
    // A socket left by a holder that crashed is in the way; only the lock's
    // holder removes it, so no live socket goes.
    QLocalServer::removeServer(socketPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
            readRequest(socket);
        }
    });
    if (!server_->listen(socketPath_))
        qWarning("Kvantor2: later starts cannot reach this one: %s", qPrintable(server_->errorString()));
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine(kLongestRequest + 1) == kForward) emit forwardRequested();
    }
    if (socket->bytesAvailable() > kLongestRequest) socket->abort();
}

bool SingleInstance::askHolder() {
    const QDeadlineTimer deadline(kAnswerWithinMs);
    QLocalSocket socket;
    while (!deadline.hasExpired()) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(int(qMin<qint64>(500, deadline.remainingTime())))) {
            socket.write(kForward);
            const bool sent = socket.waitForBytesWritten(int(qMax<qint64>(100, deadline.remainingTime())));
            socket.disconnectFromServer();
            return sent;
        }
        socket.abort();
        QThread::msleep(50);
    }
    return false;
}

QString SingleInstance::sessionKey() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return {};
    const QByteArray display = platform.startsWith(QLatin1String("wayland")) ? qgetenv("WAYLAND_DISPLAY")
                                                                              : qgetenv("DISPLAY");
    QString key = QStringLiteral("Kvantor2-%1-%2-%3").arg(::getuid()).arg(platform, QString::fromLocal8Bit(display));
    // The display may name a path (a Wayland socket): one file name all the same.
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._:-]"));
    return key.replace(unsafe, QStringLiteral("_"));
}

bool SingleInstance::handOver() {
    const QString key = sessionKey();
    if (key.isEmpty()) return false;
    // The user's own runtime folder: private, and emptied when the session ends.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) return false;
    auto* instance = new SingleInstance(dir, key, qApp);
    switch (instance->claim()) {
    case Claim::Held:
        held() = instance;
        return false;
    case Claim::HandedOver:
        delete instance;
        return true;
    case Claim::Unavailable:
        break;
    }
    delete instance;
    return false;
}

SingleInstance* SingleInstance::current() {
    return held();
}

}  // namespace platform

#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <optional>

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

// The socket's address; none when the path does not fit one.
std::optional<sockaddr_un> socketAddress(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address.sun_path) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return address;
}

void closeFd(int fd) {
    if (fd >= 0) ::close(fd);
}

}  // namespace

SingleInstance::SingleInstance(const QString& dir, const QString& key, QObject* parent)
    : QObject(parent),
      lockPath_(QDir(dir).filePath(key + QStringLiteral(".lock"))),
      socketPath_(QDir(dir).filePath(key + QStringLiteral(".socket"))) {}

SingleInstance::~SingleInstance() {
    if (held() == this) held() = nullptr;
    while (!connections_.empty()) dropConnection(connections_.begin()->first);
    if (listenFd_ >= 0) {
        delete listening_;
        closeFd(listenFd_);
        // Only the lock's holder listens, so the file is its own to remove.
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
    closeFd(lockFd_);
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
    const std::optional<sockaddr_un> address = socketAddress(socketPath_);
    if (!address) {
        qWarning("Kvantor2: later starts cannot reach this one: the socket's path is too long");
        return;
    }
    // A socket left by a holder that crashed is in the way; only the lock's
    // holder removes it, so no live socket goes.
    ::unlink(address->sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // The runtime folder is the user's alone; the socket is made so as well.
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(address->sun_path, 0600) != 0 || ::listen(fd, 8) != 0) {
        qWarning("Kvantor2: later starts cannot reach this one: %s", std::strerror(errno));
        closeFd(fd);
        return;
    }
    listenFd_ = fd;
    listening_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(listening_, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections() {
    while (true) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;  // none waiting (or one gave up meanwhile)
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connections_[fd] = Connection{notifier, {}};
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { readRequest(fd); });
    }
}

void SingleInstance::readRequest(int fd) {
    auto found = connections_.find(fd);
    if (found == connections_.end()) return;
    QByteArray& pending = found->second.pending;
    char buffer[256];
    ssize_t got;
    while ((got = ::recv(fd, buffer, sizeof buffer, 0)) > 0) {
        pending.append(buffer, got);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            if (pending.left(end + 1) == kForward) emit forwardRequested();
            pending.remove(0, end + 1);
        }
        // Requests are one short line: anything longer is cut off, not kept growing.
        if (pending.size() > kLongestRequest) return dropConnection(fd);
    }
    if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) dropConnection(fd);
}

void SingleInstance::dropConnection(int fd) {
    auto found = connections_.find(fd);
    if (found == connections_.end()) return;
    // Deleted later: this may run inside the notifier's own signal.
    found->second.notifier->setEnabled(false);
    found->second.notifier->deleteLater();
    connections_.erase(found);
    closeFd(fd);
}

bool SingleInstance::askHolder() {
    const std::optional<sockaddr_un> address = socketAddress(socketPath_);
    if (!address) return false;
    const QDeadlineTimer deadline(kAnswerWithinMs);
    while (!deadline.hasExpired()) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        // A holder still starting up has the lock but no socket yet: try again.
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) {
            const bool sent = ::send(fd, kForward.constData(), std::size_t(kForward.size()), MSG_NOSIGNAL) ==
                              ssize_t(kForward.size());
            closeFd(fd);
            return sent;
        }
        closeFd(fd);
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

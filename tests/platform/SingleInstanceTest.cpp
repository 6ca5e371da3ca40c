// One program per session: the claim on the session's lock and socket, in a
// private folder, as two starts of the program would make it.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "platform/SingleInstance.h"

using platform::SingleInstance;
using Claim = SingleInstance::Claim;

namespace {

sockaddr_un addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
    return address;
}

// What a program that crashed leaves behind: a socket file nobody listens on.
bool leaveDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

// Whether the other end has closed the connection (without waiting).
bool closedByPeer(int fd) {
    char c;
    return ::recv(fd, &c, 1, MSG_DONTWAIT) == 0;
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever an earlier program left, the next one holds the session, and a
    // start after it hands over: the holder is asked to come forward.
    void laterStartHandsOverToTheHolder_data() {
        QTest::addColumn<int>("before");  // 0 nothing, 1 a holder that ended, 2 one that crashed
        QTest::newRow("first start") << 0;
        QTest::newRow("after a holder that ended") << 1;
        QTest::newRow("after a crash, socket left") << 2;
    }
    void laterStartHandsOverToTheHolder() {
        QFETCH(int, before);
        QTemporaryDir dir;
        if (before > 0) {
            SingleInstance gone(dir.path(), "Kvantor2-test");
            QCOMPARE(gone.claim(), Claim::Held);
        }
        if (before == 2) QVERIFY(leaveDeadSocket(dir.filePath("Kvantor2-test.socket")));
        SingleInstance holder(dir.path(), "Kvantor2-test");
        QCOMPARE(holder.claim(), Claim::Held);
        QSignalSpy forward(&holder, &SingleInstance::forwardRequested);
        SingleInstance later(dir.path(), "Kvantor2-test");
        QCOMPARE(later.claim(), Claim::HandedOver);
        QVERIFY(forward.wait(3000));
        // Another session (another display) keeps a program of its own.
        SingleInstance elsewhere(dir.path(), "Kvantor2-test-other");
        QCOMPARE(elsewhere.claim(), Claim::Held);
        QTest::qWait(50);
        QCOMPARE(forward.count(), 1);
    }

    void strangersAndBadRequestsAreNoRequest() {
        QTemporaryDir dir;
        SingleInstance held(dir.path(), "Kvantor2-test");
        QCOMPARE(held.claim(), Claim::Held);
        QSignalSpy forward(&held, &SingleInstance::forwardRequested);
        // Only the user may reach the socket.
        QFileInfo socket(dir.filePath("Kvantor2-test.socket"));
        QCOMPARE(int(socket.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup)), 0);
        const int stranger = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = addressOf(socket.filePath());
        QCOMPARE(::connect(stranger, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        const QByteArray junk = "raise the roof\n" + QByteArray(200, 'x');
        QCOMPARE(::send(stranger, junk.constData(), std::size_t(junk.size()), MSG_NOSIGNAL), ssize_t(junk.size()));
        // A line too long is cut off, not kept growing.
        QTRY_VERIFY(closedByPeer(stranger));
        ::close(stranger);
        QCOMPARE(forward.count(), 0);
    }

    void offscreenIsNoSession() {
        // The tests run offscreen: nothing to hand over to, nothing held.
        QVERIFY(SingleInstance::sessionKey().isEmpty());
        QVERIFY(!SingleInstance::handOver());
        QCOMPARE(SingleInstance::current(), nullptr);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"

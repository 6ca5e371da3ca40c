#pragma once
// One running program per user session: a later start hands over to the
// program that runs (which comes to the front) and ends.
//
// The claim is a lock on a file (the kernel lets go of it when its holder
// ends, even by a crash) and a Unix socket beside it, both in the user's
// private runtime folder and named after the user and the display, so that
// no desktop bus is needed and other sessions keep their own program. The
// socket is the system's own, watched by the event loop: every start pays for
// what it loads, and a network library is more than one line needs.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>

class QSocketNotifier;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The lock and the socket are made in `dir` under the name `key`.
    SingleInstance(const QString& dir, const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        Held,        // this process is the program of the session now
        HandedOver,  // another one runs and was asked to come forward
        Unavailable  // no lock could be had (no folder, no rights): run alone
    };
    // Takes the session for this process, or asks its holder to come forward.
    Claim claim();

    // At the program's start: true when another program runs in this session
    // and was asked to come forward, so this start ends. Otherwise this process
    // holds the session, and current() tells of the starts that follow.
    static bool handOver();
    // The session held by this process since handOver(); null before that and
    // where the program runs outside any session.
    static SingleInstance* current();
    // The session's name: program, user id, display; empty when the program
    // shows on no display a user sees (offscreen), which is no session.
    static QString sessionKey();

signals:
    // A later start asked for the program.
    void forwardRequested();

private:
    void acceptRequests();
    void acceptConnections();
    void readRequest(int fd);
    void dropConnection(int fd);
    bool askHolder();

    QString lockPath_;
    QString socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    QSocketNotifier* listening_ = nullptr;
    struct Connection {
        QSocketNotifier* notifier;
        QByteArray pending;  // what came after the last whole line
    };
    std::map<int, Connection> connections_;
};

}  // namespace platform

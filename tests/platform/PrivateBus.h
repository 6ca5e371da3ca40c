#pragma once
// A private D-Bus daemon for the tests that talk to desktop services, so that
// nothing reaches the machine's own buses. It has no service files: nothing is
// ever started on demand. The daemon ends with the object.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateBus {
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Whether dbus-daemon is installed at all (the tests skip without it).
    static bool available();
    // Starts the daemon; its address, or empty when it did not start.
    QString start();

private:
    QTemporaryDir dir_;
    QProcess daemon_;
};

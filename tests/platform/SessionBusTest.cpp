// Screen saver and sleep over D-Bus, against stand-in services on a private bus.
// Nothing is ever run or suspended: fallback programs are only recorded.
#include <QDBusConnection>
#include <QDBusContext>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>

#include "PrivateBus.h"
#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "platform/DesktopProgramLauncher.h"
#include "platform/DesktopScreenSaver.h"
#include "platform/LogindSleep.h"
#include "platform/fake/FakeDesktop.h"

class ScreenSaverService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    std::atomic<int> activations{0};
public slots:
    bool SetActive(bool on) { return on && ++activations > 0; }
};

class LoginManagerService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    std::atomic<bool> refuses{false}, interactive{false};
    std::atomic<int> suspends{0};
public slots:
    void Suspend(bool asksForPassword) {
        QThread::msleep(1000);  // as while the desktop asks for a password
        interactive = asksForPassword;
        ++suspends;
        if (refuses) sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Permission denied by policy"));
    }
};

class SessionBusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!PrivateBus::available()) QSKIP("dbus-daemon is not installed");
        const QString address = bus_.start();
        QVERIFY2(!address.isEmpty(), "the private bus did not start");
        // Nothing here may reach the machine's own buses.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toUtf8());
        client_ = QDBusConnection::connectToBus(address, QStringLiteral("kv-client"));
        service_ = QDBusConnection::connectToBus(address, QStringLiteral("kv-services"));
        QVERIFY(client_.isConnected() && service_.isConnected());
        // The program blocks in its calls; the services answer from a thread of their own.
        serviceThread_.start();
        screenSaver_.moveToThread(&serviceThread_);
        login_.moveToThread(&serviceThread_);
        QVERIFY(service_.registerObject("/org/freedesktop/ScreenSaver", &screenSaver_, QDBusConnection::ExportAllSlots));
        QVERIFY(service_.registerObject("/org/freedesktop/login1", &login_, QDBusConnection::ExportAllSlots));
    }

    void init() {
        started_.clear();
        errors_.clear();
        previousSink_ = kv::setErrorSink([this](const std::string& text) { errors_ << QString::fromStdString(text); });
    }

    void cleanup() {
        kv::setErrorSink(previousSink_);
        service_.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        service_.unregisterService(QStringLiteral("org.freedesktop.login1"));
    }

    void screenSaverUsesTheSessionServiceElseXdgScreensaverElseSaysSo() {
        QVERIFY(service_.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        platform::DesktopScreenSaver(starter(), client_).activate();
        QCOMPARE(screenSaver_.activations.load(), 1);
        QVERIFY(started_.isEmpty());

        service_.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        platform::DesktopScreenSaver(starter(), client_).activate();
        QCOMPARE(started_, QStringList{QStringLiteral("xdg-screensaver activate")});
        QVERIFY(errorOf([&] { platform::DesktopScreenSaver(starter(false), client_).activate(); }).contains("xdg-screensaver"));
    }

    void sleepAsksLogindWithoutWaitingForTheAnswer() {
        QVERIFY(service_.registerService(QStringLiteral("org.freedesktop.login1")));
        login_.refuses = false;
        QElapsedTimer clock;
        clock.start();
        platform::LogindSleep(starter(), client_).suspend();
        QVERIFY2(clock.elapsed() < 500, "the bar must not wait while the desktop asks for a password");
        QTRY_COMPARE(login_.suspends.load(), 1);
        QVERIFY(login_.interactive);
        QTest::qWait(100);
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QVERIFY(started_.isEmpty());
    }

    void aRefusedSleepIsReported() {
        QVERIFY(service_.registerService(QStringLiteral("org.freedesktop.login1")));
        login_.refuses = true;
        platform::LogindSleep(starter(), client_).suspend();
        QTRY_COMPARE(errors_.size(), 1);
        QVERIFY2(errors_[0].contains("Permission denied by policy"), qPrintable(errors_[0]));
        QVERIFY2(started_.isEmpty(), "a refusal is final: systemctl would only be refused again");
    }

    void withoutLogindSystemctlIsUsedElseItIsAnError() {
        platform::LogindSleep(starter(), client_).suspend();
        QCOMPARE(started_, QStringList{QStringLiteral("systemctl suspend")});
        QVERIFY(errorOf([&] { platform::LogindSleep(starter(false), client_).suspend(); }).contains("systemctl"));
    }

    void fakesStandInForTheRealServicesWhileTheyLive() {
        {
            platform::FakeDesktop fakes;
            platform::desktop().programs->startCalculator();
            QCOMPARE(fakes.programs->started, QStringList{QStringLiteral("calculator")});
        }
        QVERIFY(dynamic_cast<platform::DesktopProgramLauncher*>(platform::desktop().programs.get()) != nullptr);
    }

    void cleanupTestCase() {
        // Home again before their thread ends, so they are destroyed where they live.
        QThread* home = thread();
        for (QObject* object : {static_cast<QObject*>(&screenSaver_), static_cast<QObject*>(&login_)})
            QMetaObject::invokeMethod(object, [=] { object->moveToThread(home); }, Qt::BlockingQueuedConnection);
        serviceThread_.quit();
        serviceThread_.wait();
    }

private:
    // Fallback programs are found in a folder of stand-ins (or an empty one) and recorded, never run.
    platform::ProgramStarter starter(bool installed = true) {
        for (const char* name : {"xdg-screensaver", "systemctl"}) {
            QFile script(bin_.filePath(QString::fromLatin1(name)));
            if (script.open(QIODevice::WriteOnly)) script.write("#!/bin/sh\n");
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        }
        platform::ProgramStarter starter;
        starter.searchPath = {installed ? bin_.path() : dir_.path()};
        starter.start = [this](const QString& program, const QStringList& arguments) {
            started_ << (QStringList{QFileInfo(program).fileName()} + arguments).join(' ');
            return true;
        };
        return starter;
    }

    static QString errorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const kv::Error& e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }

    QTemporaryDir dir_, bin_;
    PrivateBus bus_;
    QDBusConnection client_{QStringLiteral("unset")}, service_{QStringLiteral("unset")};
    QThread serviceThread_;
    ScreenSaverService screenSaver_;
    LoginManagerService login_;
    QStringList started_, errors_;
    kv::ErrorSink previousSink_;
};

QTEST_GUILESS_MAIN(SessionBusTest)
#include "SessionBusTest.moc"

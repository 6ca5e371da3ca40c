#pragma once
// Fakes of the small desktop services: they record what was asked of them and can be
// told to fail with a message, as the real ones do through kv::Error.
#include <QList>
#include <QPair>
#include <QString>
#include <string>

#include "core/Error.h"
#include "platform/Autostart.h"
#include "platform/DesktopShortcut.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramLauncher.h"
#include "platform/ScreenSaver.h"
#include "platform/SystemSleep.h"

namespace platform {

// A failure message to throw on the next calls; empty: succeed.
struct FakeFailure {
    std::string failure;
    void check() const {
        if (!failure.empty()) throw kv::Error(failure);
    }
};

class FakeAutostart : public Autostart {
public:
    bool isEnabled() const override { return !programPath.isEmpty(); }
    bool enable(const QString& path) override {
        if (refuses) return false;
        programPath = path;
        return true;
    }
    bool disable() override {
        if (refuses) return false;
        programPath.clear();
        return true;
    }

    QString programPath;  // empty: off
    bool refuses = false;  // changes fail, as without the rights to change it
};

class FakeDesktopShortcut : public DesktopShortcut, public FakeFailure {
public:
    void create(const QString& directory, const QString& programPath) override {
        check();
        created << qMakePair(directory, programPath);
    }
    QList<QPair<QString, QString>> created;  // (directory, program) per shortcut made
};

class FakeProgramLauncher : public ProgramLauncher, public FakeFailure {
public:
    void startCalculator() override { record(QStringLiteral("calculator")); }
    void startTextEditor() override { record(QStringLiteral("text editor")); }
    void startFileManager() override { record(QStringLiteral("file manager")); }
    QStringList started;  // in call order

private:
    void record(const QString& what) {
        check();
        started << what;
    }
};

class FakeScreenSaver : public ScreenSaver, public FakeFailure {
public:
    void activate() override {
        check();
        ++activations;
    }
    int activations = 0;
};

class FakeSystemSleep : public SystemSleep, public FakeFailure {
public:
    void suspend() override {
        check();
        ++suspends;
    }
    int suspends = 0;
};

class FakeHelpViewer : public HelpViewer, public FakeFailure {
public:
    void show(int context) override {
        check();
        contexts << context;
    }
    void showPage(const QString& page) override {
        check();
        pages << page;
    }
    QList<int> contexts;  // in call order
    QStringList pages;    // in call order
};

}  // namespace platform

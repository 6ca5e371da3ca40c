// Starting the desktop's calculator, editor and file manager from a PATH built for the test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "TestEnvironment.h"
#include "core/Error.h"
#include "core/HandlerGuard.h"
#include "platform/DesktopProgramLauncher.h"
#include "platform/ProgramStarter.h"

namespace {

// A search path of stand-in programs; starts are recorded instead of run.
class ProgramLauncherTest : public ::testing::Test {
protected:
    void install(const QString& name) { writeScript(bin_.path() + "/" + name, "exit 0"); }

    platform::DesktopProgramLauncher launcher() {
        platform::ProgramStarter starter;
        starter.searchPath = {bin_.path()};
        starter.start = [this](const QString& program, const QStringList& arguments) {
            started_ << (QStringList{QFileInfo(program).fileName()} + arguments);
            return !failing_.contains(QFileInfo(program).fileName());
        };
        return platform::DesktopProgramLauncher(starter);
    }

    // The message of the error the action raised; empty when it raised none.
    static QString errorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const kv::Error& e) {
            return e.what();
        }
        return {};
    }

    QTemporaryDir bin_;
    QList<QStringList> started_;
    QStringList failing_;
};

TEST_F(ProgramLauncherTest, TheFirstInstalledInPreferenceOrderStarts) {
    install("xcalc");
    install("kcalc");
    writeText(bin_.path() + "/gnome-calculator", "#!/bin/sh\n");  // not executable: not installed
    launcher().startCalculator();
    EXPECT_EQ(started_, QList<QStringList>{{"kcalc"}});

    started_.clear();
    install("leafpad");
    install("mousepad");
    install("xdg-open");
    launcher().startTextEditor();
    EXPECT_EQ(started_, QList<QStringList>{{"mousepad"}});
}

TEST_F(ProgramLauncherTest, NoneInstalledNamesAllThatWereLookedFor) {
    QString calculator = errorOf([&] { launcher().startCalculator(); });
    for (const char* name : {"gnome-calculator", "kcalc", "qalculate-qt", "qalculate-gtk", "galculator",
                             "mate-calc", "speedcrunch", "xcalc"})
        EXPECT_TRUE(calculator.contains(name)) << name << " missing from: " << calculator.toStdString();
    QString editor = errorOf([&] { launcher().startTextEditor(); });
    for (const char* name : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma",
                             "featherpad", "leafpad", "xdg-open"})
        EXPECT_TRUE(editor.contains(name)) << name << " missing from: " << editor.toStdString();
    EXPECT_TRUE(errorOf([&] { launcher().startFileManager(); }).contains("xdg-open"));
    EXPECT_TRUE(started_.isEmpty());
}

TEST_F(ProgramLauncherTest, AProgramThatFailsToStartGivesWayToTheNextElseItIsNamed) {
    install("galculator");
    install("speedcrunch");
    failing_ << "galculator";
    launcher().startCalculator();
    EXPECT_EQ(started_, (QList<QStringList>{{"galculator"}, {"speedcrunch"}}));
    failing_ << "speedcrunch";
    QString message = errorOf([&] { launcher().startCalculator(); });
    EXPECT_TRUE(message.contains("Could not start") && message.contains("speedcrunch")) << message.toStdString();
}

TEST_F(ProgramLauncherTest, WithoutAnEditorTheDesktopOpensANewEmptyTextFile) {
    install("xdg-open");
    launcher().startTextEditor();
    ASSERT_EQ(started_.size(), 1);
    ASSERT_EQ(started_[0].size(), 2);
    EXPECT_EQ(started_[0][0], "xdg-open");
    QFileInfo file(started_[0][1]);
    EXPECT_TRUE(file.isFile() && file.size() == 0 && file.suffix() == "txt") << file.filePath().toStdString();
    QFile::remove(file.filePath());
}

TEST_F(ProgramLauncherTest, TheFileManagerOpensTheRootFolder) {
    install("xdg-open");
    launcher().startFileManager();
    EXPECT_EQ(started_, QList<QStringList>{(QStringList{"xdg-open", "/"})});
}

// The started programs are watched through the event loop. Before it ends,
// the programs still watched end, and their watchers are gone (none is
// left to the leak checker).
struct EventLoop {
    int argc = 1;
    char name[16] = "platform_tests";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir temp;
    EnvOverride tmp{"TMPDIR", temp.path()};
    ~EventLoop() {
        QElapsedTimer clock;
        clock.start();
        // A watcher removes the file of what its program wrote as it ends.
        while (!QDir(temp.path()).entryList({"Kvantor2-*"}, QDir::Files).isEmpty() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST(ProgramStarter, AProgramThatEndsInFailureIsSaidNotPassedOver) {
    EventLoop loop;
    const QString temp = loop.temp.path();
    const struct {
        const char* script;
        QStringList said;  // parts of the one message; empty: none
    } cases[] = {
        {"echo \"xdg-open: no method available for opening '/'\" >&2; exit 3",
         {"xdg-open / failed (exit status 3).", "no method available for opening '/'"}},
        {"exit 4", {"xdg-open / failed (exit status 4)."}},
        {"kill -SEGV $$", {"xdg-open / stopped unexpectedly."}},
        {"echo 'a note on the way' >&2; exit 0", {}},
    };
    for (const auto& c : cases) {
        QTemporaryDir bin;
        writeScript(bin.path() + "/xdg-open", c.script);
        QStringList shown;
        const kv::ErrorSink previous = kv::setErrorSink([&](const std::string& m) { shown << QString::fromStdString(m); });
        QProcess* process = platform::startWatched(bin.path() + "/xdg-open", {"/"});
        ASSERT_NE(process, nullptr) << c.script;
        EXPECT_TRUE(process->waitForFinished(10000)) << c.script;
        kv::setErrorSink(previous);
        ASSERT_EQ(shown.size(), c.said.isEmpty() ? 0 : 1) << c.script << ": " << shown.join(" | ").toStdString();
        for (const QString& part : c.said) EXPECT_TRUE(shown[0].contains(part)) << shown[0].toStdString();
        EXPECT_EQ(QDir(temp).entryList(QDir::Files), QStringList()) << "what it wrote is left behind";
    }
}

TEST(ProgramStarter, StartsForRealWithoutWaitingForTheProgram) {
    EventLoop loop;
    QTemporaryDir bin;
    QString marker = bin.path() + "/started";
    writeScript(bin.path() + "/kcalc", "touch '" + marker + "'\nsleep 3");  // slow to end: a waiting caller shows
    platform::ProgramStarter starter;
    starter.searchPath = {bin.path()};
    QElapsedTimer clock;
    clock.start();
    platform::DesktopProgramLauncher(starter).startCalculator();
    EXPECT_LT(clock.elapsed(), 2000);
    while (!QFileInfo::exists(marker) && clock.elapsed() < 10000) QThread::msleep(20);
    EXPECT_TRUE(QFileInfo::exists(marker)) << "the program never ran";
}

}  // namespace

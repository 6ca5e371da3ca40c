// Start with the system through the autostart folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TestEnvironment.h"
#include "platform/DesktopEntry.h"
#include "platform/LaunchCommand.h"
#include "platform/XdgAutostart.h"
#include "platform/XdgDesktopShortcut.h"

namespace {

class AutostartTest : public ::testing::Test {
protected:
    QTemporaryDir config_;
    EnvOverride env_{"XDG_CONFIG_HOME", config_.path()};
    QString entry_ = config_.path() + "/autostart/Kvantor.desktop";
    platform::XdgAutostart autostart_;
};

TEST_F(AutostartTest, OnWritesTheEntryOffRemovesIt) {
    EXPECT_FALSE(autostart_.isEnabled());
    const QString program = "/home/user/My Programs/Kvantor2";
    ASSERT_TRUE(autostart_.enable(program));
    EXPECT_TRUE(autostart_.isEnabled());
    QString exec = platform::readDesktopEntry(entry_).value("Exec");
    EXPECT_EQ(splitExecLine(unescapeDesktopValue(exec)), QStringList{program}) << exec.toStdString();
    ASSERT_TRUE(autostart_.disable());
    EXPECT_FALSE(autostart_.isEnabled());
    EXPECT_FALSE(QFileInfo::exists(entry_));
    EXPECT_TRUE(autostart_.disable()) << "already off is no failure";
}

// An installed program in its own folder, its link in a folder on the path,
// and another program of the same name elsewhere.
class LaunchCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(root_.path() + "/lib/kvantor2") && QDir().mkpath(root_.path() + "/bin"));
        writeScript(program_, "exit 0");
        writeScript(other_, "exit 0");
        ASSERT_TRUE(QFile::link("../lib/kvantor2/Kvantor2", link_));
    }
    QTemporaryDir root_;
    QString program_ = root_.path() + "/lib/kvantor2/Kvantor2";
    QString link_ = root_.path() + "/bin/Kvantor2";
    QString other_ = root_.path() + "/Kvantor2";
};

TEST_F(LaunchCommandTest, TheNameOnThePathElseThePathStartedThroughElseTheProgram) {
    const QString bin = root_.path() + "/bin", elsewhere = root_.path();
    const struct {
        QString startedAs;
        QString searchPath;
        QString command;
    } cases[] = {
        {"Kvantor2", bin, "Kvantor2"},
        {link_, bin, "Kvantor2"},
        {program_, bin, "Kvantor2"},
        {link_, elsewhere, link_},  // the link, not where it leads
        {program_, elsewhere, program_},
        {"Kvantor2", elsewhere, program_},  // the name finds another program
        {other_, elsewhere, program_},
        {"", "", program_},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::launchCommand(program_, c.startedAs, c.searchPath.isEmpty() ? QStringList() : QStringList{c.searchPath}), c.command)
            << c.startedAs.toStdString() << " on " << c.searchPath.toStdString();
}

TEST_F(LaunchCommandTest, TheEntriesRunTheNameOnThePathWithTheInstalledIcon) {
    QTemporaryDir config;
    EnvOverride configHome("XDG_CONFIG_HOME", config.path());
    EnvOverride home("HOME", config.path());
    EnvOverride path("PATH", root_.path() + "/bin:/usr/bin:/bin");
    platform::XdgAutostart autostart;
    ASSERT_TRUE(autostart.enable(program_));
    platform::XdgDesktopShortcut().create(root_.path() + "/lib/kvantor2/", program_);
    for (const QString& entry : {config.path() + "/autostart/Kvantor.desktop", config.path() + "/Desktop/Kvantor2.desktop"}) {
        const auto keys = platform::readDesktopEntry(entry);
        EXPECT_EQ(keys.value("Exec"), "Kvantor2") << entry.toStdString();
        EXPECT_EQ(keys.value("Icon"), "com.tessmark.Kvantor2") << entry.toStdString();
    }
}

TEST_F(AutostartTest, AnEntrySwitchedOffByTheSessionSettingsCountsAsOff) {
    writeText(entry_, "[Desktop Entry]\nExec=/x/Kvantor2\nHidden=true\n");
    EXPECT_FALSE(autostart_.isEnabled());
    writeText(entry_, "[Desktop Entry]\nExec=/x/Kvantor2\nX-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(autostart_.isEnabled());
    ASSERT_TRUE(autostart_.enable("/x/Kvantor2"));
    EXPECT_TRUE(autostart_.isEnabled());
}

TEST_F(AutostartTest, AFolderThatCannotBeMadeLeavesTheSettingOff) {
    writeText(config_.path() + "/autostart", "a file where the folder should be");
    EXPECT_FALSE(autostart_.enable("/x/Kvantor2"));
    EXPECT_FALSE(autostart_.isEnabled());
}

}  // namespace

// Start with the system through the autostart folder.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "TestEnvironment.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgAutostart.h"

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

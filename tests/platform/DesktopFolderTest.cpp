// The desktop folder and the shortcut put there.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "TestEnvironment.h"
#include "core/Error.h"
#include "platform/DesktopEntry.h"
#include "platform/DesktopFolder.h"
#include "platform/XdgDesktopShortcut.h"

using platform::desktopDirFromUserDirs;

namespace {

TEST(DesktopDirFromUserDirs, ReadsTheLineAsXdgUserDirsWritesIt) {
    const QString home = "/home/anna";
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", home), "/home/anna/Desktop");
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DESKTOP_DIR=$HOME/Schreibtisch", home), "/home/anna/Schreibtisch");
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/\"", home), "/home/anna");
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DESKTOP_DIR=\"/srv/desk top\"", home), "/srv/desk top");
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\" \\$1\"", home),
              "/home/anna/My \"Desk\" $1");
    EXPECT_EQ(desktopDirFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n#XDG_DESKTOP_DIR=\"$HOME/Old\"\n"
                                     "  XDG_DESKTOP_DIR=\"$HOME/Arbeitsfläche\"  \n",
                                     home),
              "/home/anna/Arbeitsfläche");
}

TEST(DesktopDirFromUserDirs, NothingUsableGivesEmpty) {
    for (const char* text : {"", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"", "XDG_DESKTOP_DIR=\"Desktop\"",
                             "XDG_DESKTOP_DIR=\"$HOMEWORK/x\"", "XDG_DESKTOP_DIR=\"\""})
        EXPECT_EQ(desktopDirFromUserDirs(text, "/home/anna"), "") << text;
}

class DesktopShortcutTest : public ::testing::Test {
protected:
    QTemporaryDir root_;
    EnvOverride home_{"HOME", root_.path()};
    EnvOverride config_{"XDG_CONFIG_HOME", root_.path() + "/.config"};
};

TEST_F(DesktopShortcutTest, TheDesktopIsWhereUserDirsSaysElseDesktopInHome) {
    EXPECT_EQ(platform::desktopFolder(), root_.path() + "/Desktop");
    writeText(root_.path() + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n");
    EXPECT_EQ(platform::desktopFolder(), root_.path() + "/Escritorio");
}

TEST_F(DesktopShortcutTest, TheShortcutIsALaunchableEntryForTheProgram) {
    writeText(root_.path() + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n");
    const QString dir = "/opt/Kvantor 2/";
    platform::XdgDesktopShortcut().create(dir, dir + "Kvantor2");
    QString path = root_.path() + "/Escritorio/Kvantor2.desktop";
    auto keys = platform::readDesktopEntry(path);
    EXPECT_EQ(keys.value("Type"), "Application");
    EXPECT_EQ(keys.value("Name"), "Kvantor2");
    EXPECT_EQ(splitExecLine(unescapeDesktopValue(keys.value("Exec"))), QStringList{dir + "Kvantor2"});
    EXPECT_EQ(unescapeDesktopValue(keys.value("Path")), dir);
    EXPECT_TRUE(QFileInfo(path).isExecutable()) << "desktops refuse to launch entries not marked executable";
}

TEST_F(DesktopShortcutTest, AFailureIsAnErrorNamingTheFile) {
    writeText(root_.path() + "/Desktop", "a file where the folder should be");
    try {
        platform::XdgDesktopShortcut().create("/opt/k/", "/opt/k/Kvantor2");
        FAIL() << "no error";
    } catch (const kv::Error& e) {
        EXPECT_TRUE(QString(e.what()).contains(root_.path() + "/Desktop/Kvantor2.desktop")) << e.what();
    }
}

}  // namespace

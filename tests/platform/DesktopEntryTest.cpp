// Desktop entry files: what is written reads back the same through the desktop's rules.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "TestEnvironment.h"
#include "platform/DesktopEntry.h"

namespace {

TEST(ExecArgument, AwkwardPathsReadBackAsOneUnchangedArgument) {
    EXPECT_EQ(platform::execArgument("/usr/local/bin/Kvantor2"), "/usr/local/bin/Kvantor2");
    for (const QString path : {"/opt/My Tools/Kvantor2", "/home/o'brien/Kvantor2", "/tmp/a$b/`x`/Kvantor2",
                               "/tmp/back\\slash", "/tmp/100% sure/%f", "/tmp/\"quoted\"", "/tmp/tab\tand\nline",
                               " /leading space", "/tmp/ünïcode/Квантор"}) {
        QString value = platform::escapeDesktopValue(platform::execArgument(path));
        EXPECT_EQ(splitExecLine(unescapeDesktopValue(value)), QStringList{path}) << value.toStdString();
    }
}

TEST(DesktopEntryFile, WritesReadableEntryExecutableOnRequest) {
    QTemporaryDir dir;
    QString path = dir.path() + "/new/folder/x.desktop";
    platform::DesktopEntryKeys keys{{"Type", "Application"}, {"Name", "Kvantor2"}};
    ASSERT_EQ(platform::writeDesktopEntry(path, keys, true), QString());
    EXPECT_TRUE(readText(path).startsWith("[Desktop Entry]\n"));
    EXPECT_EQ(platform::readDesktopEntry(path).value("Name"), "Kvantor2");
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);
    ASSERT_EQ(platform::writeDesktopEntry(path, keys, false), QString());
    EXPECT_FALSE(QFileInfo(path).permissions() & QFileDevice::ExeOwner);

    writeText(dir.path() + "/blocker", "not a folder");
    EXPECT_NE(platform::writeDesktopEntry(dir.path() + "/blocker/x.desktop", keys, false), QString());
}

TEST(DesktopEntryFile, ReadsOnlyTheDesktopEntryGroup) {
    QTemporaryDir dir;
    writeText(dir.path() + "/x.desktop", "# c\n[Desktop Entry]\nName = Kvantor2\n[Desktop Action New]\nName=Other\n");
    EXPECT_EQ(platform::readDesktopEntry(dir.path() + "/x.desktop").value("Name"), "Kvantor2");
}

}  // namespace

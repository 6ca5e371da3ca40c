// Replacing a file where "Save as" does not reach: a link to no file yet, a
// new file's mode, and what is refused without leaving a temporary behind.
#include "core/AtomicFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Error.h"

TEST(AtomicFile, LinksNewFilesAndRefusals) {
    const mode_t mask = ::umask(027);
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    ASSERT_EQ(::symlink("made.txt", (folder + "/dangling").c_str()), 0);
    ASSERT_EQ(::symlink("loop2", (folder + "/loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (folder + "/loop2").c_str()), 0);
    ASSERT_EQ(::mkfifo((folder + "/fifo").c_str(), 0600), 0);
    const struct {
        const char* written;
        const char* landed;  // null: refused
        QStringList after;   // the folder's names afterwards
    } cases[] = {
        {"dangling", "made.txt", {"dangling", "fifo", "loop1", "loop2", "made.txt"}},
        {"new.txt", "new.txt", {"dangling", "fifo", "loop1", "loop2", "made.txt", "new.txt"}},
        {"loop1", nullptr, {"dangling", "fifo", "loop1", "loop2", "made.txt", "new.txt"}},
        {"fifo", nullptr, {"dangling", "fifo", "loop1", "loop2", "made.txt", "new.txt"}},
        {"no/such.txt", nullptr, {"dangling", "fifo", "loop1", "loop2", "made.txt", "new.txt"}},
    };
    int descriptorFlags = 0;
    for (const auto& c : cases) {
        const auto write = [&](int fd) {
            descriptorFlags = ::fcntl(fd, F_GETFD);
            ASSERT_EQ(::write(fd, "new", 3), 3);
        };
        if (!c.landed) {
            EXPECT_THROW(kv::replaceFile(folder + "/" + c.written, write), kv::Error) << c.written;
        } else {
            kv::replaceFile(folder + "/" + c.written, write);
            QFile landed(dir.filePath(c.landed));
            EXPECT_TRUE(landed.open(QIODevice::ReadOnly) && landed.readAll() == "new") << c.written;
            struct stat st {};
            EXPECT_TRUE(::stat(dir.filePath(c.landed).toLocal8Bit().constData(), &st) == 0 &&
                        (st.st_mode & 07777) == 0640) << c.written;
            // A program started by this one never inherits the new file.
            EXPECT_TRUE(descriptorFlags & FD_CLOEXEC) << c.written;
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  c.after) << c.written;
    }
    ::umask(mask);
}

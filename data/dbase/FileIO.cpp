#include "data/dbase/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "data/dbase/Table.h"

namespace dbase {

namespace {

std::string reason() { return std::strerror(errno); }

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// New files get the usual rw-rw-rw- less the umask; a replaced file keeps its mode.
mode_t modeFor(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw DbfError(path + ": cannot open the file (" + reason() + ")");
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw DbfError(path + ": not a regular file");
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const std::string why = reason();
            ::close(fd);
            throw DbfError(path + ": cannot read the file (" + why + ")");
        }
        if (n == 0) break;
        bytes.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return bytes;
}

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string directory = directoryOf(path);
    const auto slash = path.rfind('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = directory + "/." + base + ".XXXXXX";
    const mode_t mode = modeFor(path);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) throw DbfError(path + ": cannot create a temporary file beside it (" + reason() + ")");
    auto abandon = [&](const std::string& what) {
        const std::string why = reason();
        ::close(fd);
        ::unlink(temp.c_str());
        throw DbfError(path + ": " + what + " (" + why + ")");
    };
    if (!writeAll(fd, bytes)) abandon("cannot write the new content");
    if (::fchmod(fd, mode) != 0) abandon("cannot set the file mode");
    if (::fsync(fd) != 0) abandon("cannot flush the new content to disk");
    if (::close(fd) != 0) {
        const std::string why = reason();
        ::unlink(temp.c_str());
        throw DbfError(path + ": cannot write the new content (" + why + ")");
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = reason();
        ::unlink(temp.c_str());
        throw DbfError(path + ": cannot replace the file (" + why + ")");
    }
    // The rename is durable only once the directory itself is on disk.
    const int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace dbase

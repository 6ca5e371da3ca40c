#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Error.h"

namespace kv {

namespace {

std::string reason() { return std::strerror(errno); }

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new file gets the usual rw-rw-rw- less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string linkTarget(const std::string& path) {
    std::string at = path;
    // As many links as the system itself follows before it calls it a loop.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::string to(st.st_size > 0 ? std::size_t(st.st_size) + 1 : 4096, '\0');
        const ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
        if (n < 0) return at;
        to.resize(std::size_t(n));
        at = to.front() == '/' ? to : directoryOf(at) + "/" + to;
    }
    throw Error(path + ": cannot follow the symbolic link (" + std::strerror(ELOOP) + ")");
}

void replaceFile(const std::string& path, const std::function<void(int fd)>& write) {
    const std::string target = linkTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // Renaming over a device or a pipe would put a plain file in its place.
    if (exists && !S_ISREG(old.st_mode)) throw Error(path + ": not a regular file, so it is not replaced");
    const std::string directory = directoryOf(target);
    std::string temp = directory + "/." + baseOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) throw Error(path + ": cannot create a temporary file beside it (" + reason() + ")");
    auto abandon = [&](const std::string& what) {
        const std::string why = reason();
        ::close(fd);
        ::unlink(temp.c_str());
        throw Error(path + ": " + what + " (" + why + ")");
    };
    try {
        write(fd);
    } catch (...) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    // The owner before the mode: a change of owner clears set-user-ID bits.
    // Giving a file away is up to the system; the group alone is tried then,
    // and a file that keeps neither is still written.
    if (exists && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, uid_t(-1), old.st_gid);
    }
    if (::fchmod(fd, exists ? old.st_mode & 07777 : newFileMode()) != 0) abandon("cannot set the file mode");
    if (::fsync(fd) != 0) abandon("cannot flush the new content to disk");
    if (::close(fd) != 0) {
        const std::string why = reason();
        ::unlink(temp.c_str());
        throw Error(path + ": cannot write the new content (" + why + ")");
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const std::string why = reason();
        ::unlink(temp.c_str());
        throw Error(path + ": cannot replace the file (" + why + ")");
    }
    // The rename is durable only once the directory itself is on disk.
    const int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void replaceFile(const std::string& path, const std::string& bytes) {
    replaceFile(path, [&](int fd) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) throw Error(path + ": cannot write the new content (" + std::strerror(n < 0 ? errno : ENOSPC) + ")");
            done += std::size_t(n);
        }
    });
}

}  // namespace kv

#include "tools/hexview/MappedFile.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <poll.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include "core/Error.h"

namespace hexview {

namespace {

// A mapped page whose file was cut short raises SIGBUS on access. The access
// that runs under busGuard() jumps back out and reports the failure.
thread_local sigjmp_buf* tBusJump = nullptr;

void onBusError(int signal, siginfo_t*, void*) {
    if (tBusJump) siglongjmp(*tBusJump, 1);
    // Not ours: the default action, as if no handler were installed.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installBusHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, nullptr);
    });
}

// Runs `access`, which must own nothing that needs destroying; false when a
// page vanished under it.
template <class F>
bool busGuard(F&& access) {
    sigjmp_buf jump;
    sigjmp_buf* const outer = tBusJump;
    if (sigsetjmp(jump, 1)) {
        tBusJump = outer;
        return false;
    }
    tBusJump = &jump;
    access();
    tBusJump = outer;
    return true;
}

}  // namespace

MappedFile::MappedFile(const std::string& path) : path_(path) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw OpenError(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd_);
        throw OpenError(std::strerror(error));
    }
    if (!S_ISREG(info.st_mode)) {
        try {
            openStream(S_ISFIFO(info.st_mode));
        } catch (...) {
            ::close(fd_);
            throw;
        }
    } else if (info.st_size == 0) {
        // Files of /proc and /sys say 0 bytes and still hold some; an empty
        // file (which may yet grow) reads nothing.
        char probe;
        stream_ = ::pread(fd_, &probe, 1, 0) == 1 && size() == 0;
    } else {
        void* map = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_SHARED, fd_, 0);
        if (map != MAP_FAILED) {
            map_ = static_cast<std::uint8_t*>(map);
            mapSize_ = static_cast<std::uint64_t>(info.st_size);
            installBusHandler();
        }
    }
}

void MappedFile::openStream(bool fifo) {
    stream_ = true;
    if (!fifo) return;
    // An empty pipe answers "try again" while a program holds it open for
    // writing, and "end" when none does. What the probe reads is kept.
    held_.resize(65536);
    const ssize_t got = ::read(fd_, held_.data(), held_.size());
    held_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    if (got != 0) return;
    // The end of an unnamed pipe (a finished `printf | ...`) is just that.
    // A named one may get its writer in a moment: a program started beside
    // this one. The wait ends when one opens it (and writes or closes).
    struct statfs fs {};
    if (::fstatfs(fd_, &fs) == 0 && fs.f_type == PIPEFS_MAGIC) return;
    pollfd wait{fd_, POLLIN, 0};
    if (::poll(&wait, 1, kWriterWaitMs) == 0) throw NoWriterError();
}

MappedFile::~MappedFile() {
    if (map_) ::munmap(map_, mapSize_);
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t MappedFile::size() const {
    if (holding_) return held_.size();
    if (stream_) return 0;
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || info.st_size < 0) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

std::optional<std::size_t> MappedFile::next(void* to, std::size_t n, int waitMs) {
    if (!held_.empty() && !holding_) {
        n = std::min(n, held_.size());
        std::memcpy(to, held_.data(), n);
        held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    for (;;) {
        const ssize_t got = ::read(fd_, to, n);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) break;
        if (errno != EINTR) {
            pollfd wait{fd_, POLLIN, 0};
            const int ready = ::poll(&wait, 1, waitMs);
            if (ready == 0) return std::nullopt;
            if (ready < 0 && errno != EINTR) break;
        }
    }
    throw kv::Error("Can't read file " + path_ + ": " + std::strerror(errno));
}

MappedFile::Taken MappedFile::take(std::uint64_t limit, const std::function<bool(std::uint64_t)>& goOn) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::vector<std::uint8_t> bytes;
    Taken taken = Taken::Whole;
    for (;;) {
        if (!goOn(bytes.size())) {
            taken = Taken::Stopped;
            break;
        }
        if (bytes.size() >= limit) {
            // Full: cut, unless the stream ends right there.
            char more;
            if (next(&more, 1, 0) != std::optional<std::size_t>(0)) taken = Taken::Cut;
            break;
        }
        const std::size_t at = bytes.size();
        const auto room = static_cast<std::size_t>(std::min<std::uint64_t>(limit - at, kPiece));
        bytes.resize(at + room);
        const std::optional<std::size_t> got = next(bytes.data() + at, room, 100);
        bytes.resize(at + got.value_or(0));
        if (got == std::optional<std::size_t>(0)) break;
    }
    held_ = std::move(bytes);
    holding_ = true;
    return taken;
}

std::size_t MappedFile::read(std::uint64_t offset, void* to, std::size_t n) const {
    std::size_t copied = 0;
    scan(offset, n, [&](const std::uint8_t* bytes, std::size_t count) {
        std::memcpy(static_cast<char*>(to) + copied, bytes, count);
        copied += count;
    });
    if (stream_) return copied;
    // What lies past the mapping (the file grew) comes from plain reads.
    while (copied < n) {
        const ssize_t got = ::pread(fd_, static_cast<char*>(to) + copied, n - copied,
                                    static_cast<off_t>(offset + copied));
        if (got > 0) {
            copied += static_cast<std::size_t>(got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    return copied;
}

std::size_t MappedFile::scan(std::uint64_t offset, std::size_t n, const Use& use, bool pass) const {
    const std::uint64_t size = this->size();
    if (offset >= size) return 0;
    const std::uint64_t end = std::min<std::uint64_t>(size, offset + n);
    if (holding_) {
        const auto count = static_cast<std::size_t>(end - offset);
        use(held_.data() + offset, count);
        return count;
    }
    // Within the mapping (and the file as it is now): straight from memory.
    if (map_ && end <= mapSize_ && !pass) {
        const auto count = static_cast<std::size_t>(end - offset);
        const std::uint8_t* bytes = map_ + offset;
        return busGuard([&] { use(bytes, count); }) ? count : 0;
    }
    // A pass over the whole file, a file grown past its mapping, or one that
    // could not be mapped: plain reads into a block kept for the next call.
    // (Mapped pages a pass has touched stay counted as the program's memory,
    // even when given back, as the kernel maps their neighbours on each fault.)
    thread_local std::vector<std::uint8_t> block;
    n = static_cast<std::size_t>(end - offset);
    if (block.size() < n) block.resize(n);
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd_, block.data() + got, n - got, static_cast<off_t>(offset + got));
        if (r > 0) {
            got += static_cast<std::size_t>(r);
        } else if (r < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    if (got > 0) use(block.data(), got);
    return got;
}

}  // namespace hexview

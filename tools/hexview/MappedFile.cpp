#include "tools/hexview/MappedFile.h"

#include <fcntl.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

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

constexpr std::size_t kPage = 4096;

}  // namespace

MappedFile::MappedFile(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw OpenError(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd_);
        throw OpenError(std::strerror(error));
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        void* map = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_SHARED, fd_, 0);
        if (map != MAP_FAILED) {
            map_ = static_cast<std::uint8_t*>(map);
            mapSize_ = static_cast<std::uint64_t>(info.st_size);
            installBusHandler();
        }
    }
}

MappedFile::~MappedFile() {
    if (map_) ::munmap(map_, mapSize_);
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t MappedFile::size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || info.st_size < 0) return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t MappedFile::read(std::uint64_t offset, void* to, std::size_t n) const {
    std::size_t copied = 0;
    scan(offset, n, [&](const std::uint8_t* bytes, std::size_t count) {
        std::memcpy(static_cast<char*>(to) + copied, bytes, count);
        copied += count;
    });
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

std::size_t MappedFile::scan(std::uint64_t offset, std::size_t n, const Use& use, bool release) const {
    const std::uint64_t size = this->size();
    if (offset >= size) return 0;
    const std::uint64_t end = std::min<std::uint64_t>(size, offset + n);
    // Within the mapping (and the file as it is now): straight from memory.
    if (map_ && end <= mapSize_) {
        const auto count = static_cast<std::size_t>(end - offset);
        const std::uint8_t* bytes = map_ + offset;
        if (!busGuard([&] { use(bytes, count); })) return 0;
        if (release) {
            const std::uint64_t first = offset / kPage * kPage;
            ::madvise(map_ + first, static_cast<std::size_t>(offset + count - first), MADV_DONTNEED);
        }
        return count;
    }
    // The file grew past the mapping, or could not be mapped: plain reads.
    std::vector<std::uint8_t> block(static_cast<std::size_t>(end - offset));
    n = block.size();
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

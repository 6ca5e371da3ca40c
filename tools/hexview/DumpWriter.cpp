#include "tools/hexview/DumpWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Error.h"
#include "tools/hexview/DumpLine.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;  // a multiple of 4096

void checkStop(const WriteControl& control) {
    if (control.stop && control.stop->load(std::memory_order_relaxed)) throw kv::Error("Stopped.");
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

OutputBuffer::OutputBuffer(int fd, std::string what, std::size_t capacity)
    : fd_(fd), what_(std::move(what)), buffer_(capacity) {}

void OutputBuffer::writeAll(const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw kv::Error("Can't write " + what_ + ": " + std::strerror(n < 0 ? errno : ENOSPC));
        done += static_cast<std::size_t>(n);
    }
}

void OutputBuffer::flush() {
    const std::size_t used = used_;
    used_ = 0;
    writeAll(buffer_.data(), used);
}

char* OutputBuffer::reserve(std::size_t n) {
    if (buffer_.size() - used_ < n) flush();
    return buffer_.data() + used_;
}

void OutputBuffer::put(const char* bytes, std::size_t n) {
    if (n > buffer_.size() / 2) {
        flush();
        writeAll(bytes, n);
        return;
    }
    std::memcpy(reserve(n), bytes, n);
    used_ += n;
}

void writeDump(const MappedFile& file, OutputBuffer& out, const WriteControl& control) {
    for (std::uint64_t at = 0;;) {
        checkStop(control);
        const std::size_t got = file.scan(at, kChunk, [&](const std::uint8_t* bytes, std::size_t n) {
            for (std::size_t k = 0; k < n; k += kBytesPerLine) {
                const int count = static_cast<int>(std::min<std::size_t>(kBytesPerLine, n - k));
                char* line = out.reserve(kMaxDumpLine);
                out.commit(line + dumpLine(line, at + k, bytes + k, count));
                const std::uint64_t after = at + k + count;
                if (after % 4096 == 0 && control.progress) control.progress(after);
            }
        }, true);
        if (got == 0) break;
        at += got;
    }
    out.flush();
}

void writeText(const MappedFile& file, OutputBuffer& out, const WriteControl& control) {
    char last = '\n';
    for (std::uint64_t at = 0;;) {
        checkStop(control);
        const std::size_t got = file.scan(at, kChunk, [&](const std::uint8_t* bytes, std::size_t n) {
            std::size_t from = 0;
            while (const void* feed = std::memchr(bytes + from, '\n', n - from)) {
                const auto end = static_cast<std::size_t>(static_cast<const std::uint8_t*>(feed) - bytes);
                const bool hasReturn = end > 0 ? bytes[end - 1] == '\r' : last == '\r';
                out.put(reinterpret_cast<const char*>(bytes + from), end - from);
                out.put(hasReturn ? "\n" : "\r\n", hasReturn ? 1 : 2);
                from = end + 1;
            }
            out.put(reinterpret_cast<const char*>(bytes + from), n - from);
            last = static_cast<char>(bytes[n - 1]);
        }, true);
        if (got == 0) break;
        at += got;
        if (control.progress) control.progress(at);
    }
    if (last != '\n') out.put(last == '\r' ? "\n" : "\r\n", last == '\r' ? 1 : 2);
    out.flush();
}

void saveReplacing(const std::string& target, const std::function<void(OutputBuffer&)>& write) {
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string temporary = folder + "." + baseName(target) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw kv::Error("Can't write file " + baseName(target) + ": " + std::strerror(errno));
    auto fail = [&](const std::string& message) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw kv::Error(message);
    };
    try {
        OutputBuffer out(fd, "file " + baseName(target));
        write(out);
    } catch (const kv::Error& e) {
        fail(e.what());
    }
    // The new file gets the permissions any new file of the user gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0 || ::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw kv::Error("Can't write file " + baseName(target) + ": " + std::strerror(error));
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw kv::Error("Can't write file " + baseName(target) + ": " + std::strerror(error));
    }
}

}  // namespace hexview

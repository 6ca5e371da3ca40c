#include "tools/hexview/DumpWriter.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "core/AtomicFile.h"
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

OutputBuffer::OutputBuffer(std::ostream& stream, std::string what, std::size_t capacity)
    : stream_(&stream), what_(std::move(what)), buffer_(capacity) {}

void OutputBuffer::writeAll(const char* bytes, std::size_t size) {
    if (stream_) {
        if (!stream_->write(bytes, static_cast<std::streamsize>(size))) throw kv::Error("Can't write " + what_);
        return;
    }
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

std::uint64_t writeDump(const MappedFile& file, OutputBuffer& out, const WriteControl& control) {
    std::uint64_t at = 0;
    for (;;) {
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
    return at;
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

void dumpStream(MappedFile& file, OutputBuffer& out) {
    // A stream comes in pieces of any length: the bytes of a line not yet
    // complete wait for the next piece, and what came is written at once.
    std::vector<std::uint8_t> block(kChunk);
    std::size_t held = 0;
    for (std::uint64_t at = 0;;) {
        const std::size_t got = file.next(block.data() + held, block.size() - held).value_or(0);
        held += got;
        const std::size_t whole = got == 0 ? held : held - held % kBytesPerLine;
        for (std::size_t k = 0; k < whole; k += kBytesPerLine) {
            const int count = static_cast<int>(std::min<std::size_t>(kBytesPerLine, whole - k));
            char* line = out.reserve(kMaxDumpLine);
            out.commit(line + dumpLine(line, at + k, block.data() + k, count));
        }
        out.flush();
        at += whole;
        held -= whole;
        std::memmove(block.data(), block.data() + whole, held);
        if (got == 0) return;
    }
}

void saveReplacing(const std::string& target, const std::function<void(OutputBuffer&)>& write) {
    kv::replaceFile(target, [&](int fd) {
        OutputBuffer out(fd, "file " + baseName(target));
        write(out);
        out.flush();
    });
}

}  // namespace hexview

#pragma once
// Writing the whole dump (or the whole text) of a file as a stream, never
// holding it in memory: for "Save as" and for the hexdump command.
#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace hexview {

class MappedFile;

// A large buffer in front of a file descriptor; a failed write throws
// kv::Error naming `what` and the system's reason.
class OutputBuffer {
public:
    OutputBuffer(int fd, std::string what, std::size_t capacity = std::size_t{1} << 20);
    // Into a stream instead (a command run in memory).
    OutputBuffer(std::ostream& stream, std::string what, std::size_t capacity = std::size_t{1} << 20);
    void put(const char* bytes, std::size_t n);
    // Room for `n` characters at the end of the buffer, to be committed with commit().
    char* reserve(std::size_t n);
    void commit(char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
    void flush();

private:
    void writeAll(const char* bytes, std::size_t size);

    int fd_ = -1;
    std::ostream* stream_ = nullptr;
    std::string what_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

// Told the position reached each time it is a multiple of 4096; `stop` ends
// the writing early (a kv::Error says so).
struct WriteControl {
    std::function<void(std::uint64_t)> progress;
    const std::atomic<bool>* stop = nullptr;
};

// Every dump line of the file, as the view shows them; the count of bytes
// dumped (fewer than the file had when the file shrank meanwhile).
std::uint64_t writeDump(const MappedFile& file, OutputBuffer& out, const WriteControl& control = {});
// The file's text with every line ended by CR LF, the last one too.
void writeText(const MappedFile& file, OutputBuffer& out, const WriteControl& control = {});

// Every dump line of a stream (a pipe, a device, a file of /proc) as its
// bytes come, until it ends: a source without end is dumped without end.
void dumpStream(MappedFile& file, OutputBuffer& out);

// Writes `target` through `write` with kv::replaceFile: a failure (disk full,
// no permission) leaves the old file as it was and throws kv::Error.
void saveReplacing(const std::string& target, const std::function<void(OutputBuffer&)>& write);

}  // namespace hexview

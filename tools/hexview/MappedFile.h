#pragma once
// A file opened for reading any part of it at once, whatever its size: mapped
// into memory where the system allows it, read in blocks where it does not.
// A source that tells no size (a pipe, a named pipe, a terminal, a device, a
// file of /proc) is a stream: read in order, or held in memory. The file may grow or shrink while it is open
// (a log being written, a file truncated by another program): every access
// stops at the end the file has at that moment, and a page that vanishes
// during an access ends that access early instead of killing the program.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Error.h"

namespace hexview {

// The file cannot be opened at all (missing, no permission, a folder).
class OpenError : public kv::Error {
public:
    explicit OpenError(const std::string& message) : kv::Error(message) {}
};

// A named pipe no program writes to (and none came within a moment).
class NoWriterError : public OpenError {
public:
    NoWriterError() : OpenError("no program writes to this named pipe") {}
};

class MappedFile {
public:
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const std::string& path() const { return path_; }
    bool mapped() const { return map_ != nullptr; }
    // The size the file has now; 0 for a stream not held in memory.
    std::uint64_t size() const;

    // A source that tells no size, and how long a named pipe without a writer
    // is given to get one before opening it fails with NoWriterError.
    bool stream() const { return stream_; }
    static constexpr int kWriterWaitMs = 2000;

    // The next bytes of a stream, at most `n`, waiting at most `waitMs`
    // milliseconds for some (-1: as long as it takes): their count, 0 at the
    // end of the stream, nothing when none came in time. Throws kv::Error.
    std::optional<std::size_t> next(void* to, std::size_t n, int waitMs = -1);

    // Reads a stream into memory, at most `limit` bytes, asking `goOn(count)`
    // between reads (at least every tenth of a second) whether to go on; from
    // then on the file is the bytes read. Says why the reading ended.
    enum class Taken { Whole, Cut, Stopped };
    Taken take(std::uint64_t limit, const std::function<bool(std::uint64_t)>& goOn);

    // Copies up to `n` bytes from `offset` to `to`; returns how many there were.
    std::size_t read(std::uint64_t offset, void* to, std::size_t n) const;

    // Hands the bytes from `offset` on (at most `n`, fewer at the end of the
    // file) to `use(bytes, count)` in memory, without copying where the file
    // is mapped; returns the count handed over, 0 at the end or when the file
    // shrank under the access. `pass` marks one block of a pass over the
    // whole file: it is read rather than mapped, so that the pass does not
    // leave the file resident in the program's memory.
    using Use = std::function<void(const std::uint8_t* bytes, std::size_t count)>;
    std::size_t scan(std::uint64_t offset, std::size_t n, const Use& use, bool pass = false) const;

private:
    void openStream(bool fifo);

    std::string path_;
    int fd_ = -1;
    std::uint8_t* map_ = nullptr;
    std::uint64_t mapSize_ = 0;
    bool stream_ = false;
    bool holding_ = false;
    std::vector<std::uint8_t> held_;  // a stream's bytes: read ahead, or all taken in
};

}  // namespace hexview

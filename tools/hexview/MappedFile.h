#pragma once
// A file opened for reading any part of it at once, whatever its size: mapped
// into memory where the system allows it, read in blocks where it does not
// (pipes, some special files). The file may grow or shrink while it is open
// (a log being written, a file truncated by another program): every access
// stops at the end the file has at that moment, and a page that vanishes
// during an access ends that access early instead of killing the program.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Error.h"

namespace hexview {

// The file cannot be opened at all (missing, no permission, a folder).
class OpenError : public kv::Error {
public:
    explicit OpenError(const std::string& message) : kv::Error(message) {}
};

class MappedFile {
public:
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const std::string& path() const { return path_; }
    bool mapped() const { return map_ != nullptr; }
    // The size the file has now.
    std::uint64_t size() const;

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
    std::string path_;
    int fd_ = -1;
    std::uint8_t* map_ = nullptr;
    std::uint64_t mapSize_ = 0;
};

}  // namespace hexview

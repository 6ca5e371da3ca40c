#pragma once
// The line starts of a text file, found on a thread of its own so that the
// view is usable at once and grows as the index grows. Only every 64th start
// is kept (a gigabyte of short lines would otherwise need hundreds of
// megabytes of starts); a line between two kept starts is found by walking
// forward from the nearer one.
//
// A line ends after its line feed, or after kMaxLineBytes bytes (moved back
// to the start of a UTF-8 character) so that no single line can be too long
// to show; the last line may end without a line feed.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace hexview {

class MappedFile;

inline constexpr std::size_t kMaxLineBytes = 4096;

// The length of the line that starts at `bytes`, of which `available` are at
// hand; `final` says nothing follows them. 0 when more bytes are needed (or
// none are left).
std::size_t nextLineLength(const std::uint8_t* bytes, std::size_t available, bool final);

struct LineRange {
    std::uint64_t start;
    std::uint64_t end;  // past the line feed, if any
};

class LineIndex {
public:
    static constexpr std::uint64_t kStride = 64;

    explicit LineIndex(std::shared_ptr<const MappedFile> file);
    ~LineIndex();
    LineIndex(const LineIndex&) = delete;
    LineIndex& operator=(const LineIndex&) = delete;

    // Indexes on a thread of its own; stopped when the index is destroyed.
    void start();
    // Indexes on the calling thread up to the end.
    void runToEnd();

    std::uint64_t lineCount() const { return count_.load(std::memory_order_acquire); }
    bool complete() const { return complete_.load(std::memory_order_acquire); }
    std::uint64_t indexedBytes() const { return indexed_.load(std::memory_order_acquire); }

    // Lines first.. (at most `count`, fewer at the end of what is indexed).
    std::vector<LineRange> lines(std::uint64_t first, std::uint64_t count) const;
    // The line that holds the byte at `offset` (the last indexed line past the index).
    std::uint64_t lineAt(std::uint64_t offset) const;

private:
    void run();
    std::vector<LineRange> walk(std::uint64_t line, std::uint64_t start, std::uint64_t skip,
                                std::uint64_t count) const;

    std::shared_ptr<const MappedFile> file_;
    mutable std::mutex mutex_;
    std::vector<std::uint64_t> kept_;  // the start of line k * kStride
    std::atomic<std::uint64_t> count_{0};
    std::atomic<std::uint64_t> indexed_{0};
    std::atomic<bool> complete_{false};
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

}  // namespace hexview

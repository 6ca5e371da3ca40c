#include "tools/hexview/LineIndex.h"

#include <algorithm>
#include <cstring>

#include "tools/hexview/MappedFile.h"

namespace hexview {

namespace {

constexpr std::size_t kChunk = std::size_t{256} << 10;

bool continuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t nextLineLength(const std::uint8_t* bytes, std::size_t available, bool final) {
    const std::size_t limit = std::min(available, kMaxLineBytes);
    if (const void* feed = std::memchr(bytes, '\n', limit))
        return static_cast<const std::uint8_t*>(feed) - bytes + 1;
    if (available > kMaxLineBytes) {
        // Never split a character: a UTF-8 character is at most 4 bytes.
        std::size_t split = kMaxLineBytes;
        while (split > kMaxLineBytes - 3 && continuation(bytes[split])) --split;
        return split;
    }
    return final ? available : 0;
}

LineIndex::LineIndex(std::shared_ptr<const MappedFile> file) : file_(std::move(file)) {}

LineIndex::~LineIndex() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void LineIndex::start() {
    if (!worker_.joinable() && !complete()) worker_ = std::thread([this] { run(); });
}

void LineIndex::runToEnd() {
    if (worker_.joinable()) {
        worker_.join();
    } else if (!complete()) {
        run();
    }
}

void LineIndex::run() {
    std::uint64_t at = indexed_;
    std::uint64_t count = count_;
    std::vector<std::uint64_t> kept;
    while (!stop_) {
        const std::uint64_t size = file_->size();
        if (at >= size) break;
        std::size_t used = 0;
        const std::size_t got = file_->scan(at, kChunk, [&](const std::uint8_t* bytes, std::size_t n) {
            const bool final = at + n >= size;
            while (std::size_t length = nextLineLength(bytes + used, n - used, final)) {
                if (count % kStride == 0) kept.push_back(at + used);
                ++count;
                used += length;
            }
        }, true);
        if (got == 0 || used == 0) break;  // the file was cut short under the scan
        at += used;
        {
            const std::lock_guard lock(mutex_);
            kept_.insert(kept_.end(), kept.begin(), kept.end());
        }
        kept.clear();
        indexed_.store(at, std::memory_order_release);
        count_.store(count, std::memory_order_release);
    }
    if (!stop_) complete_.store(true, std::memory_order_release);
}

std::vector<LineRange> LineIndex::walk(std::uint64_t line, std::uint64_t start, std::uint64_t skip,
                                       std::uint64_t count) const {
    std::vector<LineRange> found;
    const std::uint64_t last = std::min(lineCount(), line + skip + count);
    std::uint8_t buffer[kMaxLineBytes + 1];
    for (; line < last; ++line) {
        const std::size_t got = file_->read(start, buffer, sizeof buffer);
        if (got == 0) break;
        const std::size_t length = nextLineLength(buffer, got, true);
        if (skip > 0) {
            --skip;
        } else {
            found.push_back({start, start + length});
        }
        start += length;
    }
    return found;
}

std::vector<LineRange> LineIndex::lines(std::uint64_t first, std::uint64_t count) const {
    if (first >= lineCount() || count == 0) return {};
    std::uint64_t start;
    {
        const std::lock_guard lock(mutex_);
        const std::uint64_t k = first / kStride;
        if (k >= kept_.size()) return {};
        start = kept_[k];
    }
    return walk(first / kStride * kStride, start, first % kStride, count);
}

std::uint64_t LineIndex::lineAt(std::uint64_t offset) const {
    std::uint64_t k;
    std::uint64_t start;
    {
        const std::lock_guard lock(mutex_);
        if (kept_.empty()) return 0;
        const auto after = std::upper_bound(kept_.begin(), kept_.end(), offset);
        k = static_cast<std::uint64_t>(after - kept_.begin()) - 1;
        start = kept_[k];
    }
    std::uint64_t line = k * kStride;
    for (const LineRange& range : walk(line, start, 0, kStride)) {
        if (offset < range.end) return line;
        ++line;
    }
    return std::max<std::uint64_t>(line, 1) - 1;
}

}  // namespace hexview

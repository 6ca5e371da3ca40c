#pragma once
// Test-side reader of the B-tree pages of a production index, written apart
// from the engine so the writer's layout is checked against the documented one
// rather than against itself.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mdxtest {

inline std::uint32_t u32(std::string_view b, std::size_t at) {
    if (at + 4 > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 | std::uint32_t{static_cast<std::uint8_t>(b[at + 3])} << 24;
}
inline unsigned u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

struct Walk {
    std::vector<std::pair<std::string, std::uint32_t>> entries;  // raw key bytes, record
    int depth = 0;
    std::vector<std::uint32_t> leafPages;
};

// Walks tag `number` (from 0) from its root; checks on the way that every
// interior key equals the last key of the subtree on its left.
class TreeWalker {
public:
    explicit TreeWalker(std::string_view file) : file_(file) {}

    Walk walk(int number) {
        const std::uint32_t headerPage = u32(file_, 544 + 32 * static_cast<std::size_t>(number));
        const std::size_t head = headerPage * 512u;
        keyLength_ = u16(file_, head + 12);
        itemLength_ = u16(file_, head + 18);
        blockSize_ = u16(file_, 22);
        Walk result;
        visit(u32(file_, head), 1, result);
        return result;
    }

private:
    // Returns the last key under `page`.
    std::string visit(std::uint32_t page, int depth, Walk& out) {
        if (depth > 16) throw std::runtime_error("tree deeper than 16 levels");
        const std::size_t at = page * 512u;
        if (at + blockSize_ > file_.size()) throw std::runtime_error("node beyond the file");
        const std::uint32_t count = u32(file_, at);
        const bool leaf = u32(file_, at + 8 + count * itemLength_) == 0;
        auto key = [&](std::uint32_t i) { return std::string(file_.substr(at + 12 + i * itemLength_, keyLength_)); };
        if (leaf) {
            out.depth = depth;
            out.leafPages.push_back(page);
            for (std::uint32_t i = 0; i < count; ++i) out.entries.emplace_back(key(i), u32(file_, at + 8 + i * itemLength_));
            return count ? key(count - 1) : std::string();
        }
        std::string last;
        for (std::uint32_t i = 0; i <= count; ++i) {
            last = visit(u32(file_, at + 8 + i * itemLength_), depth + 1, out);
            if (i < count && last != key(i))
                throw std::runtime_error("interior key " + std::to_string(i) + " of page " + std::to_string(page) +
                                         " is not the last key of its left subtree");
        }
        return last;
    }

    std::string_view file_;
    std::size_t keyLength_ = 0, itemLength_ = 0, blockSize_ = 0;
};

}  // namespace mdxtest

#include "tools/hexview/Find.h"

#include <cstring>
#include <limits>

#include "core/Error.h"
#include "tools/hexview/MappedFile.h"

namespace hexview {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Blocks that stay in the processor's cache between being read and searched.
constexpr std::size_t kBlock = std::size_t{256} << 10;

}  // namespace

std::string parseHexBytes(const std::string& text) {
    std::string bytes;
    int high = -1;
    for (char c : text) {
        const int value = hexValue(c);
        if (value >= 0) {
            if (high < 0) {
                high = value;
            } else {
                bytes += static_cast<char>(high * 16 + value);
                high = -1;
            }
        } else if ((c == ' ' || c == ',' || c == '\t') && high < 0) {
            continue;
        } else {
            high = -2;
            break;
        }
    }
    if (high != -1 || bytes.empty())
        throw kv::Error("'" + text + "' is not a sequence of hexadecimal bytes (such as DE AD BE EF)");
    return bytes;
}

std::uint64_t parseOffset(const std::string& typed) {
    std::string text = trimmed(typed);
    int base = 16;
    if (text.starts_with('#')) {
        base = 10;
        text.erase(0, 1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        text.erase(0, 2);
    } else if (text.starts_with('$')) {
        text.erase(0, 1);
    }
    std::uint64_t value = 0;
    bool fits = !text.empty();
    for (char c : text) {
        const int digit = hexValue(c);
        if (digit < 0 || digit >= base || value > (std::numeric_limits<std::uint64_t>::max() - digit) / base) {
            fits = false;
            break;
        }
        value = value * base + digit;
    }
    if (!fits)
        throw kv::Error("'" + typed + "' is not an offset: type it in hexadecimal (1F0 or 0x1F0) "
                        "or in decimal after # (#496)");
    return value;
}

FindResult findForward(const MappedFile& file, const std::string& pattern, std::uint64_t from,
                       const std::atomic<bool>* stop, const std::function<void(std::uint64_t)>& progress) {
    FindResult result;
    if (pattern.empty()) return result;
    // Blocks overlap by the pattern's length less one, so a match across two is found.
    const std::size_t overlap = pattern.size() - 1;
    for (std::uint64_t at = from;;) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            result.stopped = true;
            return result;
        }
        std::size_t got = file.scan(at, kBlock + overlap, [&](const std::uint8_t* bytes, std::size_t n) {
            if (const void* hit = memmem(bytes, n, pattern.data(), pattern.size()))
                result.offset = at + static_cast<std::uint64_t>(static_cast<const std::uint8_t*>(hit) - bytes);
        }, true);
        if (result.offset || got <= overlap) return result;
        at += got - overlap;
        if (progress) progress(at);
    }
}

}  // namespace hexview

#pragma once
// Finding bytes in an open file, and reading what the user types to find them
// or to go to an offset.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace hexview {

class MappedFile;

// "DE AD BE EF", "deadbeef", "DE,AD": pairs of hex digits, spaces and commas
// between them allowed. Throws kv::Error for anything else, or nothing at all.
std::string parseHexBytes(const std::string& text);

// An offset typed to go to: hexadecimal with or without "0x" (or "$"), or
// decimal after "#". Throws kv::Error otherwise.
std::uint64_t parseOffset(const std::string& text);

struct FindResult {
    std::optional<std::uint64_t> offset;  // where the bytes start, if found
    bool stopped = false;
};

// The first place at `from` or after where `pattern` occurs. `stop` is polled
// between blocks; `progress` hears how far the search has come.
FindResult findForward(const MappedFile& file, const std::string& pattern, std::uint64_t from,
                       const std::atomic<bool>* stop = nullptr,
                       const std::function<void(std::uint64_t)>& progress = {});

}  // namespace hexview

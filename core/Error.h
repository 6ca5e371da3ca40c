#pragma once
// The program's errors: exceptions carrying the text the user sees.
#include <stdexcept>
#include <string>

namespace kv {

// Any failure meant for the user. The message is shown as-is by the handler guard.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kv

// A character named on the command line, from any text: the code read is one
// of the grid's (32 to 255) or the reading fails with a message; a single
// character reads as its own code, and decimal and 0x codes as their values.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <QList>
#include <QString>

#include "core/Error.h"
#include "tools/reference/CharCodes.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool allOf(const std::string& s, const char* digits) {
    return !s.empty() && s.size() < 10 && s.find_first_not_of(digits) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const QString argument = QString::fromUtf8(text);
    int code = 0;
    try {
        code = reference::readCharacterArgument(argument);
    } catch (const kv::Error& e) {
        require(*e.what() != '\0');
        return 0;
    }
    require(code >= reference::kFirstCode && code <= reference::kLastCode);
    if (argument.toUcs4().size() == 1) require(reference::characterText(code) == argument);
    else if (allOf(text, "0123456789")) require(std::strtol(text.c_str(), nullptr, 10) == code);
    else if (text.size() > 2 && (text[1] == 'x' || text[1] == 'X') && allOf(text.substr(2), "0123456789abcdefABCDEF"))
        require(std::strtol(text.c_str() + 2, nullptr, 16) == code);
    return 0;
}

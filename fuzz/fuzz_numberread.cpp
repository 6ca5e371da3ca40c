// Number reading against the C library's strtod: whatever the reader takes is
// the number strtod reads from the same text, bit for bit, and a plain decimal
// that strtod reads whole and in range is one the reader takes.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/NumberRead.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool onlyBlanks(const char* s) {
    while (*s == ' ' || *s == '\t') ++s;
    return *s == '\0';
}

bool plainDecimal(const std::string& s) {
    return s.find_first_not_of("0123456789+-.eE ") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) return 0;
    const auto read = kv::tryReadFloat(text, QChar(u'.'));
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(text.c_str(), &end);
    const bool whole = end != text.c_str() && onlyBlanks(end);
    const bool inRange = errno != ERANGE && std::isfinite(reference);
    if (read) {
        require(whole);
        // Values too small for a double read as zero by the rule; strtod may keep them subnormal.
        if (inRange && std::fpclassify(reference) != FP_SUBNORMAL)
            require(std::memcmp(&*read, &reference, sizeof reference) == 0);
    } else if (whole && inRange && plainDecimal(text) && std::fpclassify(reference) != FP_SUBNORMAL) {
        require(false);
    }
    return 0;
}

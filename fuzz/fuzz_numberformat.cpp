// The general number format against its first, plain implementation: the
// input's first 8 bytes are a double's bits, the next one picks the
// separator; both must write the same text byte for byte.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/NumberFormat.h"
#include "tests/core/NumberFormatReference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    const QChar separators[] = {QChar('.'), QChar(','), QChar(0x066B)};
    const QChar sep = separators[size > 8 ? data[8] % 3 : 0];
    char buf[kv::kGeneralMaxLength];
    const std::string written(buf, kv::writeGeneral(buf, v, kv::decimalPointBytes(sep)));
    if (written != referenceFormatGeneral(v, sep) || kv::formatGeneral(v, sep) != written) std::abort();
    return 0;
}

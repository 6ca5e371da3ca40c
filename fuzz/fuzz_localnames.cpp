// File names through the command line's text and back: any bytes at all come
// back byte for byte, and valid UTF-8 reads as the text Qt makes of it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <QString>

#include "core/LocalNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = kv::argumentText(bytes);
    if (kv::localBytes(text) != bytes) std::abort();
    const QString qt = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (qt.toUtf8() == QByteArray::fromStdString(bytes) && qt != text) std::abort();
    return 0;
}

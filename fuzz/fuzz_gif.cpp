// The GIF decoder: arbitrary bytes after a GIF signature. A picture either
// decodes to at least one frame, every frame the size of the screen and the
// screen within the memory bound, or the decoder says why in an error; it
// never reads or writes outside its data.
#include <QByteArray>
#include <cstdint>

#include "core/Error.h"
#include "fuzz/FuzzRequire.h"
#include "widgets/gif/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The signature is the first test the decoder makes; the fuzzer need not find it.
    QByteArray bytes = (size > 0 && data[0] & 1) ? QByteArray("GIF89a") : QByteArray("GIF87a");
    bytes.append(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const kv::gif::Picture picture = kv::gif::decode(bytes, QStringLiteral("fuzz"));
        require(!picture.frames.isEmpty());
        require(!picture.screen.isEmpty());
        for (const kv::gif::Frame& frame : picture.frames) {
            require(frame.image.size() == picture.screen);
            require(frame.delayMs >= kv::gif::kMinimumDelayMs);
        }
    } catch (const kv::Error& e) {
        require(QByteArray(e.what()).startsWith("fuzz: "));
    }
    return 0;
}

#include "widgets/gif/GifDecoder.h"

#include <QBuffer>
#include <QImageReader>

#include "core/Error.h"

namespace kv::gif {

namespace {

// The largest picture of the program is under 4 MB decoded. Qt refuses a single
// huge frame by itself, but a hostile file of many tiny frames on a large screen
// decodes each to the full screen size; stop it before it eats the memory.
constexpr qint64 kMaxDecodedBytes = 64LL * 1024 * 1024;

[[noreturn]] void fail(const QString& source, const char* why) {
    throw kv::Error(QStringLiteral("%1: %2").arg(source, QString::fromUtf8(why)).toStdString());
}

}  // namespace

int displayDelay(int gifDelayMs) {
    return gifDelayMs < kMinimumDelayMs ? kShortDelayMs : gifDelayMs;
}

bool hasGifSignature(const QByteArray& data) {
    return data.startsWith("GIF87a") || data.startsWith("GIF89a");
}

Picture decode(const QByteArray& data, const QString& source) {
    if (!hasGifSignature(data))
        fail(source, "not a GIF picture");

    QByteArray copy = data;  // QBuffer wants a mutable array; the copy is shared, not duplicated
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    reader.setDecideFormatFromContent(false);

    Picture picture;
    picture.screen = reader.size();
    qint64 decodedBytes = 0;
    while (true) {
        QImage image;
        if (!reader.read(&image) || image.isNull())
            break;
        decodedBytes += image.sizeInBytes();
        if (decodedBytes > kMaxDecodedBytes)
            fail(source, "the picture is too large");
        picture.frames.append(Frame{image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                    displayDelay(reader.nextImageDelay())});
        if (!reader.canRead())
            break;
    }
    if (picture.frames.isEmpty())
        fail(source, "the GIF picture cannot be read");
    if (!picture.screen.isValid() || picture.screen.isEmpty())
        picture.screen = picture.frames.first().image.size();
    return picture;
}

}  // namespace kv::gif

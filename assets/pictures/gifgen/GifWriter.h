#pragma once
// Writes pictures as GIF89a through giflib, since Qt has no GIF writer.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace kv::gifgen {

struct OutFrame {
    QImage image;      // every frame of a picture has the same size
    int delayCs = 0;   // display time in hundredths of a second
};

// Pixels with alpha under 128 become the transparent colour; the others are
// written opaque. Up to 255 distinct colours are kept exactly; more are reduced
// to a median-cut palette shared by all frames. loopCount: 0 loops forever,
// n > 0 plays n more times, -1 writes no loop block (viewers then play once).
// Throws kv::Error when the frames are empty or of different sizes.
QByteArray encodeGif(const QList<OutFrame>& frames, int loopCount);

// encodeGif into a file; throws kv::Error naming the file when it cannot be written.
void writeGifFile(const QString& path, const QList<OutFrame>& frames, int loopCount);

}  // namespace kv::gifgen

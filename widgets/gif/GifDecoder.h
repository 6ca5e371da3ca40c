#pragma once
// GIF data to composited frames (GIF87a and GIF89a, every disposal method).
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace kv::gif {

struct Frame {
    QImage image;     // the whole logical screen as it looks after this frame
    int delayMs = 0;  // display time, already raised to the minimum
};

struct Picture {
    QSize screen;          // logical screen size
    QList<Frame> frames;   // at least one after a successful decode
};

// Browsers show frames with a delay under 20 ms (0 or 1 centisecond: made by tools
// that meant "as fast as possible") for 100 ms; so do we.
constexpr int kMinimumDelayMs = 20;
constexpr int kShortDelayMs = 100;
int displayDelay(int gifDelayMs);

// True when the data start with the signature "GIF87a" or "GIF89a".
bool hasGifSignature(const QByteArray& data);

// Decodes every frame that is complete. Throws kv::Error whose message names
// `source` when the data are no GIF, the first frame cannot be decoded, or the
// frames would take more memory than any picture of this program needs.
// A truncated tail after complete frames only loses the frames it cuts.
Picture decode(const QByteArray& data, const QString& source);

}  // namespace kv::gif

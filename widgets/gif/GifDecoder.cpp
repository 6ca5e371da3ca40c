#include "widgets/gif/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/Error.h"

// The decoder is the program's own, not Qt's image plugin: loading the plugin
// (and looking through the plugin folder for it) took longer than decoding
// the bar's logo, and the logo is drawn before the bar first shows.
namespace kv::gif {

namespace {

// The largest picture of the program is under 4 MB decoded. A hostile file of
// many tiny frames on a large screen decodes each to the full screen size;
// stop it before it eats the memory.
constexpr qint64 kMaxDecodedBytes = 64LL * 1024 * 1024;
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

// An area of w x h pixels would take more than the bound, decoded.
bool tooLarge(qint64 w, qint64 h) {
    return w * h * 4 > kMaxDecodedBytes;
}

[[noreturn]] void fail(const QString& source, const char* why) {
    throw kv::Error(QStringLiteral("%1: %2").arg(source, QString::fromUtf8(why)).toStdString());
}

// The data ran out or broke the format's rules: what was complete stays.
struct Truncated {};

class Bytes {
public:
    explicit Bytes(const QByteArray& data)
        : p_(reinterpret_cast<const uint8_t*>(data.constData())), end_(p_ + data.size()) {}
    uint8_t byte() {
        if (p_ == end_) throw Truncated{};
        return *p_++;
    }
    int word() {
        const int low = byte();
        return low | (byte() << 8);
    }
    const uint8_t* take(size_t n) {
        if (size_t(end_ - p_) < n) throw Truncated{};
        const uint8_t* at = p_;
        p_ += n;
        return at;
    }
    void skipSubBlocks() {
        for (uint8_t n = byte(); n != 0; n = byte()) take(n);
    }
    bool atEnd() const { return p_ == end_; }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

using Palette = std::array<QRgb, 256>;

// A colour table of 2^(bits+1) entries; the rest of the 256 stay opaque black.
Palette readPalette(Bytes& in, int bits) {
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    const int n = 2 << bits;
    const uint8_t* rgb = in.take(size_t(n) * 3);
    for (int i = 0; i < n; ++i) palette[i] = qRgb(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
    return palette;
}

// The image data: LZW codes packed into sub-blocks, to `count` colour indexes.
// Indexes past the data's end stay 0; a code the table does not hold yet
// ends the data, as in browsers.
std::vector<uint8_t> decodeIndexes(Bytes& in, size_t count) {
    const int minBits = in.byte();
    if (minBits < 2 || minBits > 11) throw Truncated{};
    const int clear = 1 << minBits;
    const int stop = clear + 1;

    std::vector<uint8_t> out(count, 0);
    // The table as a prefix chain: each code is its prefix code plus one last
    // index. Left uninitialised: an entry is read only once it is written (a
    // code above the next free one ends the data), and a frame of a picture
    // need not clear 20 KB first.
    std::array<uint16_t, kMaxCodes> prefix;
    std::array<uint8_t, kMaxCodes> suffix;
    std::array<uint8_t, kMaxCodes> first;  // the first index of each code's string
    std::array<uint8_t, kMaxCodes + 1> stack;  // a longest string, plus one index
    for (int i = 0; i < clear; ++i) {
        suffix[i] = uint8_t(i);
        first[i] = uint8_t(i);
    }
    int bits = minBits + 1;
    int next = clear + 2;
    int previous = -1;
    size_t written = 0;
    uint32_t buffer = 0;
    int buffered = 0;
    bool ended = false;

    for (uint8_t blockSize = in.byte(); blockSize != 0; blockSize = in.byte()) {
        const uint8_t* block = in.take(blockSize);
        for (int b = 0; b < blockSize && !ended; ++b) {
            buffer |= uint32_t(block[b]) << buffered;
            buffered += 8;
            while (buffered >= bits && !ended) {
                const int code = int(buffer & ((1u << bits) - 1));
                buffer >>= bits;
                buffered -= bits;
                if (code == clear) {
                    bits = minBits + 1;
                    next = clear + 2;
                    previous = -1;
                    continue;
                }
                if (code == stop || code > next || (code == next && previous < 0)) {
                    ended = true;
                    break;
                }
                // The string of `code` (for the code not yet in the table: the
                // previous string plus its own first index), written backwards.
                int depth = 0;
                int c = code;
                if (code == next) {
                    stack[depth++] = first[previous];
                    c = previous;
                }
                while (c >= clear) {
                    stack[depth++] = suffix[c];
                    c = prefix[c];
                }
                stack[depth++] = uint8_t(c);
                for (int k = depth - 1; k >= 0 && written < count; --k) out[written++] = stack[k];
                if (previous >= 0 && next < kMaxCodes) {
                    prefix[next] = uint16_t(previous);
                    suffix[next] = uint8_t(c);
                    first[next] = first[previous];
                    ++next;
                    if (next == (1 << bits) && bits < kMaxCodeBits) ++bits;
                }
                previous = code;
            }
        }
    }
    return out;
}

// Rows of an interlaced image in the order they are stored.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = start; y < height; y += step) rows.push_back(y);
    return rows;
}

struct Control {  // the graphic control extension before a frame
    int disposal = 0;
    int delayMs = 0;
    int transparent = -1;
};

}  // namespace

int displayDelay(int gifDelayMs) {
    return gifDelayMs < kMinimumDelayMs ? kShortDelayMs : gifDelayMs;
}

bool hasGifSignature(const QByteArray& data) {
    return data.startsWith("GIF87a") || data.startsWith("GIF89a");
}

Picture decode(const QByteArray& data, const QString& source) {
    if (!hasGifSignature(data)) fail(source, "not a GIF picture");

    Picture picture;
    Bytes in(data);
    QImage canvas;      // the screen as the frames leave it
    QImage beforeLast;  // ... and as it was before the last frame (disposal 3)
    QRect lastRect;
    int lastDisposal = 0;
    bool lastTransparent = false;
    qint64 decodedBytes = 0;
    try {
        in.take(6);
        const int width = in.word();
        const int height = in.word();
        const uint8_t flags = in.byte();
        const uint8_t backgroundIndex = in.byte();
        in.byte();  // pixel aspect ratio
        picture.screen = QSize(width, height);
        Palette global;
        global.fill(qRgb(0, 0, 0));
        if (flags & 0x80) global = readPalette(in, flags & 7);
        // The screen's own colour shows where no frame has drawn (and where a
        // frame is cleared) unless the pictures are see-through; without a
        // colour table there is none, and black stands in.
        const bool hasBackground = flags & 0x80;
        const QRgb background = hasBackground ? global[backgroundIndex] : qRgb(0, 0, 0);

        Control control;
        while (!in.atEnd()) {
            const uint8_t introducer = in.byte();
            if (introducer == 0x3B) break;  // trailer
            if (introducer == 0x21) {
                const uint8_t label = in.byte();
                if (label == 0xF9) {
                    const uint8_t size = in.byte();
                    const uint8_t* gce = in.take(size);
                    if (size >= 4) {
                        control.disposal = (gce[0] >> 2) & 7;
                        control.delayMs = (gce[1] | (gce[2] << 8)) * 10;
                        control.transparent = (gce[0] & 1) ? gce[3] : -1;
                    }
                }
                in.skipSubBlocks();
                continue;
            }
            if (introducer != 0x2C) break;  // not a block: the rest is not GIF

            const int left = in.word();
            const int top = in.word();
            const int w = in.word();
            const int h = in.word();
            const uint8_t imageFlags = in.byte();
            const Palette palette = (imageFlags & 0x80) ? readPalette(in, imageFlags & 7) : global;
            // A frame is at most the largest screen; its indexes are held whole.
            if (tooLarge(w, h)) fail(source, "the picture is too large");
            const std::vector<uint8_t> indexes = decodeIndexes(in, size_t(w) * size_t(h));

            if (canvas.isNull()) {
                if (picture.screen.isEmpty()) picture.screen = QSize(left + w, top + h);
                if (tooLarge(picture.screen.width(), picture.screen.height())) fail(source, "the picture is too large");
                canvas = QImage(picture.screen, QImage::Format_ARGB32_Premultiplied);
                if (canvas.isNull()) fail(source, "the picture is too large");
                const bool covered = QRect(left, top, w, h).contains(canvas.rect());
                canvas.fill(control.transparent >= 0 ? 0u : covered ? qRgb(0, 0, 0) : background);
            }
            // The last frame's disposal, now that another follows: "restore to
            // background" clears to see-through when that frame had a
            // transparent colour, else to the screen's colour.
            if (lastDisposal == 2) {
                const QRgb fill = lastTransparent ? 0u : hasBackground ? background : canvas.pixel(0, 0);
                for (int y = lastRect.top(); y <= lastRect.bottom(); ++y)
                    std::fill_n(reinterpret_cast<QRgb*>(canvas.scanLine(y)) + lastRect.left(), lastRect.width(), fill);
            } else if (lastDisposal == 3 && !beforeLast.isNull()) {
                canvas = beforeLast;
            }
            if (control.disposal == 3) beforeLast = canvas.copy();

            const QRect rect = QRect(left, top, w, h) & canvas.rect();
            const std::vector<int> rows = rowOrder(h, imageFlags & 0x40);
            for (int r = 0; r < h; ++r) {
                const int y = top + rows[size_t(r)];
                if (y < rect.top() || y > rect.bottom()) continue;
                QRgb* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
                const uint8_t* source = indexes.data() + size_t(r) * size_t(w);
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const uint8_t index = source[x - left];
                    if (index != control.transparent) line[x] = palette[index];
                }
            }

            decodedBytes += canvas.sizeInBytes();
            if (decodedBytes > kMaxDecodedBytes) fail(source, "the picture is too large");
            picture.frames.append(Frame{canvas, displayDelay(control.delayMs)});  // shared until the next frame
            lastRect = rect;
            lastDisposal = control.disposal;
            lastTransparent = control.transparent >= 0;
            control = Control{};
        }
    } catch (const Truncated&) {
        // The frames complete so far are the picture.
    }
    if (picture.frames.isEmpty()) fail(source, "the GIF picture cannot be read");
    return picture;
}

}  // namespace kv::gif

#include "assets/pictures/gifgen/GifWriter.h"

#include <gif_lib.h>

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <memory>
#include <vector>

#include "core/Error.h"

namespace kv::gifgen {

namespace {

constexpr int kTransparentIndex = 255;  // the palette keeps its last entry for "see-through"

bool isTransparent(QRgb pixel) {
    return qAlpha(pixel) < 128;
}

QRgb opaque(QRgb pixel) {
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

struct Indexed {
    std::vector<GifColorType> palette;        // at most 255 entries
    std::vector<std::vector<GifByteType>> frames;  // one index per pixel, row after row
    bool hasTransparency = false;
};

// Images stay in straight (not premultiplied) ARGB so half-transparent edge
// pixels keep their own colour when they are kept opaque.
QList<QImage> straightImages(const QList<OutFrame>& frames) {
    QList<QImage> images;
    for (const OutFrame& frame : frames)
        images.append(frame.image.convertToFormat(QImage::Format_ARGB32));
    return images;
}

bool exactPalette(const QList<QImage>& images, Indexed& out) {
    QHash<QRgb, int> index;
    for (const QImage& image : images) {
        std::vector<GifByteType> pixels;
        pixels.reserve(size_t(image.width()) * image.height());
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (isTransparent(line[x])) {
                    out.hasTransparency = true;
                    pixels.push_back(kTransparentIndex);
                    continue;
                }
                const QRgb colour = opaque(line[x]);
                auto it = index.find(colour);
                if (it == index.end()) {
                    if (index.size() == kTransparentIndex)
                        return false;
                    it = index.insert(colour, int(index.size()));
                    out.palette.push_back(GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                                                       GifByteType(qBlue(colour))});
                }
                pixels.push_back(GifByteType(*it));
            }
        }
        out.frames.push_back(std::move(pixels));
    }
    return true;
}

// Median cut over all frames at once, so the frames share one global palette.
void quantisedPalette(const QList<QImage>& images, Indexed& out) {
    const int width = images.first().width();
    const int height = images.first().height();
    const size_t frameSize = size_t(width) * height;
    const size_t total = frameSize * images.size();
    std::vector<GifByteType> red(total), green(total), blue(total), indices(total);
    std::vector<bool> clear(total);
    size_t at = 0;
    for (const QImage& image : images) {
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width; ++x, ++at) {
                red[at] = GifByteType(qRed(line[x]));
                green[at] = GifByteType(qGreen(line[x]));
                blue[at] = GifByteType(qBlue(line[x]));
                clear[at] = isTransparent(line[x]);
            }
        }
    }
    int colours = kTransparentIndex;
    std::vector<GifColorType> palette(256);
    if (GifQuantizeBuffer(unsigned(width), unsigned(height * images.size()), &colours, red.data(), green.data(),
                          blue.data(), indices.data(), palette.data()) != GIF_OK)
        throw kv::Error("GIF palette: the colours cannot be reduced");
    palette.resize(size_t(colours));
    out.palette = palette;
    for (qsizetype f = 0; f < images.size(); ++f) {
        std::vector<GifByteType> pixels(indices.begin() + f * frameSize, indices.begin() + (f + 1) * frameSize);
        for (size_t i = 0; i < frameSize; ++i) {
            if (clear[f * frameSize + i]) {
                pixels[i] = kTransparentIndex;
                out.hasTransparency = true;
            }
        }
        out.frames.push_back(std::move(pixels));
    }
}

int appendToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

void check(int result, GifFileType* gif, const char* step) {
    if (result != GIF_OK)
        throw kv::Error(std::string("GIF writer: ") + step + ": " + GifErrorString(gif->Error));
}

}  // namespace

QByteArray encodeGif(const QList<OutFrame>& frames, int loopCount) {
    if (frames.isEmpty())
        throw kv::Error("GIF writer: no frames");
    const QSize size = frames.first().image.size();
    for (const OutFrame& frame : frames) {
        if (frame.image.size() != size || size.isEmpty())
            throw kv::Error("GIF writer: the frames differ in size");
    }
    const QList<QImage> images = straightImages(frames);
    Indexed indexed;
    if (!exactPalette(images, indexed)) {
        indexed = Indexed{};
        quantisedPalette(images, indexed);
    }
    // The full 256-entry table keeps index 255 free for transparency.
    std::vector<GifColorType> table(256, GifColorType{255, 255, 255});
    std::copy(indexed.palette.begin(), indexed.palette.end(), table.begin());
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, table.data()),
                                                                    GifFreeMapObject);

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToArray, &error));
    if (!gif)
        throw kv::Error(std::string("GIF writer: ") + GifErrorString(error));
    EGifSetGifVersion(gif.get(), true);
    const int background = indexed.hasTransparency ? kTransparentIndex : 0;
    check(EGifPutScreenDesc(gif.get(), size.width(), size.height(), 8, background, map.get()), gif.get(),
          "screen");

    if (loopCount >= 0) {
        const GifByteType loop[3] = {1, GifByteType(loopCount & 0xff), GifByteType((loopCount >> 8) & 0xff)};
        check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), gif.get(), "loop");
        check(EGifPutExtensionBlock(gif.get(), 11, "NETSCAPE2.0"), gif.get(), "loop");
        check(EGifPutExtensionBlock(gif.get(), 3, loop), gif.get(), "loop");
        check(EGifPutExtensionTrailer(gif.get()), gif.get(), "loop");
    }

    for (qsizetype f = 0; f < frames.size(); ++f) {
        // Every frame is a whole picture: clearing to the background before the
        // next one keeps transparent areas transparent during animation.
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.UserInputFlag = false;
        control.DelayTime = frames[f].delayCs;
        control.TransparentColor = indexed.hasTransparency ? kTransparentIndex : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension), gif.get(), "frame");
        check(EGifPutImageDesc(gif.get(), 0, 0, size.width(), size.height(), false, nullptr), gif.get(), "frame");
        std::vector<GifByteType>& pixels = indexed.frames[size_t(f)];
        for (int y = 0; y < size.height(); ++y)
            check(EGifPutLine(gif.get(), pixels.data() + size_t(y) * size.width(), size.width()), gif.get(),
                  "pixels");
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) != GIF_OK)
        throw kv::Error(std::string("GIF writer: ") + GifErrorString(error));
    return bytes;
}

void writeGifFile(const QString& path, const QList<OutFrame>& frames, int loopCount) {
    const QByteArray bytes = encodeGif(frames, loopCount);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw kv::Error(QStringLiteral("%1: the picture cannot be written").arg(path).toStdString());
}

}  // namespace kv::gifgen

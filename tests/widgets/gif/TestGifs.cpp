#include "tests/widgets/gif/TestGifs.h"

#include <QFile>
#include <QImage>

#include <gif_lib.h>

#include "assets/pictures/gifgen/GifWriter.h"

namespace testgifs {

QByteArray solidFrames(const QList<QColor>& colours, const QList<int>& delaysCs, int w, int h) {
    QList<kv::gifgen::OutFrame> frames;
    for (qsizetype i = 0; i < colours.size(); ++i) {
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(colours[i]);
        frames.append({image, delaysCs.value(i, 10)});
    }
    return kv::gifgen::encodeGif(frames, 0);
}

QByteArray transparentCorner(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return kv::gifgen::encodeGif({{image, 0}}, -1);
}

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

void putFrame(GifFileType* gif, int left, int top, int w, int h, GifByteType index) {
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, 10, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    EGifPutImageDesc(gif, left, top, w, h, false, nullptr);
    QByteArray line(w, char(index));
    for (int y = 0; y < h; ++y)
        EGifPutLine(gif, reinterpret_cast<GifPixelType*>(line.data()), w);
}

}  // namespace

QByteArray patchOverRed() {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    const GifColorType colours[4] = {{255, 0, 0}, {0, 0, 255}, {0, 0, 0}, {0, 0, 0}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 4, 4, 2, 0, map);
    putFrame(gif, 0, 0, 4, 4, 0);
    putFrame(gif, 1, 1, 2, 2, 1);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

QString writeTemp(const QString& dir, const QString& name, const QByteArray& data) {
    const QString path = dir + "/" + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
    return path;
}

}  // namespace testgifs

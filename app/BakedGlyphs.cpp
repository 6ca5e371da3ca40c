#include "app/BakedGlyphs.h"

QImage bakedGlyph(const QString& resource, QSize size) {
    for (const BakedGlyph& baked : bakedGlyphs()) {
        if (baked.width != size.width() || baked.height != size.height()) continue;
        if (resource != QLatin1StringView(baked.resource)) continue;
        // Over the constant pixels: nothing is copied until the image is changed.
        return QImage(reinterpret_cast<const uchar*>(baked.pixels), baked.width, baked.height,
                      baked.width * int(sizeof(quint32)), QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

#pragma once
// The bar's glyphs and tray frames drawn at build time (app/tools/glyphbake)
// at the sizes the program offers, kept as raw premultiplied pixels: at start
// the program shows them without reading or drawing any SVG.
#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <span>

struct BakedGlyph {
    const char* resource;   // the SVG's resource path, ":/icons/converter.svg"
    int width;
    int height;
    const quint32* pixels;  // width * height premultiplied ARGB values, row by row
};

// Every baked picture (written by the build).
std::span<const BakedGlyph> bakedGlyphs();

// The picture of `resource` baked at `size`, sharing the program's own copy;
// a null image where that size was not baked.
QImage bakedGlyph(const QString& resource, QSize size);

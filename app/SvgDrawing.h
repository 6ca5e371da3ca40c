#pragma once
// How the bar draws an SVG picture into pixels. The build's glyph baker
// (app/tools/glyphbake) draws with this same function, so the pixels baked
// into the program are exactly the ones the program would draw itself.
#include <QImage>
#include <QSize>

class QSvgRenderer;

// The picture at `size`, on a transparent ground, smoothed, in premultiplied ARGB.
QImage drawSvg(QSvgRenderer& renderer, QSize size);

#pragma once
// The bar's button glyphs and the frames of its tray animation, drawn as SVG
// and compiled into the program, at the sizes the program offers already at
// build time. Each is made at a size only when that size is first shown, and
// only once per run.
#include <QIcon>
#include <QList>
#include <QString>

// The glyph of one tool ("converter", "tanks", ... "exit"), sharp at 22 x 22
// and for high-density screens. A name without a glyph gives a null icon.
QIcon barGlyph(const QString& name);

// The tray animation, frame 0 first: the icon that stands still while the
// program sits in the tray, and the icon of the program's windows.
QList<QIcon> trayFrames();

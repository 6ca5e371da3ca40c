#pragma once
// Small GIFs made on the spot for the control's tests.
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

namespace testgifs {

// One frame per colour, each filled with it, w x h; delays in centiseconds.
QByteArray solidFrames(const QList<QColor>& colours, const QList<int>& delaysCs, int w = 8, int h = 6);

// One frame, w x h, blue, with a transparent top-left pixel.
QByteArray transparentCorner(int w = 10, int h = 10);

// 4 x 4: frame 0 all red; frame 1 paints only a 2 x 2 blue patch at (1, 1) and
// leaves frame 0 in place around it (disposal "do not dispose").
QByteArray patchOverRed();

// Writes data into a file of the test's temporary folder; returns its path.
QString writeTemp(const QString& dir, const QString& name, const QByteArray& data);

}  // namespace testgifs

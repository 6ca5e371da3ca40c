#pragma once
// How big the bar's picture windows are: each is sized from its picture.
#include <QSize>
#include <QString>

// The window size for a picture of the given size. The clothing-size chart
// keeps a fixed height of 400 and scrolls; the others show the whole picture
// with a small margin. A file not among the bar's pictures gets the margin of
// the geometric formulas.
QSize pictureWindowSize(const QString& file, QSize picture);

// Where the picture windows open.
constexpr int kPictureWindowTop = 5;

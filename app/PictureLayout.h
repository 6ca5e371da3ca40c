#pragma once
// How big the bar's picture windows are: each is sized from its picture, and
// no larger than the part of the screen that windows may take.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The window size for a picture of the given size. The clothing-size chart
// keeps a fixed height of 400 and scrolls; the others show the whole picture
// with a small margin. A file not among the bar's pictures gets the margin of
// the geometric formulas.
QSize pictureWindowSize(const QString& file, QSize picture);

// Where the picture windows open, below the top of the screen's free area.
constexpr int kPictureWindowTop = 5;

// A window's place on the screen: the top left of its frame, and the size of
// what lies inside the frame.
struct PictureWindowPlace {
    QPoint frameTopLeft;
    QSize client;
};

// Fits a window that would like the client size `wanted` into `available`
// (the screen's area free of panels), counting the window manager's `frame`:
// kPictureWindowTop below the area's top, centred across it, and cut to the
// area where the picture is larger (it then scrolls). A cut in one direction
// brings a scroll bar that takes `scrollBar` pixels of the other, which the
// window grows by while there is room.
PictureWindowPlace fitPictureWindow(QSize wanted, const QRect& available, const QMargins& frame, int scrollBar);

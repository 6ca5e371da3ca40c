#include "app/PictureLayout.h"

#include <algorithm>

QSize pictureWindowSize(const QString& file, QSize picture) {
    const int w = picture.width();
    const int h = picture.height();
    if (file == QLatin1String("Shoes.gif")) return {w + 30, 400};
    if (file == QLatin1String("t_res.gif")) return {w + 10, h + 35};
    return {w + 15, h + 30};
}

PictureWindowPlace fitPictureWindow(QSize wanted, const QRect& available, const QMargins& frame, int scrollBar) {
    // Never less than one pixel, even on an area smaller than the frame.
    const int roomW = std::max(1, available.width() - frame.left() - frame.right());
    const int roomH = std::max(1, available.height() - kPictureWindowTop - frame.top() - frame.bottom());
    int w = wanted.width();
    int h = wanted.height();
    const bool cutAcross = w > roomW;
    const bool cutDown = h > roomH;
    if (cutAcross) h += scrollBar;
    if (cutDown) w += scrollBar;
    w = std::min(w, roomW);
    h = std::min(h, roomH);
    const int frameW = w + frame.left() + frame.right();
    const int left = available.left() + std::max(0, (available.width() - frameW) / 2);
    return {QPoint(left, available.top() + kPictureWindowTop), QSize(w, h)};
}

#include "app/PictureLayout.h"

QSize pictureWindowSize(const QString& file, QSize picture) {
    const int w = picture.width();
    const int h = picture.height();
    if (file == QLatin1String("Shoes.gif")) return {w + 30, 400};
    if (file == QLatin1String("t_res.gif")) return {w + 10, h + 35};
    return {w + 15, h + 30};
}

#pragma once
// An off-screen drawing surface the plot paints into when its display is
// buffered, so repaints that change nothing only copy pixels.
#include <QImage>

class Tsp_MemBitmap {
public:
    Tsp_MemBitmap() = default;
    Tsp_MemBitmap(int width, int height) { Recreate(width, height); }

    // Frees the surface and makes a new one; false when none could be made.
    bool Recreate(int width, int height) {
        image_ = QImage();
        if (width <= 0 || height <= 0) return false;
        image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        return Valid();
    }
    bool Valid() const { return !image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QImage& Canvas() { return image_; }
    const QImage& Canvas() const { return image_; }

private:
    QImage image_;
};

#pragma once
// The program's pictures, each drawn from the data folder of the repository.
#include <QImage>
#include <QList>
#include <QString>

#include "assets/pictures/gifgen/GifWriter.h"

namespace kv::gifgen {

QImage drawSizeChart(const QString& dataDir);         // Shoes.gif
QImage drawGeometryChart();                          // geometr.gif
QImage drawResistivityChart(const QString& dataDir);  // t_res.gif
QList<OutFrame> drawLogo();                          // the launcher bar's logo, 29 x 24

struct NamedPicture {
    QString file;
    QImage image;
};
// Cone.gif, Cylinder.gif, Prism.gif, Pyramid.gif, Sphere.gif, Torus.gif: the
// tank window's shapes, named after its tabs.
QList<NamedPicture> drawTankPictures();

}  // namespace kv::gifgen

// Draws the program's GIF pictures: gifgen <data folder> <output folder>.
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "assets/pictures/gifgen/Charts.h"
#include "assets/pictures/gifgen/GifWriter.h"

int main(int argc, char** argv) {
    // Runs during the build, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gifgen <data folder> <output folder>\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    try {
        using namespace kv::gifgen;
        writeGifFile(out.filePath("Shoes.gif"), {{drawSizeChart(data), 0}}, -1);
        writeGifFile(out.filePath("geometr.gif"), {{drawGeometryChart(), 0}}, -1);
        writeGifFile(out.filePath("t_res.gif"), {{drawResistivityChart(data), 0}}, -1);
        // The bar plays the logo once; viewers elsewhere play it once too.
        writeGifFile(out.filePath("kvlogo.gif"), drawLogo(), -1);
        for (const NamedPicture& tank : drawTankPictures()) writeGifFile(out.filePath(tank.file), {{tank.image, 0}}, -1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gifgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

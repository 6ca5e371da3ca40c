// Build tool: renders the program's SVG icon as the PNG sizes of the hicolor
// icon theme, for desktops and panels that do not scale SVG icons.
//   iconpng ICON.svg OUTDIR NAME SIZE...  ->  OUTDIR/<S>x<S>/apps/NAME.png
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: iconpng ICON.svg OUTDIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int k = 4; k < argc; ++k) {
        const int size = std::atoi(argv[k]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        const QString file = dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !image.save(file)) {
            std::fprintf(stderr, "iconpng: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

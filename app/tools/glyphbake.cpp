// The build's glyph baker:
//   glyphbake <output.cpp> <assets dir> --sizes 22,44 a.svg b.svg ... [--sizes ... more.svg ...]
// Draws each SVG at each size of the --sizes before it, with the program's own
// drawSvg, and writes the pixels as constant arrays with the table that
// bakedGlyphs() returns. Each picture is named by its resource path, its path
// under the assets folder (the resources are compiled in from there).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

#include "app/SvgDrawing.h"

namespace {

struct Picture {
    QString resource;
    QSize size;
    QImage image;
};

bool bake(const QStringList& args, const QDir& assets, QList<Picture>& pictures) {
    QList<int> sides;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--sizes")) {
            sides.clear();
            continue;
        }
        if (sides.isEmpty()) {
            bool ok = false;
            for (const QString& side : arg.split(QLatin1Char(','))) {
                sides << side.toInt(&ok);
                if (!ok || sides.last() <= 0) {
                    std::fprintf(stderr, "glyphbake: not a list of sizes: %s\n", qPrintable(arg));
                    return false;
                }
            }
            continue;
        }
        QSvgRenderer renderer(arg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "glyphbake: cannot read %s\n", qPrintable(arg));
            return false;
        }
        const QString resource = QStringLiteral(":/") + assets.relativeFilePath(arg);
        for (int side : sides) pictures.append({resource, QSize(side, side), drawSvg(renderer, QSize(side, side))});
    }
    return true;
}

void write(QTextStream& out, const QList<Picture>& pictures) {
    out << "// Written by app/tools/glyphbake from the SVG pictures; do not edit.\n"
           "#include \"app/BakedGlyphs.h\"\n\nnamespace {\n";
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QImage& image = pictures[i].image;
        out << "\n// " << pictures[i].resource << ' ' << image.width() << 'x' << image.height() << '\n';
        out << "const quint32 p" << i << "[] = {";
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                out << (count++ % 12 == 0 ? "\n" : " ");
                if (line[x] == 0)
                    out << "0,";
                else
                    out << "0x" << QString::number(line[x], 16).rightJustified(8, QLatin1Char('0')) << ',';
            }
        }
        out << "\n};\n";
    }
    out << "\nconst BakedGlyph kBaked[] = {\n";
    for (qsizetype i = 0; i < pictures.size(); ++i)
        out << "    {\"" << pictures[i].resource << "\", " << pictures[i].size.width() << ", "
            << pictures[i].size.height() << ", p" << i << "},\n";
    out << "};\n\n}  // namespace\n\nstd::span<const BakedGlyph> bakedGlyphs() { return kBaked; }\n";
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: glyphbake <output.cpp> <assets dir> --sizes 22,44 a.svg ...\n");
        return 2;
    }
    QList<Picture> pictures;
    if (!bake(args.mid(3), QDir(args[2]), pictures)) return 1;
    QFile file(args[1]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "glyphbake: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    QTextStream out(&file);
    write(out, pictures);
    out.flush();
    return out.status() == QTextStream::Ok && file.flush() ? 0 : 1;
}

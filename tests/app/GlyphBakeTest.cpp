// The glyphs and tray frames baked at build time: each is its SVG drawn live
// at that size, pixel for pixel (a stale bake or a drift between the two ways
// of drawing fails here), and every size the bar offers is baked.
#include <QDir>
#include <QSvgRenderer>
#include <QtTest>

#include "app/BakedGlyphs.h"
#include "app/BarGlyphs.h"
#include "app/SvgDrawing.h"

class GlyphBakeTest : public QObject {
    Q_OBJECT
private slots:
    void aBakedGlyphIsItsSvgDrawnLive_data() {
        QTest::addColumn<int>("row");
        const std::span<const BakedGlyph> baked = bakedGlyphs();
        for (size_t i = 0; i < baked.size(); ++i)
            QTest::addRow("%s %dx%d", baked[i].resource, baked[i].width, baked[i].height) << int(i);
    }
    void aBakedGlyphIsItsSvgDrawnLive() {
        QFETCH(int, row);
        const BakedGlyph& baked = bakedGlyphs()[row];
        QSvgRenderer renderer(QString::fromLatin1(baked.resource));
        QVERIFY(renderer.isValid());
        const QSize size(baked.width, baked.height);
        QCOMPARE(bakedGlyph(QString::fromLatin1(baked.resource), size), drawSvg(renderer, size));
    }

    // What the bar and the window manager are handed comes from the bake; a
    // size not baked (a fractional scale factor) is drawn from the SVG.
    void everyOfferedSizeIsBakedAndOthersAreDrawn() {
        const QStringList files = QDir(":/icons").entryList({"*.svg"}, QDir::Files);
        QVERIFY(files.contains("converter.svg") && files.contains("tray0.svg"));
        for (const QString& file : files) {
            const QString name = QFileInfo(file).baseName();
            const QString resource = ":/icons/" + file;
            const QIcon icon = name.startsWith("tray") ? trayFrames().value(name.mid(4).toInt()) : barGlyph(name);
            QVERIFY2(!icon.availableSizes().isEmpty(), qPrintable(name));
            for (const QSize& size : icon.availableSizes()) {
                const QImage baked = bakedGlyph(resource, size);
                QVERIFY2(!baked.isNull(), qPrintable(QString("%1 at %2").arg(name).arg(size.width())));
                QCOMPARE(icon.pixmap(size).toImage(), baked);
            }
            const QSize odd(23, 23);
            QVERIFY(bakedGlyph(resource, odd).isNull());
            QSvgRenderer renderer(resource);
            QCOMPARE(icon.pixmap(odd).toImage(), drawSvg(renderer, odd));
        }
    }
};

QTEST_MAIN(GlyphBakeTest)
#include "GlyphBakeTest.moc"

// The program's GIF decoder against Qt's GIF reader, frame by frame and pixel
// by pixel: on every picture the program ships and on GIFs written here with
// giflib in every shape the format allows (disposal methods, transparency,
// interlacing, local colour tables, frames partly off the screen).
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtTest>

#include <gif_lib.h>

#include "tests/widgets/gif/TestGifs.h"
#include "widgets/gif/GifDecoder.h"

namespace {

struct Decoded {
    QList<QImage> frames;
    QList<int> delays;
};

Decoded readWithQt(const QByteArray& data) {
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    Decoded out;
    QImage image;
    while (reader.read(&image) && !image.isNull()) {
        out.frames << image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        out.delays << kv::gif::displayDelay(reader.nextImageDelay());
        if (!reader.canRead()) break;
    }
    return out;
}

Decoded readOwn(const QByteArray& data) {
    Decoded out;
    for (const kv::gif::Frame& frame : kv::gif::decode(data, "test").frames) {
        out.frames << frame.image;
        out.delays << frame.delayMs;
    }
    return out;
}

// The first pixel that differs, as text; empty when the images are equal.
QString firstDifference(const QImage& own, const QImage& qt) {
    if (own.size() != qt.size())
        return QStringLiteral("size %1x%2, Qt %3x%4").arg(own.width()).arg(own.height()).arg(qt.width()).arg(qt.height());
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            if (own.pixel(x, y) != qt.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3, Qt %4")
                    .arg(x).arg(y).arg(own.pixel(x, y), 8, 16, QLatin1Char('0')).arg(qt.pixel(x, y), 8, 16, QLatin1Char('0'));
    return {};
}

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

ColorMapObject* randomMap(QRandomGenerator& random, int size) {
    QList<GifColorType> colours(size);
    for (GifColorType& c : colours)
        c = {GifByteType(random.bounded(256)), GifByteType(random.bounded(256)), GifByteType(random.bounded(256))};
    return GifMakeMapObject(size, colours.data());
}

// An animated GIF of random frames: each a random rectangle inside the
// screen (the first one covering it or not), disposal, delay, transparency,
// interlacing, colour table and pixels, with runs so the codes grow to 12
// bits. Left out: the cases where Qt departs from the format. When the first
// frame has no transparent colour, Qt keeps the whole animation opaque, so a
// later see-through clear shows white; it takes the screen's colour from the
// frame's own colour table when it has one; and it misplaces the rows of
// interlaced frames under five rows high.
QByteArray randomGif(quint32 seed) {
    QRandomGenerator random(seed);
    const int w = 1 + random.bounded(70), h = 1 + random.bounded(50);
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    const int bits = 1 + random.bounded(8);
    ColorMapObject* global = randomMap(random, 1 << bits);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, w, h, bits, random.bounded(1 << bits), global);
    const int frames = 1 + random.bounded(6);
    bool opaqueStart = false;
    for (int f = 0; f < frames; ++f) {
        const bool whole = f == 0 && random.bounded(2);
        const int left = whole ? 0 : random.bounded(w), top = whole ? 0 : random.bounded(h);
        const int fw = whole ? w : 1 + random.bounded(w - left), fh = whole ? h : 1 + random.bounded(h - top);
        const int disposal = random.bounded(4);
        const bool transparent = random.bounded(2) && !(opaqueStart && disposal == DISPOSE_BACKGROUND);
        const bool local = f > 0 && random.bounded(3) == 0 && (transparent || disposal != DISPOSE_BACKGROUND);
        const int localBits = 1 + random.bounded(8);
        const int colours = local ? 1 << localBits : 1 << bits;
        if (f == 0) opaqueStart = !transparent;
        GraphicsControlBlock control{disposal, false, random.bounded(30),
                                     transparent ? random.bounded(colours) : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
        ColorMapObject* map = local ? randomMap(random, colours) : nullptr;
        const bool interlaced = fh >= 5 && random.bounded(3) == 0;
        EGifPutImageDesc(gif, left, top, fw, fh, interlaced, map);
        // Interlaced data go in stored order; the pixels are random either way.
        QByteArray line(fw, 0);
        for (int y = 0; y < fh; ++y) {
            for (int x = 0; x < fw; ++x)
                line[x] = char(random.bounded(4) ? (x / 3 + y) % colours : random.bounded(colours));
            EGifPutLine(gif, reinterpret_cast<GifPixelType*>(line.data()), fw);
        }
        if (map) GifFreeMapObject(map);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(global);
    return bytes;
}

}  // namespace

class GifDecoderOracleTest : public QObject {
    Q_OBJECT
private slots:
    void sameFramesAsQt_data() {
        QTest::addColumn<QByteArray>("data");
        const QDir bin(qEnvironmentVariable("KV_BIN_DIR"));
        const QStringList shipped = bin.entryList({"*.gif"}, QDir::Files);
        QVERIFY2(shipped.contains("kvlogo.gif"), "the program's pictures lie in KV_BIN_DIR");
        for (const QString& name : shipped) {
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
        QTest::newRow("solid frames") << testgifs::solidFrames({Qt::red, Qt::green, Qt::blue}, {0, 5, 30});
        QTest::newRow("transparent corner") << testgifs::transparentCorner();
        QTest::newRow("patch over red") << testgifs::patchOverRed();
        for (quint32 seed = 1; seed <= 300; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << randomGif(seed);
    }

    void sameFramesAsQt() {
        QFETCH(QByteArray, data);
        const Decoded qt = readWithQt(data);
        QVERIFY(!qt.frames.isEmpty());
        const Decoded own = readOwn(data);
        QCOMPARE(own.frames.size(), qt.frames.size());
        QCOMPARE(own.delays, qt.delays);
        for (qsizetype i = 0; i < own.frames.size(); ++i) {
            const QString difference = firstDifference(own.frames[i], qt.frames[i]);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("frame %1: %2").arg(i).arg(difference)));
        }
    }
};

QTEST_MAIN(GifDecoderOracleTest)
#include "GifDecoderOracleTest.moc"

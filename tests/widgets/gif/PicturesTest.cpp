// The pictures the build draws, read back through the program's own control.
#include <QtTest>

#include "widgets/gif/GIFImage.h"

namespace {

QString binFile(const QString& name) {
    return qEnvironmentVariable("KV_BIN_DIR") + "/" + name;
}

// Share of pixels that are not (nearly) white: a blank or near-blank page fails.
double inkShare(const QImage& image) {
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 200;
    return double(ink) / (qint64(image.width()) * image.height());
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void referencePicturesAreReadableStills_data();
    void referencePicturesAreReadableStills();
    void logoIsAShortAnimationEndingStill();
};

void PicturesTest::initTestCase() {
    QVERIFY2(!qEnvironmentVariableIsEmpty("KV_BIN_DIR"), "KV_BIN_DIR names the program's folder");
}

void PicturesTest::referencePicturesAreReadableStills_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("minHeight");
    QTest::newRow("sizes") << "Shoes.gif" << 600 << 800 << 401;  // taller than its window: it scrolls
    QTest::newRow("geometry") << "geometr.gif" << 600 << 820 << 300;
    QTest::newRow("resistivity") << "t_res.gif" << 600 << 820 << 300;
}

void PicturesTest::referencePicturesAreReadableStills() {
    QFETCH(QString, file);
    QFETCH(int, minWidth);
    QFETCH(int, maxWidth);
    QFETCH(int, minHeight);
    TGIFImage image;
    image.setAutoSize(true);
    image.loadFromFile(binFile(file));
    QCOMPARE(image.frameCount(), 1);
    const QSize size = image.pictureSize();
    QVERIFY2(size.width() >= minWidth && size.width() <= maxWidth, qPrintable(QString::number(size.width())));
    QVERIFY2(size.height() >= minHeight && size.height() <= 1200, qPrintable(QString::number(size.height())));
    QCOMPARE(image.size(), size);

    const QImage picture = image.currentImage();
    // Light paper all round, and real content on it.
    QVERIFY(qGray(picture.pixel(1, 1)) > 240);
    QVERIFY(qGray(picture.pixel(size.width() - 2, size.height() - 2)) > 240);
    const double ink = inkShare(picture);
    QVERIFY2(ink > 0.02 && ink < 0.5, qPrintable(QString::number(ink)));
}

void PicturesTest::logoIsAShortAnimationEndingStill() {
    TGIFImage logo;
    logo.setLoop(false);
    QSignalSpy finished(&logo, &TGIFImage::finished);
    logo.loadFromFile(binFile("kvlogo.gif"));
    QCOMPARE(logo.pictureSize(), QSize(29, 24));
    QVERIFY2(logo.frameCount() >= 6 && logo.frameCount() <= 16, qPrintable(QString::number(logo.frameCount())));

    int total = 0;
    for (int i = 0; i < logo.frameCount(); ++i)
        total += logo.frameDelay(i);
    QVERIFY2(total >= 500 && total <= 4000, qPrintable(QString::number(total)));

    // The frames differ: it is an animation, not one picture repeated.
    logo.setCurrentFrame(0);
    const QImage first = logo.currentImage();
    logo.setCurrentFrame(logo.frameCount() - 1);
    QVERIFY(first != logo.currentImage());

    // Rounded corners let the bar show through; the middle is solid.
    const QImage last = logo.currentImage();
    QCOMPARE(qAlpha(last.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(last.pixel(28, 23)), 0);
    QCOMPARE(qAlpha(last.pixel(14, 12)), 255);

    logo.setCurrentFrame(0);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QCOMPARE(logo.currentFrame(), logo.frameCount() - 1);
    QVERIFY(!logo.isPlaying());
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"

// The picture control: loading, sizing, drawing, playing, and bad files.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/Error.h"
#include "tests/widgets/gif/TestGifs.h"
#include "widgets/gif/GIFImage.h"

namespace {

const QList<QColor> kRgb = {Qt::red, Qt::green, Qt::blue};

QList<int> frameSequence(const QSignalSpy& spy) {
    QList<int> frames;
    for (const QList<QVariant>& call : spy)
        frames << call.at(0).toInt();
    return frames;
}

}  // namespace

class GIFImageTest : public QObject {
    Q_OBJECT
private slots:
    void framesAreDecodedWithTheirColoursAndDelays();
    void shortDelaysAreRaisedLikeBrowsersDo();
    void partialFramesAreShownComposited();
    void playsOnceAndStopsOnTheLastFrame();
    void loopsWhenAsked();
    void turningLoopOnRestartsAStoppedPicture();
    void withoutAnimationStaysOnTheFirstFrame();
    void autoSizeFollowsThePicture();
    void centresThePictureOrDrawsItTopLeft();
    void transparentPixelsShowTheParent();
    void setCurrentFrameIsClamped();
    void missingFileNamesTheFileAndKeepsThePicture();
    void garbageAndForeignImagesAreRejected();
    void oversizedFileIsRefusedUnread();
    void truncatedDataNeverCrashes();
    void corruptedBytesNeverCrash();
    void hugeDeclaredScreenFailsCleanly();
    void manyFramesOnALargeScreenFailCleanly();
    void tryLoadKeepsOnMissingAndEmptiesOnBadFile();
};

void GIFImageTest::framesAreDecodedWithTheirColoursAndDelays() {
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::solidFrames(kRgb, {5, 30, 7}, 8, 6));
    QCOMPARE(image.frameCount(), 3);
    QCOMPARE(image.pictureSize(), QSize(8, 6));
    QCOMPARE(image.frameDelay(0), 50);
    QCOMPARE(image.frameDelay(1), 300);
    QCOMPARE(image.frameDelay(2), 70);
    QCOMPARE(image.frameDelay(3), -1);
    for (int i = 0; i < 3; ++i) {
        image.setCurrentFrame(i);
        QCOMPARE(image.currentFrame(), i);
        QCOMPARE(QColor(image.currentImage().pixel(4, 3)), kRgb[i]);
    }
}

void GIFImageTest::shortDelaysAreRaisedLikeBrowsersDo() {
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::solidFrames(kRgb, {0, 1, 2}));
    QCOMPARE(image.frameDelay(0), 100);
    QCOMPARE(image.frameDelay(1), 100);
    QCOMPARE(image.frameDelay(2), 20);  // 20 ms is a real, if fast, request
}

void GIFImageTest::partialFramesAreShownComposited() {
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::patchOverRed());
    QCOMPARE(image.frameCount(), 2);
    image.setCurrentFrame(1);
    const QImage frame = image.currentImage();
    QCOMPARE(frame.size(), QSize(4, 4));
    QCOMPARE(QColor(frame.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(frame.pixel(3, 3)), QColor(Qt::red));
    QCOMPARE(QColor(frame.pixel(1, 1)), QColor(Qt::blue));
    QCOMPARE(QColor(frame.pixel(2, 2)), QColor(Qt::blue));
}

void GIFImageTest::playsOnceAndStopsOnTheLastFrame() {
    TGIFImage image;
    image.setLoop(false);
    QSignalSpy frames(&image, &TGIFImage::frameChanged);
    QSignalSpy finished(&image, &TGIFImage::finished);
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QCOMPARE(frameSequence(frames), QList<int>({0, 1, 2}));
    QVERIFY(!image.isPlaying());
    QTest::qWait(100);
    QCOMPARE(image.currentFrame(), 2);
    QCOMPARE(frames.count(), 3);
    QCOMPARE(finished.count(), 1);
}

void GIFImageTest::loopsWhenAsked() {
    TGIFImage image;
    image.setLoop(true);
    QSignalSpy frames(&image, &TGIFImage::frameChanged);
    QSignalSpy finished(&image, &TGIFImage::finished);
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 5, 3000);
    QCOMPARE(frameSequence(frames).mid(0, 5), QList<int>({0, 1, 2, 0, 1}));
    QVERIFY(image.isPlaying());
    QCOMPARE(finished.count(), 0);
}

void GIFImageTest::turningLoopOnRestartsAStoppedPicture() {
    TGIFImage image;
    image.setLoop(false);
    QSignalSpy finished(&image, &TGIFImage::finished);
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QSignalSpy frames(&image, &TGIFImage::frameChanged);
    image.setLoop(true);
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 3000);
    QCOMPARE(frameSequence(frames).mid(0, 2), QList<int>({0, 1}));
}

void GIFImageTest::withoutAnimationStaysOnTheFirstFrame() {
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    QVERIFY(!image.isPlaying());
    QTest::qWait(120);
    QCOMPARE(image.currentFrame(), 0);

    // Switching animation off while playing goes back to the first frame.
    image.setAnimate(true);
    QVERIFY(image.isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(image.currentFrame() > 0, 3000);
    image.setAnimate(false);
    QCOMPARE(image.currentFrame(), 0);
    QVERIFY(!image.isPlaying());
}

void GIFImageTest::autoSizeFollowsThePicture() {
    TGIFImage fixed;
    fixed.resize(50, 40);
    fixed.loadFromData(testgifs::solidFrames({Qt::red}, {0}, 20, 10));
    QCOMPARE(fixed.size(), QSize(50, 40));
    QCOMPARE(fixed.sizeHint(), QSize(20, 10));

    TGIFImage sized;
    sized.resize(50, 40);
    sized.setAutoSize(true);
    sized.loadFromData(testgifs::solidFrames({Qt::red}, {0}, 20, 10));
    QCOMPARE(sized.size(), QSize(20, 10));
    sized.loadFromData(testgifs::solidFrames({Qt::red}, {0}, 33, 7));
    QCOMPARE(sized.size(), QSize(33, 7));
}

void GIFImageTest::centresThePictureOrDrawsItTopLeft() {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::white);
    parent.setPalette(palette);
    parent.resize(40, 30);
    auto* image = new TGIFImage(&parent);
    image->setGeometry(0, 0, 40, 30);
    image->loadFromData(testgifs::solidFrames({Qt::red}, {0}, 10, 10));

    QImage shot = parent.grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(20, 15)), QColor(Qt::white));

    image->setCenter(true);
    shot = parent.grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(15, 10)), QColor(Qt::red));  // picture spans 15..24 x 10..19
    QCOMPARE(QColor(shot.pixel(24, 19)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(25, 20)), QColor(Qt::white));
}

void GIFImageTest::transparentPixelsShowTheParent() {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(0, 200, 0));
    parent.setPalette(palette);
    parent.resize(30, 30);
    auto* image = new TGIFImage(&parent);
    image->move(5, 5);
    image->setAutoSize(true);
    image->loadFromData(testgifs::transparentCorner(10, 10));

    const QImage shot = parent.grab().toImage();
    QCOMPARE(QColor(shot.pixel(5, 5)), QColor(0, 200, 0));
    QCOMPARE(QColor(shot.pixel(6, 5)), QColor(0, 0, 255));
    QCOMPARE(QColor(shot.pixel(5, 6)), QColor(0, 0, 255));
}

void GIFImageTest::setCurrentFrameIsClamped() {
    TGIFImage image;
    image.setAnimate(false);
    QCOMPARE(image.currentFrame(), -1);
    image.setCurrentFrame(2);  // no picture: nothing to show, no crash
    QCOMPARE(image.currentFrame(), -1);
    QVERIFY(image.currentImage().isNull());
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    image.setCurrentFrame(99);
    QCOMPARE(image.currentFrame(), 2);
    image.setCurrentFrame(-5);
    QCOMPARE(image.currentFrame(), 0);
}

void GIFImageTest::missingFileNamesTheFileAndKeepsThePicture() {
    QTemporaryDir dir;
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::solidFrames(kRgb, {2, 2, 2}));
    const QString missing = dir.filePath("nowhere.gif");
    try {
        image.loadFromFile(missing);
        QFAIL("a missing file must throw");
    } catch (const kv::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(missing), e.what());
    }
    QCOMPARE(image.frameCount(), 3);

    const QString good = testgifs::writeTemp(dir.path(), "good.gif", testgifs::solidFrames({Qt::red}, {0}, 12, 9));
    image.loadFromFile(good);
    QCOMPARE(image.pictureSize(), QSize(12, 9));
    QCOMPARE(image.frameCount(), 1);
}

void GIFImageTest::garbageAndForeignImagesAreRejected() {
    QTemporaryDir dir;
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
    }
    const QList<QPair<QString, QByteArray>> bad = {
        {"empty.gif", QByteArray()},
        {"text.gif", QByteArray("hello, this is no picture")},
        {"png.gif", png},
        {"header-only.gif", QByteArray("GIF89a")},
        {"no-image.gif", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3b", 14)},
    };
    for (const auto& [name, data] : bad) {
        TGIFImage image;
        image.setAnimate(false);
        image.loadFromData(testgifs::solidFrames({Qt::red}, {0}));
        const QString path = testgifs::writeTemp(dir.path(), name, data);
        try {
            image.loadFromFile(path);
            QFAIL(qPrintable(name + " must be rejected"));
        } catch (const kv::Error& e) {
            QVERIFY2(QString::fromStdString(e.what()).contains(path), e.what());
        }
        QCOMPARE(image.frameCount(), 1);  // the old picture stays
        QVERIFY_THROWS_EXCEPTION(kv::Error, image.loadFromData(data));
    }
}

void GIFImageTest::oversizedFileIsRefusedUnread() {
    QTemporaryDir dir;
    const QString path = testgifs::writeTemp(dir.path(), "big.gif", testgifs::solidFrames({Qt::red}, {0}));
    QFile file(path);
    QVERIFY(file.resize(40LL * 1024 * 1024));  // a valid GIF followed by a sparse tail
    TGIFImage image;
    try {
        image.loadFromFile(path);
        QFAIL("a 40 MB file must be refused");
    } catch (const kv::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains("too large"), e.what());
    }
    QVERIFY(image.isEmpty());
}

void GIFImageTest::truncatedDataNeverCrashes() {
    const QByteArray whole = testgifs::solidFrames(kRgb, {2, 2, 2}, 16, 16);
    // Every cut either fails with the program's error or yields whole frames only.
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        TGIFImage image;
        image.setAnimate(false);
        try {
            image.loadFromData(whole.left(cut));
        } catch (const kv::Error&) {
            continue;
        }
        QVERIFY(image.frameCount() >= 1 && image.frameCount() <= 3);
        QCOMPARE(image.pictureSize(), QSize(16, 16));
        for (int i = 0; i < image.frameCount(); ++i) {
            image.setCurrentFrame(i);
            QCOMPARE(image.currentImage().size(), QSize(16, 16));
        }
    }
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(whole);
    QCOMPARE(image.frameCount(), 3);
}

void GIFImageTest::corruptedBytesNeverCrash() {
    const QByteArray whole = testgifs::solidFrames(kRgb, {2, 2, 2}, 16, 16);
    QRandomGenerator random(20261207);  // fixed seed: the same cases every run
    int loaded = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray data = whole;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes; ++c)
            data[int(random.bounded(int(data.size())))] = char(random.bounded(256));
        TGIFImage image;
        image.setAnimate(false);
        try {
            image.loadFromData(data);
        } catch (const kv::Error&) {
            continue;
        }
        ++loaded;
        QVERIFY(image.frameCount() >= 1);
        for (int i = 0; i < image.frameCount(); ++i) {
            image.setCurrentFrame(i);
            QCOMPARE(image.currentImage().size(), image.pictureSize());
        }
        image.grab();  // drawing a damaged picture must be as safe as loading it
    }
    QVERIFY(loaded > 0);  // most single-byte damage still leaves a picture
}

void GIFImageTest::hugeDeclaredScreenFailsCleanly() {
    // A 65535 x 65535 logical screen with one 1 x 1 image: decoding it whole would
    // need 17 GB. It must fail with the program's error, not exhaust memory.
    QByteArray data("GIF89a", 6);
    data += QByteArray("\xff\xff\xff\xff\x80\x00\x00", 7);   // screen, 2-colour global table
    data += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    data += QByteArray("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);  // image 1 x 1
    data += QByteArray("\x02\x02\x44\x01\x00\x3b", 6);
    TGIFImage image;
    QVERIFY_THROWS_EXCEPTION(kv::Error, image.loadFromData(data));
    QVERIFY(image.isEmpty());

    // The same the other way round: a 1 x 1 screen with a 65535 x 65535 frame,
    // whose colour indexes alone would take 4 GB.
    QByteArray frame("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    frame += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    frame += QByteArray("\x2c\x00\x00\x00\x00\xff\xff\xff\xff\x00", 10);
    frame += QByteArray("\x02\x02\x44\x01\x00\x3b", 6);
    QVERIFY_THROWS_EXCEPTION(kv::Error, image.loadFromData(frame));
    QVERIFY(image.isEmpty());
}

void GIFImageTest::manyFramesOnALargeScreenFailCleanly() {
    // 2000 x 2000 screen, 40 frames of one pixel each: 640 MB once composited.
    QByteArray data("GIF89a", 6);
    data += QByteArray("\xd0\x07\xd0\x07\x80\x00\x00", 7);
    data += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    for (int i = 0; i < 40; ++i) {
        data += QByteArray("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        data += QByteArray("\x02\x02\x44\x01\x00", 5);
    }
    data += '\x3b';
    TGIFImage image;
    image.setAnimate(false);
    image.loadFromData(testgifs::solidFrames({Qt::red}, {0}));
    try {
        image.loadFromData(data);
        QFAIL("the picture must be refused as too large");
    } catch (const kv::Error& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains("too large"), e.what());
    }
    QCOMPARE(image.frameCount(), 1);
}

void GIFImageTest::tryLoadKeepsOnMissingAndEmptiesOnBadFile() {
    QTemporaryDir dir;
    TGIFImage image;
    image.setAnimate(false);
    const QString first = testgifs::writeTemp(dir.path(), "first.gif", testgifs::solidFrames({Qt::red}, {0}, 5, 5));
    QVERIFY(image.tryLoadFromFile(first));
    QCOMPARE(image.pictureSize(), QSize(5, 5));

    QVERIFY(!image.tryLoadFromFile(dir.filePath("missing.gif")));
    QCOMPARE(image.pictureSize(), QSize(5, 5));
    QVERIFY(!image.tryLoadFromFile(dir.path()));  // a folder is no file either
    QCOMPARE(image.frameCount(), 1);

    const QString bad = testgifs::writeTemp(dir.path(), "bad.gif", "not a gif at all");
    QVERIFY(!image.tryLoadFromFile(bad));
    QVERIFY(image.isEmpty());
    QCOMPARE(image.frameCount(), 0);
    QVERIFY(!image.pictureSize().isValid());
}

QTEST_MAIN(GIFImageTest)
#include "GIFImageTest.moc"

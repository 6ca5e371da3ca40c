// The data the pictures are drawn from, checked against the definitions they
// come from, and the GIF writer read back by an independent reader (Qt's).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>

#include <algorithm>
#include <cmath>

#include "assets/pictures/gifgen/Csv.h"
#include "assets/pictures/gifgen/GifWriter.h"
#include "assets/pictures/gifgen/Resistivity.h"
#include "core/Error.h"

using namespace kv::gifgen;

namespace {

QString dataFile(const char* name) {
    return qEnvironmentVariable("KV_SOURCE_DIR") + "/assets/pictures/data/" + name;
}

double number(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return value;
}

QList<QImage> readAllFrames(const QByteArray& gif) {
    QByteArray copy = gif;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    QImage image;
    while (reader.read(&image)) {
        frames << image;
        if (!reader.canRead())
            break;
    }
    return frames;
}

}  // namespace

TEST(Resistivity, PictureValuesAreTheSourceOhmMetresTimesAMillion) {
    const CsvTable raw = readCsv(dataFile("resistivity.csv"));
    const QList<Resistivity> shown = readResistivity(dataFile("resistivity.csv"));
    ASSERT_EQ(shown.size(), raw.rows.size());
    const int rho = raw.column("rho_ohm_m");
    for (qsizetype i = 0; i < shown.size(); ++i) {
        // 1 Ω·m = 1 Ω·m²/m = 10^6 Ω·mm²/m
        const double expected = number(raw.rows[i][rho]) * 1000.0 * 1000.0;
        EXPECT_NEAR(shown[i].low, expected, expected * 1e-12) << shown[i].material.toStdString();
        EXPECT_GE(shown[i].high, shown[i].low);
    }
}

TEST(Resistivity, CoversConductorsAndInsulatorsInPlausibleOrder) {
    const QList<Resistivity> rows = readResistivity(dataFile("resistivity.csv"));
    EXPECT_GE(rows.size(), 25);
    QMap<QString, double> rho;
    QMap<QString, int> groups;
    for (const Resistivity& r : rows) {
        rho[r.material] = r.low;
        ++groups[r.group];
        EXPECT_FALSE(r.source.isEmpty()) << r.material.toStdString();
    }
    EXPECT_GE(groups["metal"], 10);
    EXPECT_GE(groups["insulator"], 5);
    EXPECT_LT(rho["Silver"], rho["Copper"]);
    EXPECT_LT(rho["Copper"], rho["Gold"]);
    EXPECT_LT(rho["Gold"], rho["Aluminium"]);
    EXPECT_LT(rho["Aluminium"], rho["Iron"]);
    EXPECT_LT(rho["Iron"], rho["Nichrome"]);
    // Every metal conducts better than any insulator by many orders of magnitude.
    double worstMetal = 0, bestInsulator = INFINITY;
    for (const Resistivity& r : rows) {
        if (r.group == "metal" || r.group == "alloy")
            worstMetal = std::max(worstMetal, r.high);
        if (r.group == "insulator")
            bestInsulator = std::min(bestInsulator, r.low);
    }
    EXPECT_GT(bestInsulator / worstMetal, 1e10);
}

TEST(Resistivity, AnnealedCopperIsTheIecStandardValue) {
    const QList<Resistivity> rows = readResistivity(dataFile("resistivity.csv"));
    // IEC 60028 defines it by conductance: 58 m per Ω·mm².
    const auto annealed = std::find_if(rows.begin(), rows.end(),
                                       [](const Resistivity& r) { return r.material.startsWith("Annealed copper"); });
    ASSERT_NE(annealed, rows.end());
    EXPECT_NEAR(annealed->low, 1.0 / 58.0, 1e-6);
    // Plain copper sits within a few per cent of the standard.
    const auto copper = std::find_if(rows.begin(), rows.end(), [](const Resistivity& r) { return r.material == "Copper"; });
    ASSERT_NE(copper, rows.end());
    EXPECT_NEAR(copper->low * 58.0, 1.0, 0.05);
}

TEST(Resistivity, FormattingKeepsTheValueReadable) {
    EXPECT_EQ(formatResistivity(0.0159), QString("0.0159"));
    EXPECT_EQ(formatResistivity(1.1), QString("1.1"));
    EXPECT_EQ(formatResistivity(460), QString("460"));
    EXPECT_EQ(formatResistivity(1e16), QString::fromUtf8("10¹⁶"));
    EXPECT_EQ(formatResistivity(7.5e23), QString::fromUtf8("7.5·10²³"));
    EXPECT_EQ(formatResistivity(4.6e5), QString::fromUtf8("4.6·10⁵"));
}

TEST(SizeTables, ShoeSizesFollowTheLastLengthDefinitions) {
    const CsvTable t = readCsv(dataFile("shoe_sizes.csv"));
    const int g = t.column("gender"), eu = t.column("eu"), uk = t.column("uk"), us = t.column("us"),
              foot = t.column("foot_cm");
    ASSERT_GE(t.rows.size(), 15);
    QMap<QString, double> lastFoot;
    for (const QStringList& row : t.rows) {
        const double lastCm = number(row[eu]) / 1.5;  // Paris point: 2/3 cm
        // UK: barleycorns (1/3 inch) of last length minus 25, to the half size.
        const double ukExact = 3.0 * lastCm / 2.54 - 25.0;
        EXPECT_LE(std::abs(number(row[uk]) - ukExact), 0.25 + 1e-9) << row.join(',').toStdString();
        EXPECT_DOUBLE_EQ(number(row[us]) - number(row[uk]), row[g] == "men" ? 1.0 : 2.0);
        EXPECT_NEAR(number(row[foot]), lastCm - 1.5, 0.051);
        EXPECT_GT(number(row[foot]), lastFoot.value(row[g], 0)) << "rows go up in size";
        lastFoot[row[g]] = number(row[foot]);
    }
    EXPECT_TRUE(lastFoot.contains("men") && lastFoot.contains("women"));
}

TEST(SizeTables, ClothingSizesFollowTheirCorrespondences) {
    const CsvTable t = readCsv(dataFile("clothing_sizes.csv"));
    const int g = t.column("gender"), eu = t.column("eu"), fr = t.column("fr"), uk = t.column("uk"),
              us = t.column("us"), girth = t.column("girth_cm");
    for (const QStringList& row : t.rows) {
        const std::string text = row.join(',').toStdString();
        if (row[g] == "men") {
            // The UK/US number is the chest in inches, ten below the Continental size.
            EXPECT_DOUBLE_EQ(number(row[uk]), number(row[eu]) - 10) << text;
            EXPECT_EQ(row[uk], row[us]) << text;
            EXPECT_EQ(number(row[girth]), std::round(number(row[uk]) * 2.54)) << text;
        } else {
            EXPECT_DOUBLE_EQ(number(row[fr]), number(row[eu]) + 2) << text;
            EXPECT_DOUBLE_EQ(number(row[uk]), number(row[eu]) - 26) << text;
            EXPECT_DOUBLE_EQ(number(row[us]), number(row[uk]) - 2) << text;
            EXPECT_DOUBLE_EQ(number(row[girth]), 2 * number(row[eu]) + 12) << text;
        }
    }
}

TEST(SizeTables, LettersGrowWithTheSizeWithoutGaps) {
    const CsvTable t = readCsv(dataFile("clothing_sizes.csv"));
    const QStringList order = {"XXS", "XS", "S", "M", "L", "XL", "XXL", "3XL", "4XL"};
    const int g = t.column("gender"), letter = t.column("letter"), eu = t.column("eu");
    QMap<QString, QPair<int, double>> previous;  // per gender: letter rank and size of the last row
    for (const QStringList& row : t.rows) {
        const int rank = int(order.indexOf(row[letter]));
        ASSERT_GE(rank, 0) << "unknown letter " << row[letter].toStdString();
        if (previous.contains(row[g])) {
            const auto [lastRank, lastSize] = previous[row[g]];
            EXPECT_GT(number(row[eu]), lastSize) << "rows go up in size";
            EXPECT_TRUE(rank == lastRank || rank == lastRank + 1) << row.join(',').toStdString();
        }
        previous[row[g]] = {rank, number(row[eu])};
    }
    EXPECT_EQ(previous.size(), 2);
}

TEST(Csv, RejectsRowsWithTheWrongFieldCount) {
    const QString path = QDir::tempPath() + "/kv_gifgen_bad.csv";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# comment\na,b\n1,2\n3\n");
    file.close();
    try {
        readCsv(path);
        FAIL() << "a short row must be rejected";
    } catch (const kv::Error& e) {
        EXPECT_NE(std::string(e.what()).find(":4:"), std::string::npos) << e.what();
    }
    EXPECT_THROW(readCsv(path + ".missing"), kv::Error);
    QFile::remove(path);
}

TEST(GifWriter, FewColoursRoundTripExactly) {
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(3, 2, qRgb(200, 100, 50));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const QList<QImage> frames = readAllFrames(encodeGif({{image, 0}}, -1));
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0].size(), QSize(7, 5));
    EXPECT_EQ(frames[0].pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(frames[0].pixel(3, 2), qRgb(200, 100, 50));
    EXPECT_EQ(qAlpha(frames[0].pixel(0, 0)), 0);
}

TEST(GifWriter, ManyColoursAreReducedCloseToTheOriginal) {
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));  // 4096 colours
    const QList<QImage> frames = readAllFrames(encodeGif({{image, 0}, {image.mirrored(true, false), 0}}, 0));
    ASSERT_EQ(frames.size(), 2);
    double error = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QRgb a = image.pixel(x, y), b = frames[0].pixel(x, y);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LT(error / (64 * 64 * 3), 12.0);  // mean error per channel, of 255
    EXPECT_NE(frames[0], frames[1]);
}

TEST(GifWriter, RejectsNoFramesAndMixedSizes) {
    EXPECT_THROW(encodeGif({}, 0), kv::Error);
    QImage a(4, 4, QImage::Format_ARGB32), b(5, 4, QImage::Format_ARGB32);
    a.fill(Qt::red);
    b.fill(Qt::red);
    EXPECT_THROW(encodeGif({{a, 0}, {b, 0}}, 0), kv::Error);
}

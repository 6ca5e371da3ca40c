#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/Charts.h"
#include "assets/pictures/gifgen/Csv.h"

#include <QPainterPath>

namespace kv::gifgen {

namespace {

constexpr int kWidth = 640;
constexpr int kMargin = 20;

// The given columns of the rows for one gender, in the file's order.
QList<QStringList> rowsFor(const CsvTable& csv, const QString& gender, const QList<int>& columns) {
    const int g = csv.column("gender");
    QList<QStringList> rows;
    for (const QStringList& row : csv.rows) {
        if (row[g] != gender)
            continue;
        QStringList cells;
        for (int c : columns)
            cells << row[c];
        rows << cells;
    }
    return rows;
}

Table shoeTable(const CsvTable& csv, const QString& gender) {
    Table t;
    t.header = {"EU", "UK", "US", "Foot, cm"};
    t.widths = {62, 62, 62, 102};
    t.align = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter};
    t.rows = rowsFor(csv, gender, {csv.column("eu"), csv.column("uk"), csv.column("us"), csv.column("foot_cm")});
    return t;
}

Table clothingTable(const CsvTable& csv, const QString& gender) {
    const bool men = gender == "men";
    Table t;
    t.header = men ? QStringList{"EU (DE, FR, IT)", "UK", "US", "Letter", "Chest, cm"}
                   : QStringList{"DE, NL", "FR, ES", "UK", "US", "Letter", "Bust, cm"};
    t.widths = men ? QList<int>{160, 90, 90, 120, 140} : QList<int>{100, 100, 80, 80, 120, 120};
    t.align = QList<Qt::Alignment>(t.widths.size(), Qt::AlignHCenter);
    QList<int> columns = {csv.column("eu")};
    if (!men)
        columns << csv.column("fr");
    columns << csv.column("uk") << csv.column("us") << csv.column("letter") << csv.column("girth_cm");
    t.rows = rowsFor(csv, gender, columns);
    return t;
}

// A footprint over a ruler: how the foot length of the tables is measured.
void drawFootGuide(QPainter& p, QRect box) {
    p.save();
    p.translate(box.topLeft());
    p.setPen(QPen(colours::rule, 1));
    p.setBrush(QColor(255, 249, 224));
    p.drawRoundedRect(QRectF(0.5, 0.5, box.width() - 1, box.height() - 1), 6, 6);

    const qreal heel = 20, toe = 222;
    QPainterPath sole;
    sole.moveTo(heel, 36);
    sole.cubicTo(heel, 20, 38, 16, 64, 20);
    sole.cubicTo(104, 25, 140, 10, 178, 14);
    sole.cubicTo(196, 17, 200, 34, 194, 46);
    sole.cubicTo(186, 60, 160, 62, 138, 56);
    sole.cubicTo(112, 49, 88, 46, 66, 52);
    sole.cubicTo(38, 58, heel, 54, heel, 36);
    QPainterPath toes;
    toes.addEllipse(QPointF(211, 20), 11, 8);
    toes.addEllipse(QPointF(206, 36), 6.5, 5.5);
    toes.addEllipse(QPointF(201, 47), 5.5, 4.5);
    toes.addEllipse(QPointF(193, 56), 5, 4);
    toes.addEllipse(QPointF(182, 63), 4.5, 3.5);
    p.setPen(QPen(colours::shapeEdge, 1.5));
    p.setBrush(colours::shape);
    p.drawPath(sole);
    p.drawPath(toes);

    const qreal ruler = 78;
    p.setPen(QPen(colours::mark, 1, Qt::DashLine));
    p.drawLine(QPointF(heel, 36), QPointF(heel, ruler));
    p.drawLine(QPointF(toe, 20), QPointF(toe, ruler));
    p.setPen(QPen(colours::mark, 1.3));
    p.drawLine(QPointF(heel, ruler), QPointF(toe, ruler));
    for (qreal x : {heel, toe})
        p.drawLine(QPointF(x, ruler - 5), QPointF(x, ruler + 5));
    p.setPen(colours::mark);
    p.setFont(font(12, false, true));
    p.drawText(QRectF(heel, ruler + 2, toe - heel, 16), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("foot length, cm"));

    p.setPen(colours::ink);
    p.setFont(font(12));
    p.drawText(QRect(260, 10, box.width() - 272, box.height() - 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("Stand on a sheet of paper, mark the back of the heel and the tip of the longest "
                              "toe and measure between the marks. Take the larger foot, measured in the "
                              "evening, and the size whose foot length is equal or next larger."));
    p.restore();
}

}  // namespace

QImage drawSizeChart(const QString& dataDir) {
    const CsvTable shoes = readCsv(dataDir + "/shoe_sizes.csv");
    const CsvTable clothes = readCsv(dataDir + "/clothing_sizes.csv");
    const Table women = shoeTable(shoes, "women");
    const Table men = shoeTable(shoes, "men");
    const Table menClothes = clothingTable(clothes, "men");
    const Table womenClothes = clothingTable(clothes, "women");

    const int inner = kWidth - 2 * kMargin;
    const int shoesHeight = std::max(tableHeight(women), tableHeight(men));
    const int height = 64 + 30 + 108 + 30 + shoesHeight + 24 + 30 + tableHeight(menClothes) + 24 + 30 +
                       tableHeight(womenClothes) + 70;
    QImage image = paper(kWidth, height);
    QPainter p(&image);
    preparePainter(p);

    int y = drawTitle(p, kMargin, 12, inner, QStringLiteral("Shoe and clothing sizes"),
                      QStringLiteral("Continental (EU), British (UK) and American (US) sizes side by side"));
    y = drawHeading(p, kMargin, y, inner, QStringLiteral("Shoes"));
    drawFootGuide(p, QRect(kMargin, y, inner, 100));
    y += 108;
    const int half = (inner - 20) / 2;
    p.setPen(colours::accent);
    p.setFont(font(14, true));
    p.drawText(QRect(kMargin, y, half, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Women"));
    p.drawText(QRect(kMargin + half + 20, y, half, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Men"));
    y += 30;
    drawTable(p, kMargin, y, women);
    drawTable(p, kMargin + half + 20, y, men);
    y += shoesHeight + 24;

    y = drawHeading(p, kMargin, y, inner, QStringLiteral("Men's clothing — jackets and coats by chest girth"));
    y = drawTable(p, kMargin, y, menClothes) + 24;
    y = drawHeading(p, kMargin, y, inner, QStringLiteral("Women's clothing — dresses, blouses, coats by bust girth"));
    y = drawTable(p, kMargin, y, womenClothes) + 12;
    drawNote(p, kMargin, y, inner,
             QStringLiteral("Letter codes as most shops use them; makers' own charts often differ by one size. "
                            "Shoe sizes are rounded to half sizes: go by the length of the foot."));
    return image;
}

}  // namespace kv::gifgen

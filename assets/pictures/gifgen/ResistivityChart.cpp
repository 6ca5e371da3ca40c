#include "assets/pictures/gifgen/Canvas.h"
#include "assets/pictures/gifgen/Charts.h"
#include "assets/pictures/gifgen/Resistivity.h"

namespace kv::gifgen {

namespace {

constexpr int kWidth = 800;
constexpr int kMargin = 20;
constexpr int kColumn = 370;

Table groupTable(const QList<Resistivity>& all, const QStringList& groups) {
    Table t;
    t.header = {QStringLiteral("Material"), QStringLiteral("ρ, Ω·mm²/m")};
    t.widths = {240, kColumn - 240};
    t.align = {Qt::AlignLeft, Qt::AlignRight};
    for (const Resistivity& r : all) {
        if (!groups.contains(r.group))
            continue;
        QString value = formatResistivity(r.low);
        if (r.high > r.low)
            value += QStringLiteral(" – ") + formatResistivity(r.high);
        t.rows << QStringList{r.material, value};
    }
    return t;
}

int drawGroup(QPainter& p, int x, int y, const QString& title, const Table& table) {
    y = drawHeading(p, x, y, kColumn, title);
    return drawTable(p, x, y, table) + 14;
}

void drawFormulaBox(QPainter& p, QRect box) {
    p.setPen(QPen(colours::rule, 1));
    p.setBrush(colours::accentLight);
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(colours::accent);
    p.setFont(font(18, true));
    p.drawText(box.adjusted(12, 8, -12, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("R = ρ · l / S"));
    p.setPen(colours::ink);
    p.setFont(font(12));
    p.drawText(box.adjusted(12, 38, -12, -6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("R — resistance, Ω;   l — length, m\n"
                              "S — cross-section, mm²\n"
                              "1 Ω·mm²/m = 10⁻⁶ Ω·m = 1 µΩ·m"));
}

}  // namespace

QImage drawResistivityChart(const QString& dataDir) {
    const QList<Resistivity> data = readResistivity(dataDir + "/resistivity.csv");
    const Table metals = groupTable(data, {"metal"});
    const Table alloys = groupTable(data, {"alloy"});
    const Table semis = groupTable(data, {"semiconductor"});
    const Table water = groupTable(data, {"electrolyte"});
    const Table insulators = groupTable(data, {"insulator"});

    const int top = 76;
    const int left = 2 * 30 + tableHeight(metals) + tableHeight(alloys) + 28;
    const int right = 3 * 30 + tableHeight(semis) + tableHeight(water) + tableHeight(insulators) + 42 + 100;
    const int height = top + std::max(left, right) + 52;
    QImage image = paper(kWidth, height);
    QPainter p(&image);
    preparePainter(p);

    drawTitle(p, kMargin, 12, kWidth - 2 * kMargin, QStringLiteral("Specific electrical resistance at 20 °C"),
              QStringLiteral("Resistivity ρ of conductors, semiconductors and insulators, in Ω·mm²/m"));
    int y = top;
    y = drawGroup(p, kMargin, y, QStringLiteral("Metals"), metals);
    y = drawGroup(p, kMargin, y, QStringLiteral("Alloys and steels"), alloys);
    const int x2 = kWidth - kMargin - kColumn;
    int y2 = top;
    y2 = drawGroup(p, x2, y2, QStringLiteral("Semiconductors and carbon"), semis);
    y2 = drawGroup(p, x2, y2, QStringLiteral("Water"), water);
    y2 = drawGroup(p, x2, y2, QStringLiteral("Insulators"), insulators);
    drawFormulaBox(p, QRect(x2, y2, kColumn, 96));
    drawNote(p, kMargin, height - 46, kWidth - 2 * kMargin,
             QStringLiteral("Sources: IEC 60028 (annealed copper, 1/58 Ω·mm²/m); tables of resistivity at 20 °C "
                            "of common materials (Wikipedia, preproom.org). Alloys and insulators vary with "
                            "make-up, purity and humidity; ranges show the spread."));
    return image;
}

}  // namespace kv::gifgen

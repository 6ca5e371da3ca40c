#include "tools/reference/HardnessTables.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/Error.h"

namespace reference {

namespace {

struct Layout {
    const char* title;
    int columns;
};

constexpr std::array<Layout, kHardnessTableCount> kLayouts = {{
    {"Brinell Hardness Numbers (Ball 10 mm in Diameter, Applied Loads of 500, 1500, 3000 kgf)", 4},
    {"Approximate Herdness Conversion Numbers for Nonaustenitic Steels (Rockwell C to other Hardness Numbers)", 10},
    {"Approximate Herdness Conversion Numbers for Nonaustenitic Steels (Rockwell B to other Hardness Numbers)", 10},
    {"Approximate Herdness Conversion Numbers for Austenitic Steels (Rockwell C to other Hardness Numbers)", 5},
    {"Approximate Herdness Conversion Numbers for Austenitic Steels (Rockwell B to other Hardness Numbers)", 7},
}};

const Layout& layout(int item) {
    if (item < 0 || item >= kHardnessTableCount)
        throw kv::Error("There is no hardness table " + std::to_string(item + 1) + "; the tables are 1 to 5");
    return kLayouts[static_cast<size_t>(item)];
}

QString fieldText(const dbase::Table& t, int position) {
    if (position >= static_cast<int>(t.fields().size())) return {};
    return QString::fromStdString(t.asString(position));
}

}  // namespace

void requireOpen(const dbase::Table& t) {
    // The words the table itself uses when a closed table is read.
    if (!t.active()) throw dbase::DbfError(t.fileName() + ": the table is not open");
}

void selectHardnessTable(dbase::Table& t, int item) {
    requireOpen(t);
    t.setFiltered(true);
    t.setFilter("NUM=" + std::to_string(item + 1));
    t.first();
}

QString hardnessTitle(int item) { return QString::fromLatin1(layout(item).title); }

int hardnessColumnCount(int item) { return layout(item).columns; }

int hardnessColumnWidth(int item, int gridWidth) {
    // The Brinell table's four columns share the width differently from the
    // others, which leave 40 pixels for the row marks and the scroll bar.
    if (item == 0) return gridWidth / 4 - 9;
    return (gridWidth - 40) / hardnessColumnCount(item);
}

std::vector<HeadingBox> readHeadingBoxes(dbase::Table& pan, dbase::Table& nam, int item) {
    layout(item);
    selectHardnessTable(pan, item);
    selectHardnessTable(nam, item);
    const bool named = !nam.eof();
    std::vector<HeadingBox> boxes;
    for (; !pan.eof() && boxes.size() < static_cast<size_t>(kHeadingBoxCount); pan.next()) {
        HeadingBox box;
        box.left = static_cast<int>(pan.asInteger("L"));
        box.top = static_cast<int>(pan.asInteger("TOP"));
        box.width = static_cast<int>(pan.asInteger("W"));
        box.height = static_cast<int>(pan.asInteger("H"));
        box.visible = pan.asBoolean("V");
        box.colour = static_cast<int>(pan.asInteger("COL"));
        if (named) box.text = fieldText(nam, static_cast<int>(boxes.size()) + 1);
        boxes.push_back(box);
    }
    pan.first();
    return boxes;
}

std::vector<QStringList> readHardnessRows(dbase::Table& rvb, int item) {
    const int columns = hardnessColumnCount(item);
    selectHardnessTable(rvb, item);
    std::vector<QStringList> rows;
    for (; !rvb.eof(); rvb.next()) {
        QStringList row;
        for (int c = 1; c <= columns; ++c) row << fieldText(rvb, c);
        rows.push_back(row);
    }
    rvb.first();
    return rows;
}

QStringList columnHeadings(const std::vector<HeadingBox>& boxes, int item) {
    const int width = hardnessColumnWidth(item, kHardnessGridWidth);
    QStringList headings;
    for (int c = 0; c < hardnessColumnCount(item); ++c) {
        const int middle = kHardnessFirstColumnLeft + c * width + width / 2;
        std::vector<const HeadingBox*> over;
        for (const HeadingBox& box : boxes)
            if (box.visible && box.left <= middle && middle < box.left + box.width && !box.text.isEmpty())
                over.push_back(&box);
        std::stable_sort(over.begin(), over.end(), [](auto* a, auto* b) { return a->top < b->top; });
        QStringList texts;
        for (const HeadingBox* box : over) texts << box->text;
        headings << texts.join(QStringLiteral(" / "));
    }
    return headings;
}

QStringList hardnessTableText(const std::vector<HeadingBox>& boxes, const std::vector<QStringList>& rows,
                              int item) {
    const int columns = hardnessColumnCount(item);
    QStringList lines{hardnessTitle(item)};
    const QStringList headings = columnHeadings(boxes, item);
    const int numberWidth = QString::number(columns).size();
    for (int c = 0; c < columns; ++c) {
        QString line = QString::number(c + 1).rightJustified(numberWidth) + QStringLiteral("  ") + headings[c];
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);  // a column without a heading
        lines << line;
    }
    lines << QString();

    // The first column's keys are padded so that they sort as numbers; the
    // text lines up its own way.
    std::vector<QStringList> cells;
    QStringList titles;
    for (int c = 0; c < columns; ++c) titles << QString::number(c + 1);
    cells.push_back(titles);
    for (QStringList row : rows) {
        if (!row.isEmpty()) row[0] = row[0].trimmed();
        cells.push_back(row);
    }
    std::vector<qsizetype> widths(static_cast<size_t>(columns), 0);
    for (const QStringList& row : cells)
        for (int c = 0; c < columns; ++c) widths[c] = std::max(widths[c], row.value(c).size());
    for (const QStringList& row : cells) {
        QStringList aligned;
        for (int c = 0; c < columns; ++c) aligned << row.value(c).rightJustified(widths[c]);
        lines << aligned.join(QStringLiteral("  "));
    }
    return lines;
}

}  // namespace reference

// The periodic table without widgets: the mass in kilograms, the shell
// column, where the short form places the elements, and finding an element.
#include <cstdlib>
#include <gtest/gtest.h>

#include "tools/reference/ElementText.h"

namespace {

using reference::ElementRecord;

TEST(ElementText, MassInKilograms) {
    struct Case {
        double mass;
        char point;
        const char* shown;
    };
    for (const Case& c : {Case{1.00794, '.', "1.673E-027"}, Case{1, '.', "1.660E-027"}, Case{1, ',', "1,660E-027"},
                          Case{294, '.', "4.880E-025"}, Case{55.845, ',', "9,270E-026"}, Case{0, '.', "0.000E+000"},
                          Case{6.0241e300, '.', "1.000E+274"}})
        EXPECT_EQ(reference::massInKilograms(c.mass, QLatin1Char(c.point)), QString::fromLatin1(c.shown)) << c.mass;
}

TEST(ElementText, ShellColumnPushesTheCellsDownToK) {
    // ORBIT length -> leading spaces
    for (const auto& [length, spaces] : {std::pair{0, 21}, {3, 18}, {7, 12}, {8, 12}, {9, 12}, {10, 9}, {11, 9},
                                        {12, 9}, {18, 3}, {19, 0}, {21, 0}, {24, 0}}) {
        const QString orbit(length, QLatin1Char('1'));
        EXPECT_EQ(reference::shellColumn(orbit), QString(spaces, QLatin1Char(' ')) + orbit) << length;
    }
}

std::map<int, ElementRecord> shippedRecords() {
    dbase::Table table;
    table.setFileName(std::string(std::getenv("KV_BIN_DIR")) + "/elements.dbf");
    table.open();
    return reference::readElementRecords(table);
}

std::map<std::pair<int, int>, int> placesOf(const std::map<int, ElementRecord>& records) {
    std::map<std::pair<int, int>, int> at;
    for (const reference::ElementPlace& p : reference::placeElements(records)) at[{p.x, p.y}] = p.number;
    return at;
}

TEST(ElementPlaces, ShortFormOfTheShippedTable) {
    const auto records = shippedRecords();
    ASSERT_EQ(records.size(), 118u);
    const auto at = placesOf(records);
    EXPECT_EQ(at.size(), 82u + 28u);  // 111-118 find no cell
    // column, row -> number
    for (const auto& [x, y, n] : {std::tuple{1, 1, 1}, {11, 1, 2}, {3, 8, 57}, {4, 8, 72}, {3, 10, 89}, {4, 10, 104},
                                  {10, 10, 110}, {1, 11, 58}, {14, 11, 71}, {1, 12, 90}, {14, 12, 103}})
        EXPECT_EQ(at.count({x, y}) ? at.at({x, y}) : 0, n) << x << "," << y;
    EXPECT_FALSE(at.count({11, 10}));
}

TEST(ElementPlaces, AGapEmptiesTheRestOfItsBlock) {
    struct Case {
        int removed;
        size_t mainBlock, series;
    };
    for (const Case& c : {Case{5, 4, 28}, Case{26, 25, 28}, Case{60, 82, 2}, Case{95, 82, 14 + 5}}) {
        auto records = shippedRecords();
        records.erase(c.removed);
        size_t main = 0, series = 0;
        for (const reference::ElementPlace& p : reference::placeElements(records)) ++(p.y <= 10 ? main : series);
        EXPECT_EQ(main, c.mainBlock) << c.removed;
        EXPECT_EQ(series, c.series) << c.removed;
    }
    // A record whose X and Y leave the reading order stops the block there too.
    auto records = shippedRecords();
    records[20].x = 5;  // calcium placed in column 5, so scandium finds no cell after it
    EXPECT_EQ(placesOf(records).size(), 20u + 28u);
}

TEST(ElementPlaces, FindBySymbolNameOrNumber) {
    const auto records = shippedRecords();
    for (const auto& [key, number] : {std::pair{"Fe", 26}, {"fe", 26}, {"IRON", 26}, {"26", 26}, {" 26 ", 26},
                                     {"Og", 118}, {"Xx", 0}, {"0", 0}, {"119", 0}, {"", 0}}) {
        const ElementRecord* r = reference::findElement(records, QString::fromLatin1(key));
        EXPECT_EQ(r ? r->number : 0, number) << key;
    }
}

TEST(ElementText, LinesAsTheWindowShowsThem) {
    const ElementRecord fe = shippedRecords().at(26);
    reference::ElementDetails d;
    d.density = QStringLiteral("7.874 g/cm³");
    d.oxi = QStringLiteral("+2, +3, +6");
    const QStringList lines = reference::elementLines(fe, d, QLatin1Char(','));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "26 Fe Iron");
    EXPECT_EQ(lines[1], "Ar  = 55,845");
    EXPECT_EQ(lines[2], "m  = 9,270E-026 kg");
    EXPECT_EQ(lines[4], "  Q  P  O  N  M  L  K");
    EXPECT_EQ(lines[5], "           2 14  8  2");
    EXPECT_EQ(lines[10], QStringLiteral("Density 7.874 g/cm³"));
    EXPECT_EQ(lines[15], "Oxidation station +2, +3, +6");
}

}  // namespace

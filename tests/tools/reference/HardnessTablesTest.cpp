// The steel hardness tables without widgets: the grid's width rule, heading
// boxes and rows read from the tables, the column headings and the command's text.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/Error.h"
#include "tests/tools/reference/HardnessTestTables.h"
#include "tools/reference/HardnessTables.h"

using namespace reference;

namespace {

TEST(HardnessLayout, ColumnWidthsTruncateAsEachTableDivides) {
    struct Case { int item, grid, width; };
    for (const Case& c : {Case{0, 777, 185}, Case{1, 777, 73}, Case{2, 777, 73}, Case{3, 777, 147},
                          Case{4, 777, 105}, Case{0, 500, 116}, Case{3, 501, 92}, Case{4, 100, 8}})
        EXPECT_EQ(hardnessColumnWidth(c.item, c.grid), c.width) << c.item << " " << c.grid;
    EXPECT_EQ(hardnessColumnCount(4), 7);
    EXPECT_TRUE(hardnessTitle(1).startsWith("Approximate Herdness Conversion Numbers for Nonaustenitic"));
    EXPECT_THROW(hardnessTitle(5), kv::Error);
    EXPECT_THROW(hardnessColumnCount(-1), kv::Error);
}

TEST(HardnessTables, BoxesRowsAndTextFromTheTables) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<hardness_test::Box> boxes;
    for (int i = 0; i < 13; ++i) boxes.push_back({1, 6 + 10 * i, 4, 50, 10, i != 1, i == 2 ? 9 : i % 6});
    boxes.push_back({2, 6, 4, 118, 185, true, 4});
    hardness_test::writeBoxes(dir.filePath("pan.dbf").toStdString(), boxes);
    hardness_test::writeTexts(dir.filePath("nam_1.dbf").toStdString(), {{"1", "first", "hidden", "third"}}, 3, "H", 1);
    hardness_test::writeTexts(dir.filePath("rvb.dbf").toStdString(),
                              {{"3", "100", "A", "(739)"}, {"3", " 99", "B"}, {"1", "2.00", "945"}}, 3, "FIELD", 1);
    dbase::Table pan, nam, rvb;
    for (auto [t, file, order] : {std::tuple{&pan, "pan.dbf", "NUM"}, std::tuple{&nam, "nam_1.dbf", "NUM"},
                                  std::tuple{&rvb, "rvb.dbf", "FIELD1"}}) {
        t->setFileName(dir.filePath(file).toStdString());
        t->open();
        t->setIndexFieldNames(order);
    }

    // Beyond eleven records nothing is read; texts run out as nam_1's fields do.
    const std::vector<HeadingBox> first = readHeadingBoxes(pan, nam, 0);
    ASSERT_EQ(first.size(), 11u);
    EXPECT_EQ(first[0].text, "first");
    EXPECT_FALSE(first[1].visible);
    EXPECT_EQ(first[1].text, "hidden");
    EXPECT_EQ(first[2].colour, 9);
    EXPECT_EQ(first[10].left, 106);
    EXPECT_EQ(first[3].text, "");
    EXPECT_EQ(pan.recNo(), 0);
    // A table without its heading record keeps its boxes, without texts.
    const std::vector<HeadingBox> second = readHeadingBoxes(pan, nam, 1);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].width, 185);
    EXPECT_EQ(second[0].text, "");

    // Rows in FIELD1 order (padded keys sort as numbers), fields past the table's empty.
    const std::vector<QStringList> rows = readHardnessRows(rvb, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], QStringList({" 99", "B", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[1].mid(0, 3), QStringList({"100", "A", "(739)"}));
}

TEST(HardnessText, HeadingsStackTheVisibleBoxesOverEachColumn) {
    const std::vector<HeadingBox> boxes = {
        {6, 4, 185, 118, true, 4, "d, mm"},     {191, 58, 185, 64, true, 5, "500 kgf"},
        {376, 58, 185, 64, false, 5, "1500 kgf"}, {561, 58, 185, 64, true, 5, "3000 kgf"},
        {191, 4, 555, 53, true, 0, "HB"}};
    EXPECT_EQ(columnHeadings(boxes, 0), QStringList({"d, mm", "HB / 500 kgf", "HB", "HB / 3000 kgf"}));
    const QStringList text = hardnessTableText(boxes, {{"2.00", "158", "473", "945"}, {"6.99", "", "", "(71.3)"}}, 0);
    EXPECT_EQ(text, QStringList({hardnessTitle(0), "1  d, mm", "2  HB / 500 kgf", "3  HB", "4  HB / 3000 kgf", "",
                                 "   1    2    3       4", "2.00  158  473     945", "6.99            (71.3)"}));
}

}  // namespace

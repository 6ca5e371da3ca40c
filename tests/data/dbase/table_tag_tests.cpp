// Orders by index tag: tags come from the production index, the order itself
// from the table's own data.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/dbase/KeyExpression.h"
#include "data/dbase/Mdx.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/table_test_support.h"

using namespace dbase;
using namespace dbase::testing;

namespace {

// Tables whose header flags a production index; the index file's tag
// directory is supplied by the test instead of being read.
class TaggedTable : public ::testing::Test {
protected:
    void SetUp() override {
        NewTable t = unitsTable();
        t.productionIndex = true;
        writeTable(dir.file("members.DBF"), t);
        Table::setTagReaderForTesting([this](const std::string& indexPath) {
            readFrom = indexPath;
            return std::vector<TagInfo>{{"CLASS", "CLASS", false, false},
                                        {"NAME", "NAME", false, false},
                                        {"NUMBER", "NUMBER", false, false},
                                        {"C_N", "str(CLASS)+NUMBER", false, false},
                                        {"DOWN", "UPPER(NAME)", true, false},
                                        {"ONECLASS", "CLASS", false, true},
                                        {"BROKEN", "NOSUCH+1", false, false}};
        });
        table.setFileName(dir.file("members.DBF"));
    }
    void TearDown() override { Table::setTagReaderForTesting(nullptr); }

    ScratchDir dir;
    Table table;
    std::string readFrom;
};

}  // namespace

TEST_F(TaggedTable, FindsTheIndexFileInAnyLetterCase) {
    writeBytes(dir.file("Members.mdx"), "x");
    table.open();
    EXPECT_EQ(readFrom, dir.file("Members.mdx"));
    EXPECT_EQ(table.tags().size(), 7u);
}

TEST_F(TaggedTable, MissingIndexFailsTheOpenNamingIt) {
    try {
        table.open();
        ADD_FAILURE() << "opened without its production index";
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("members.MDX")), std::string::npos) << e.what();
    }
    EXPECT_FALSE(table.active());
}

TEST_F(TaggedTable, UnreadableIndexFailsTheOpen) {
    writeBytes(dir.file("MEMBERS.MDX"), "x");
    Table::setTagReaderForTesting([](const std::string& path) -> std::vector<TagInfo> {
        throw DbfError(path + ": not a production index");
    });
    EXPECT_THROW(table.open(), DbfError);
    EXPECT_FALSE(table.active());
}

TEST_F(TaggedTable, OrdersByTagExpressionsComputedFromTheData) {
    writeBytes(dir.file("MEMBERS.MDX"), "x");
    table.setIndexName("NUMBER");  // chosen before opening, applied by the open
    table.setFiltered(true);
    table.open();
    EXPECT_EQ(column(table, "NAME").front(), "Celsius");
    table.setFilter("CLASS='28'");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"Celsius", "Fahrenheit", "Kelvin"}));
    table.setIndexName("name");
    EXPECT_EQ(table.recordCount(), 3);
    table.setIndexName("NUMBER");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"Celsius", "Fahrenheit", "Kelvin"}));

    table.setFilter("");
    table.setIndexName("C_N");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"millimetre", "metre", "kilometre", "gram",
                                                               "Килограмм", "Celsius", "Fahrenheit", "Kelvin"}));
    EXPECT_TRUE(table.findKey("         1  2"));
    EXPECT_EQ(table.asString("NAME"), "kilometre");

    table.setIndexName("DOWN");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"Килограмм", "millimetre", "metre", "kilometre",
                                                               "Kelvin", "gram", "Fahrenheit", "Celsius"}));

    // A unique tag holds the first record of each key.
    table.setIndexName("ONECLASS");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"metre", "gram", "Fahrenheit"}));
}

TEST_F(TaggedTable, UnknownOrBrokenTagsAreRefusedKeepingTheOrder) {
    writeBytes(dir.file("MEMBERS.MDX"), "x");
    table.open();
    table.setIndexName("NAME");
    EXPECT_THROW(table.setIndexName("NOSUCH"), DbfError);
    EXPECT_THROW(table.setIndexName("BROKEN"), DbfError);
    EXPECT_EQ(table.indexName(), "NAME");
    EXPECT_EQ(column(table, "NAME").front(), "Celsius");

    Table other;
    other.setFileName(dir.file("members.DBF"));
    other.setIndexName("NOSUCH");
    EXPECT_THROW(other.open(), DbfError);
    EXPECT_FALSE(other.active());
}

TEST_F(TaggedTable, OrderFollowsDataChangedByAnotherProgram) {
    writeBytes(dir.file("MEMBERS.MDX"), "x");
    table.setIndexName("NAME");
    table.open();
    {
        Table writer;  // another user of the file renames a unit
        writer.setFileName(dir.file("members.DBF"));
        writer.open();
        writer.moveTo(2);
        writer.setValue(writer.fieldIndex("NAME"), "Zelsius");
    }
    table.close();
    table.open();
    EXPECT_EQ(column(table, "NAME").back(), "Килограмм");
    table.last();
    table.prior();
    EXPECT_EQ(table.asString("NAME"), "Zelsius");
}

TEST(ProductionIndex, TagsComeFromTheIndexFileAndOrdersFromTheData) {
    ScratchDir dir;
    NewTable t = unitsTable();
    t.productionIndex = true;
    writeTable(dir.file("members.DBF"), t);
    // An index whose pages match the data as written.
    std::vector<MdxTag> tags;
    for (const auto& [name, expression] : std::vector<std::pair<std::string, std::string>>{
             {"NAME", "NAME"}, {"NUMBER", "NUMBER"}, {"C_N", "str(CLASS)+NUMBER"}}) {
        MdxTag tag;
        tag.info = {name, expression, false, false};
        const KeyExpression key(expression, t.fields);
        tag.numeric = key.numeric();
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            tag.entries.push_back({key.evaluate([&](int f) { return t.rows[r][std::size_t(f)]; }), std::uint32_t(r + 1)});
        std::stable_sort(tag.entries.begin(), tag.entries.end(),
                         [](const auto& a, const auto& b) { return compareKeys(a.first, b.first) < 0; });
        tags.push_back(tag);
    }
    writeMdx(dir.file("MEMBERS.MDX"), "MEMBERS", tags, 1251);

    Table table;
    table.setFileName(dir.file("members.DBF"));
    table.setIndexName("NAME");
    table.open();
    ASSERT_EQ(table.tags().size(), 3u);
    EXPECT_EQ(table.tags()[2].expression, "str(CLASS)+NUMBER");
    EXPECT_EQ(column(table, "NAME").front(), "Celsius");
    // The data change; the index pages do not. The order follows the data.
    table.first();
    table.setValue(table.fieldIndex("NAME"), "Zelsius");
    table.close();
    table.open();
    EXPECT_EQ(column(table, "NAME").front(), "Fahrenheit");
    EXPECT_TRUE(table.findKey("zelsius"));
    EXPECT_EQ(table.recNo(), 6);
}

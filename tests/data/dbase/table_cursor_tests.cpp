// The cursor over a table: orders, filters, walking, key search and the
// master-detail link, on a units table shaped like the converter's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "data/dbase/FieldValue.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/table_test_support.h"

using namespace dbase;
using namespace dbase::testing;

using UnitsTable = OpenUnitsTable;

TEST_F(UnitsTable, WalksInPhysicalOrderWithoutAnOrder) {
    EXPECT_EQ(table.recordCount(), 8);
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.physicalRecNo(), 1);
    EXPECT_EQ(column(table, "NAME").front(), "Fahrenheit");
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recNo(), 7);  // eof keeps the last row current
    table.prior();
    EXPECT_EQ(table.recNo(), 6);
    EXPECT_FALSE(table.eof());
    table.last();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.asString("obozn"), "кг");  // names ignore letter case
    table.moveTo(3);
    EXPECT_EQ(table.asString(2), "millimetre");
    EXPECT_THROW(table.moveTo(8), DbfError);
    EXPECT_THROW(table.asString("NOSUCH"), DbfError);
}

TEST_F(UnitsTable, ReadsFieldsAsTypedValues) {
    table.moveTo(6);
    EXPECT_EQ(table.asInteger("CLASS"), 1);
    EXPECT_DOUBLE_EQ(table.asFloat("INDEX"), 1000);
    EXPECT_EQ(table.asString("INDEX"), "1000.0000000000");
    table.moveTo(0);
    EXPECT_EQ(table.asInteger("INDEX"), 0);  // blank number
    EXPECT_THROW(table.asInteger("NAME"), DbfError);
    EXPECT_THROW(table.asFloat("NAME"), DbfError);
    EXPECT_EQ(table.valueAt(7, 2), "Килограмм");
    EXPECT_EQ(table.recNo(), 0);  // valueAt does not move
    // A refused number is named as the table shows it, decoded.
    table.moveTo(7);
    try {
        table.asInteger("NAME");
        FAIL() << "no error";
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find("'Килограмм' is not a valid integer value (field NAME)"), std::string::npos)
            << e.what();
    }
}

// Numbers are read by a short way for whole ones and the general one for the
// rest; both must agree with the C library's reading of the same text.
TEST(ParseNumber, AgreesWithStrtod) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"0", true}, {"007", true}, {"-0", true}, {"+12", true}, {"  42  ", true},
        {"123456789012345", true}, {"-999999999999999", true}, {"1234567890123456", true},
        {"9007199254740993", true}, {"1,5", true}, {"-2.25", true}, {"1e3", true}, {"12.", true},
        {"", false}, {"   ", false}, {"abc", false}, {"1 2", false}, {"--1", false}, {"1x", false}, {"-", false}, {"+", false}, {"+-1", false},
    };
    for (const Case& c : cases) {
        double value = 12345;
        EXPECT_EQ(parseNumber(c.text, value), c.valid) << c.text;
        if (!c.valid) continue;
        std::string dotted = c.text;
        std::replace(dotted.begin(), dotted.end(), ',', '.');
        const double expected = std::strtod(dotted.c_str(), nullptr);
        EXPECT_EQ(value, expected) << c.text;
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << c.text;
    }
}

TEST_F(UnitsTable, OrdersByFieldStablyAndCaseInsensitively) {
    table.setIndexFieldNames("NUMBER");
    // Ties (same NUMBER) keep the physical order.
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"Celsius", "millimetre", "gram", "Fahrenheit", "metre",
                                                               "Килограмм", "Kelvin", "kilometre"}));
    table.setIndexFieldNames("NAME");
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"Celsius", "Fahrenheit", "gram", "Kelvin", "kilometre",
                                                               "metre", "millimetre", "Килограмм"}));
    EXPECT_THROW(table.setIndexFieldNames("NOSUCH"), DbfError);
    EXPECT_EQ(table.indexFieldNames(), "NAME");  // a failed switch keeps the order
    table.setIndexFieldNames("");
    EXPECT_EQ(column(table, "NAME").front(), "Fahrenheit");
}

TEST_F(UnitsTable, ChangingOrderKeepsTheCurrentRecord) {
    table.moveTo(6);  // kilometre
    table.setIndexFieldNames("NAME");
    EXPECT_EQ(table.asString("NAME"), "kilometre");
    EXPECT_EQ(table.recNo(), 4);
}

TEST_F(UnitsTable, OrderSwitchKeepsTheRowCurrentAfterTheStepsBefore) {
    // No row is read between the steps: the row kept is still the one the
    // filter made current under the old order.
    table.setIndexFieldNames("NUMBER");
    table.setFiltered(true);
    table.setFilter("CLASS='1'");
    table.setIndexFieldNames("NAME");
    EXPECT_EQ(table.asString("NAME"), "millimetre");
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"kilometre", "metre", "millimetre"}));
}

TEST_F(UnitsTable, FilterTextsSelectByIntegerValue) {
    struct Case {
        const char* text;
        int rows;
    };
    const Case cases[] = {
        {"CLASS='28'", 3}, {"CLASS=28", 3}, {" CLASS = 1 ", 3}, {"class=2", 2}, {"CLASS = ' 2 '", 2},
        {"NUMBER=0", 3},   {"CLASS=99", 0}, {"", 8},             {"   ", 8},     {"INDEX=1000", 1},
        {"CLASS=+1", 3},   {"CLASS=-1", 0},
    };
    table.setFiltered(true);
    for (const Case& c : cases) {
        table.setFilter(c.text);
        EXPECT_EQ(table.recordCount(), c.rows) << c.text;
        EXPECT_EQ(table.filter(), c.text);
    }
}

TEST_F(UnitsTable, BadFilterTextsAreRefusedAndChangeNothing) {
    table.setFiltered(true);
    table.setFilter("CLASS=1");
    const char* bad[] = {"CLASS",        "=1",         "NOSUCH=1",       "CLASS=abc", "CLASS=1.5",
                         "CLASS='1",     "CLASS=1 OR", "CLASS>1",        "CLASS==1",  "CLASS=''",
                         "CLASS=1=1",    "NAME=x",     "CLASS=99999999999999999999"};
    for (const char* text : bad) {
        try {
            table.setFilter(text);
            ADD_FAILURE() << text << " accepted";
        } catch (const DbfError& e) {
            EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.filter(), "CLASS=1");
        EXPECT_EQ(table.recordCount(), 3);
    }
}

TEST_F(UnitsTable, FilterSwitchesOffAndOnKeepingTheText) {
    table.setFilter("CLASS='28'");
    EXPECT_EQ(table.recordCount(), 8);  // set but not switched on
    table.setFiltered(true);
    EXPECT_EQ(table.recordCount(), 3);
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 8);
    EXPECT_EQ(table.filter(), "CLASS='28'");
    table.setFiltered(true);
    EXPECT_EQ(table.recordCount(), 3);
}

TEST_F(UnitsTable, FilterSurvivesAnOrderSwitch) {
    table.setIndexFieldNames("NUMBER");
    table.setFiltered(true);
    table.setFilter("CLASS='28'");
    const auto before = column(table, "NAME");
    EXPECT_EQ(before, (std::vector<std::string>{"Celsius", "Fahrenheit", "Kelvin"}));
    table.setIndexFieldNames("NAME");
    EXPECT_EQ(table.recordCount(), 3);
    table.setIndexFieldNames("NUMBER");
    EXPECT_EQ(column(table, "NAME"), before);
    EXPECT_EQ(table.filter(), "CLASS='28'");
}

TEST_F(UnitsTable, KeySearchFindsWithinTheFilterOrKeepsTheRow) {
    table.setIndexFieldNames("NUMBER");
    table.setFiltered(true);
    table.setFilter("CLASS=1");
    table.last();
    ASSERT_EQ(table.asString("NAME"), "kilometre");
    EXPECT_TRUE(table.findKey(1.0));
    EXPECT_EQ(table.asString("NAME"), "metre");
    EXPECT_FALSE(table.findKey(5.0));
    EXPECT_EQ(table.asString("NAME"), "metre");
    EXPECT_TRUE(table.findKey("2"));
    EXPECT_EQ(table.asString("NAME"), "kilometre");
    EXPECT_FALSE(table.findKey("two"));
    EXPECT_EQ(table.asString("NAME"), "kilometre");

    table.setIndexFieldNames("NAME");
    EXPECT_TRUE(table.findKey("METRE   "));  // case and trailing blanks ignored
    EXPECT_EQ(table.asInteger("NUMBER"), 1);
    EXPECT_FALSE(table.findKey("Celsius"));  // exists, but outside the filter
    EXPECT_EQ(table.asString("NAME"), "metre");
    table.setIndexFieldNames("");
    EXPECT_THROW(table.findKey("metre"), DbfError);
}

TEST_F(UnitsTable, ListenersHearEveryChange) {
    std::vector<Change> heard;
    const int id = table.addListener([&](Change c) { heard.push_back(c); });
    table.first();
    table.next();
    table.setIndexFieldNames("NAME");
    table.setFiltered(true);
    table.setValue(table.fieldIndex("OBOZN"), "x");
    table.close();
    EXPECT_EQ(heard, (std::vector<Change>{Change::Current, Change::Rows, Change::Rows, Change::Data, Change::Opened}));
    table.removeListener(id);
    table.open();
    EXPECT_EQ(heard.size(), 5u);
}

TEST(MasterDetail, DetailFollowsTheMastersCurrentRow) {
    ScratchDir dir;
    NewTable classes;
    classes.fields = {{"CLASS", 'N', 3, 0}, {"NAME", 'C', 20, 0}};
    classes.rows = {{"1", "Length"}, {"2", "Mass"}, {"28", "Temperature"}, {"3", "Empty"}};
    writeTable(dir.file("class.dbf"), classes);
    writeTable(dir.file("members.DBF"), dbase::testing::unitsTable());

    Table master, detail;
    master.setFileName(dir.file("class.dbf"));
    master.open();
    detail.setFileName(dir.file("members.DBF"));
    detail.setIndexFieldNames("CLASS");
    detail.open();
    int detailRowsChanges = 0;
    detail.addListener([&](Change c) { detailRowsChanges += c == Change::Rows; });
    detail.setMasterSource(&master, "CLASS");

    master.first();
    EXPECT_EQ(column(detail, "NAME"), (std::vector<std::string>{"metre", "millimetre", "kilometre"}));
    master.next();
    EXPECT_EQ(column(detail, "NAME"), (std::vector<std::string>{"gram", "Килограмм"}));
    master.next();
    EXPECT_EQ(detail.recordCount(), 3);
    master.next();
    EXPECT_EQ(detail.recordCount(), 0);
    EXPECT_TRUE(detail.eof());
    EXPECT_GE(detailRowsChanges, 4);

    // Within the link, key search and filters still apply.
    master.moveTo(0);
    detail.setFiltered(true);
    detail.setFilter("NUMBER=2");
    EXPECT_EQ(column(detail, "NAME"), (std::vector<std::string>{"kilometre"}));
    detail.setFilter("");
    EXPECT_FALSE(detail.findKey(2.0));  // a CLASS 2 row exists, but not under this master row

    detail.setMasterSource(nullptr, "");
    EXPECT_EQ(detail.recordCount(), 8);
    EXPECT_THROW(master.setMasterSource(&master, "CLASS"), DbfError);
}

TEST(MasterDetail, DetailOutlivingItsMasterIsSafe) {
    ScratchDir dir;
    writeTable(dir.file("members.DBF"), dbase::testing::unitsTable());
    Table detail;
    detail.setFileName(dir.file("members.DBF"));
    detail.setIndexFieldNames("CLASS");
    detail.open();
    {
        Table master;
        master.setFileName(dir.file("members.DBF"));
        master.open();
        detail.setMasterSource(&master, "CLASS");
        EXPECT_EQ(detail.recordCount(), 3);  // master's first row is CLASS 28
    }
    detail.setFilter("");
    EXPECT_EQ(detail.recordCount(), 0);  // no master row: no detail rows
    detail.setMasterSource(nullptr, "");
    EXPECT_EQ(detail.recordCount(), 8);
}

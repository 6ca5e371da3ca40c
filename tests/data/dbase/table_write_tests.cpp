// Writing: new tables from the writer, and single fields through setValue.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "data/dbase/DbfFormat.h"
#include "data/dbase/DbfWriter.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/table_test_support.h"
#include "tests/support/MessageOf.h"

using namespace dbase;
using namespace dbase::testing;

namespace {

std::string storedField(const std::string& path, int record, int field) {
    const DbfImage image = parseDbf(readBytes(path), path);
    return std::string(image.fieldBytes(record, field));
}

}  // namespace

TEST(DbfWriter, FormatsEachFieldTypeAsStored) {
    struct Case {
        FieldDef field;
        std::string value;
        std::string stored;
    };
    const Case cases[] = {
        {{"C", 'C', 5, 0}, "ab", "ab   "},
        {{"C", 'C', 5, 0}, "", "     "},
        {{"N", 'N', 5, 0}, "42", "   42"},
        {{"N", 'N', 5, 0}, "-7", "   -7"},
        {{"N", 'N', 6, 2}, "1.5", "  1.50"},
        {{"N", 'N', 6, 2}, " 3 ", "  3.00"},
        {{"N", 'N', 6, 2}, "", "      "},
        {{"N", 'N', 5, 2}, "0.125", "0.125"},         // exact value beats the declared decimals
        {{"N", 'N', 8, 0}, "1e-5", "   1e-05"},       // shortest text that reads back the same
        {{"F", 'F', 20, 10}, "3.33564095198152E-9", "3.33564095198152e-09"},
        {{"N", 'N', 3, 0}, "-0", "  0"},
        {{"L", 'L', 1, 0}, "t", "T"},
        {{"L", 'L', 1, 0}, "No", "F"},
        {{"L", 'L', 1, 0}, "", " "},
        {{"D", 'D', 8, 0}, "20240229", "20240229"},
        {{"D", 'D', 8, 0}, "1999-12-31", "19991231"},
        {{"D", 'D', 8, 0}, "", "        "},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        NewTable t;
        t.fields = {c.field};
        t.rows = {{c.value}};
        writeTable(dir.file("t.dbf"), t);
        EXPECT_EQ(storedField(dir.file("t.dbf"), 0, 0), c.stored) << c.field.type << " '" << c.value << "'";
    }
}

TEST(DbfWriter, RefusesValuesThatDoNotFitNamingRowAndField) {
    struct Case {
        FieldDef field;
        std::string value;
        const char* fault;
    };
    const Case cases[] = {
        {{"NAME", 'C', 3, 0}, "abcd", "4 characters long"},
        {{"NAME", 'C', 10, 0}, "Ж", "'Ж' (U+0416)"},
        {{"NUM", 'N', 3, 0}, "1234", "does not fit"},
        {{"NUM", 'N', 4, 0}, "0.1234567", "does not fit"},
        {{"NUM", 'N', 5, 0}, "12a", "not a number"},
        {{"NUM", 'N', 5, 0}, "nan", "not a number"},
        {{"NUM", 'N', 5, 0}, "inf", "not a number"},
        {{"FLAG", 'L', 1, 0}, "maybe", "not a logical"},
        {{"DAY", 'D', 8, 0}, "20230229", "not a date"},
        {{"DAY", 'D', 8, 0}, "2023-13-01", "not a date"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        NewTable t;
        t.codePage = 1252;
        t.fields = {{"ID", 'N', 3, 0}, c.field};
        t.rows = {{"1", ""}, {"2", c.value}};
        const std::string message = messageOf<DbfError>([&] { writeTable(dir.file("t.dbf"), t); });
        EXPECT_NE(message.find("row 2, field " + c.field.name), std::string::npos) << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << message;
        EXPECT_TRUE(dir.files().empty()) << message;  // nothing written, no temporary left
    }
}

TEST(DbfWriter, RefusesBadDefinitions) {
    const std::vector<std::pair<NewTable, const char*>> cases = [] {
        std::vector<std::pair<NewTable, const char*>> v;
        NewTable t;
        t.fields = {{"A", 'C', 1, 0}};
        NewTable noFields = t;
        noFields.fields.clear();
        v.push_back({noFields, "at least one field"});
        NewTable badName = t;
        badName.fields[0].name = "1A";
        v.push_back({badName, "field name"});
        NewTable longName = t;
        longName.fields[0].name = "ABCDEFGHIJK";
        v.push_back({longName, "field name"});
        NewTable memo = t;
        memo.fields[0].type = 'M';
        v.push_back({memo, "cannot be written"});
        NewTable wideDate = t;
        wideDate.fields[0] = {"D", 'D', 10, 0};
        v.push_back({wideDate, "not valid for type D"});
        NewTable badPage = t;
        badPage.codePage = 65001;
        v.push_back({badPage, "code page 65001"});
        NewTable oldWithIndex = t;
        oldWithIndex.version = 3;
        oldWithIndex.productionIndex = true;
        v.push_back({oldWithIndex, "no production index"});
        NewTable shortRow = t;
        shortRow.rows = {{}};
        v.push_back({shortRow, "row 1 has 0 values"});
        return v;
    }();
    ScratchDir dir;
    for (const auto& [table, fault] : cases) {
        const std::string message = messageOf<DbfError>([&] { writeTable(dir.file("t.dbf"), table); });
        EXPECT_NE(message.find(fault), std::string::npos) << message;
    }
}

TEST(DbfWriter, WritesTheHeaderAReaderExpects) {
    ScratchDir dir;
    NewTable t = dbase::testing::unitsTable();
    t.productionIndex = true;
    writeTable(dir.file("m.dbf"), t);
    const std::string bytes = readBytes(dir.file("m.dbf"));
    const DbfImage image = parseDbf(bytes, "m.dbf");
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_TRUE(image.header.productionIndex);
    EXPECT_EQ(image.codePage, 1251);
    EXPECT_EQ(bytes[std::size_t(image.header.headerLength) - 1], 0x0D);
    EXPECT_EQ(bytes.back(), 0x1A);
    EXPECT_EQ(bytes.size(), std::size_t(image.header.headerLength + 8 * image.header.recordLength + 1));
    EXPECT_GE(image.header.year, 2024);
}

using WritableTable = OpenUnitsTable;

TEST_F(WritableTable, SetValuePersistsAndLeavesNoTemporary) {
    table.setIndexFieldNames("NAME");
    ASSERT_TRUE(table.findKey("gram"));
    std::string bytes = readBytes(path);
    bytes[1] = 1;  // an old last-update year, to see it renewed
    writeBytes(path, bytes);
    const DbfImage original = parseDbf(bytes, path);
    table.setValue(table.fieldIndex("OBOZN"), "гр");
    table.setValue(table.fieldIndex("INDEX"), "0.0010");
    EXPECT_EQ(table.asString("OBOZN"), "гр");
    EXPECT_EQ(dir.files(), (std::vector<std::string>{"members.DBF"}));

    Table again;
    again.setFileName(path);
    again.open();
    again.moveTo(4);
    EXPECT_EQ(again.asString("NAME"), "gram");
    EXPECT_EQ(again.asString("OBOZN"), "гр");
    EXPECT_DOUBLE_EQ(again.asFloat("INDEX"), 0.001);
    EXPECT_GE(parseDbf(readBytes(path), path).header.year, 2024);
    // Only the one record changed.
    const DbfImage written = parseDbf(readBytes(path), path);
    for (int r = 0; r < original.recordCount(); ++r) {
        const auto record = [r](const DbfImage& i) { return i.bytes.substr(i.recordOffset(r), std::size_t(i.header.recordLength)); };
        EXPECT_EQ(record(written) == record(original), r != 4) << r;
    }
    EXPECT_EQ(written.bytes.substr(4, std::size_t(original.header.headerLength) - 4),
              original.bytes.substr(4, std::size_t(original.header.headerLength) - 4));
}

TEST_F(WritableTable, FailedValidationLeavesTheFileByteIdentical) {
    const std::string before = readBytes(path);
    table.moveTo(1);
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"NAME", std::string(41, 'x')}, {"NAME", "Ω ohm"}, {"CLASS", "1000"}, {"CLASS", "one"}};
    for (const auto& [field, value] : bad) {
        const std::string message = messageOf<DbfError>([&] { table.setValue(table.fieldIndex(field), value); });
        EXPECT_NE(message.find("field " + field), std::string::npos) << message;
        EXPECT_NE(message.find(path), std::string::npos) << message;
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(dir.files(), (std::vector<std::string>{"members.DBF"}));
    EXPECT_EQ(table.asString("NAME"), "metre");
}

TEST_F(WritableTable, WritingAKeyFieldResortsAndKeepsTheRow) {
    table.setIndexFieldNames("NAME");
    ASSERT_TRUE(table.findKey("Celsius"));
    EXPECT_EQ(table.recNo(), 0);
    table.setValue(table.fieldIndex("NAME"), "zCelsius");
    EXPECT_EQ(table.asString("NAME"), "zCelsius");
    EXPECT_EQ(table.recNo(), 6);  // after the Latin names, before the Cyrillic one
    table.setFiltered(true);
    table.setFilter("CLASS=28");
    table.first();
    table.setValue(table.fieldIndex("CLASS"), "1");  // leaves the filter
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(WritableTable, WriteKeepsOtherProgramsChangesToOtherRecords) {
    // Another program rewrote record 8's name on disk after we opened.
    std::string bytes = readBytes(path);
    const DbfImage image = parseDbf(bytes, path);
    bytes.replace(image.recordOffset(7) + std::size_t(image.fieldOffsets[2]), 5, "Other");
    writeBytes(path, bytes);
    table.moveTo(0);
    table.setValue(table.fieldIndex("OBOZN"), "F");
    EXPECT_EQ(table.valueAt(7, 2).substr(0, 5), "Other");
    // A changed layout refuses the write.
    bytes = readBytes(path);
    bytes[32 + 16] = 4;       // CLASS now 4 wide...
    bytes[64 + 16] = 2;       // ...NUMBER 2: same record length, other layout
    writeBytes(path, bytes);
    EXPECT_THROW(table.setValue(table.fieldIndex("OBOZN"), "G"), DbfError);
    EXPECT_EQ(readBytes(path), bytes);
}

TEST(TableWrite, ClosedOrEmptyTablesRefuseToWrite) {
    ScratchDir dir;
    NewTable t;
    t.fields = {{"A", 'C', 3, 0}};
    writeTable(dir.file("e.dbf"), t);
    Table table;
    table.setFileName(dir.file("e.dbf"));
    EXPECT_THROW(table.setValue(0, "x"), DbfError);
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_TRUE(table.eof() && table.bof());
    EXPECT_THROW(table.setValue(0, "x"), DbfError);
    EXPECT_THROW(table.asString(0), DbfError);
}

TEST(TableWrite, KillDuringWritesLeavesOldOrNewFile) {
    ScratchDir dir;
    const std::string path = dir.file("members.DBF");
    writeTable(path, unitsTable());
    const std::string original = readBytes(path);
    std::mt19937 random(12345);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Table table;
            table.setFileName(path);
            table.open();
            table.moveTo(3);
            for (int i = 0;; ++i) table.setValue(2, i % 2 ? "AAAA" : "BBBBBBBB");
        }
        ::usleep(useconds_t(std::uniform_int_distribution<int>(1000, 30000)(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const DbfImage image = parseDbf(readBytes(path), path);
        EXPECT_EQ(image.bytes.size(), original.size());
        const std::string name(image.fieldBytes(3, 2).substr(0, 10));
        EXPECT_TRUE(name == "millimetre" || name == "AAAA      " || name == "BBBBBBBB  ") << name;
        for (int r = 0; r < image.recordCount(); ++r) {
            if (r == 3) continue;
            EXPECT_EQ(image.bytes.substr(image.recordOffset(r), std::size_t(image.header.recordLength)),
                      original.substr(image.recordOffset(r), std::size_t(image.header.recordLength)));
        }
        // A write killed mid-way may leave its temporary; never a second table.
        for (const std::string& f : dir.files())
            EXPECT_TRUE(f == "members.DBF" || f.rfind(".members.DBF.", 0) == 0) << f;
    }
}

// Reading table files: the layout checks that keep bad input from crashing or
// misreading, and the leniency real files need.
#include <gtest/gtest.h>

#include <functional>

#include "data/dbase/DbfFormat.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/table_test_support.h"

using namespace dbase;
using namespace dbase::testing;

namespace {

// Two fields (C 4, N 3): record length 8, header 32 + 2 * 32 + 1 = 97 bytes.
std::string validTable(const ScratchDir& dir) {
    NewTable t;
    t.version = 3;
    t.fields = {{"NAME", 'C', 4, 0}, {"NUM", 'N', 3, 0}};
    t.rows = {{"ab", "1"}, {"cd", "2"}, {"ef", "3"}};
    writeTable(dir.file("t.dbf"), t);
    return readBytes(dir.file("t.dbf"));
}

struct BadCase {
    const char* name;
    std::function<void(std::string&)> mutate;
    const char* fault;  // part of the message
};

}  // namespace

TEST(DbfFormat, ValidTableParsesWithItsLayout) {
    ScratchDir dir;
    const DbfImage image = parseDbf(validTable(dir), "t.dbf");
    EXPECT_EQ(image.header.headerLength, 97);
    EXPECT_EQ(image.header.recordLength, 8);
    EXPECT_EQ(image.recordCount(), 3);
    ASSERT_EQ(image.fields.size(), 2u);
    EXPECT_EQ(image.fieldOffsets, (std::vector<int>{1, 5}));
    EXPECT_EQ(image.fieldBytes(1, 0), "cd  ");
    EXPECT_EQ(image.fieldBytes(2, 1), "  3");
}

TEST(DbfFormat, FaultsAreReportedWithTheFileName) {
    const std::vector<BadCase> cases = {
        {"empty file", [](std::string& b) { b.clear(); }, "too short"},
        {"short garbage", [](std::string& b) { b = "hello, world"; }, "too short"},
        {"garbage", [](std::string& b) { b = std::string(200, '\x7f'); }, "not a dBASE table"},
        {"text file", [](std::string& b) { b = std::string(40, 'x') + "\n"; }, "not a dBASE table"},
        {"unknown code page", [](std::string& b) { b[29] = char(0xF3); }, "language driver 0xF3"},
        {"header longer than the file", [](std::string& b) { putUint16(b, 8, 60000); }, "truncated"},
        {"truncated records", [](std::string& b) { b.resize(b.size() - 6); }, "truncated"},
        {"truncated in the header", [](std::string& b) { b.resize(70); }, "truncated"},
        {"record count too high", [](std::string& b) { putUint32(b, 4, 9); }, "truncated"},
        {"record count too low", [](std::string& b) { putUint32(b, 4, 1); }, "record count and file size disagree"},
        {"huge record count", [](std::string& b) { putUint32(b, 4, 0xFFFFFFFFu); }, "truncated"},
        {"record length too long", [](std::string& b) { putUint16(b, 10, 9); }, "field lengths add up to 7"},
        {"record length too short", [](std::string& b) { putUint16(b, 10, 7); }, "field lengths add up to 7"},
        {"record length zero", [](std::string& b) { putUint16(b, 10, 0); }, "field lengths"},
        {"header length cuts a descriptor", [](std::string& b) { putUint16(b, 8, 80); }, "run past the header"},
        {"header length without terminator", [](std::string& b) { putUint16(b, 8, 96); }, "run past the header"},
        {"missing terminator", [](std::string& b) { b[96] = 'X'; }, "run past the header"},
        {"zero fields", [](std::string& b) { b[32] = 0x0D; }, "no fields"},
        {"field without name", [](std::string& b) { b[32] = '\0'; }, "has no name"},
        {"field of length 0", [](std::string& b) { b[32 + 16] = 0; }, "length 0"},
    };
    ScratchDir dir;
    const std::string good = validTable(dir);
    for (const BadCase& c : cases) {
        std::string bytes = good;
        c.mutate(bytes);
        try {
            parseDbf(bytes, "/data/members.DBF");
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const DbfError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("/data/members.DBF: ", 0), 0u) << c.name << ": " << message;
            EXPECT_NE(message.find(c.fault), std::string::npos) << c.name << ": " << message;
        }
    }
}

TEST(DbfFormat, ToleratesWhatRealFilesCarry) {
    ScratchDir dir;
    const std::string good = validTable(dir);
    ASSERT_EQ(good.back(), '\x1A');
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"end-of-file byte", good},
        {"no end-of-file byte", good.substr(0, good.size() - 1)},
        {"a few stray bytes", good + "\0\0\0"},
        {"stray bytes and end-of-file byte", good.substr(0, good.size() - 1) + std::string(7, ' ') + "\x1A"},
    };
    for (const auto& [name, bytes] : cases) {
        const DbfImage image = parseDbf(bytes, "t.dbf");
        EXPECT_EQ(image.recordCount(), 3) << name;
        EXPECT_EQ(image.fieldBytes(2, 0), "ef  ") << name;
    }
}

TEST(DbfFormat, OpenFailuresLeaveTheTableClosed) {
    ScratchDir dir;
    Table table;
    table.setFileName(dir.file("members.DBF"));
    try {
        table.open();
        ADD_FAILURE() << "a missing file opened";
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("members.DBF")), std::string::npos) << e.what();
    }
    EXPECT_FALSE(table.active());
    EXPECT_THROW(table.asString(0), DbfError);

    writeBytes(dir.file("members.DBF"), "garbage, not a table at all; garbage, not a table at all");
    EXPECT_THROW(table.open(), DbfError);
    EXPECT_FALSE(table.active());

    // A directory by the table's name is no table either.
    ::mkdir(dir.file("dir.dbf").c_str(), 0700);
    table.setFileName(dir.file("dir.dbf"));
    EXPECT_THROW(table.open(), DbfError);
    ::rmdir(dir.file("dir.dbf").c_str());
}

TEST(DbfFormat, DeletedRowsAreSkipped) {
    ScratchDir dir;
    std::string bytes = validTable(dir);
    bytes[97 + 8] = '*';  // the second record
    writeBytes(dir.file("t.dbf"), bytes);
    Table table;
    table.setFileName(dir.file("t.dbf"));
    table.open();
    EXPECT_EQ(table.physicalRecordCount(), 3);
    ASSERT_EQ(table.recordCount(), 2);
    EXPECT_EQ(column(table, "NAME"), (std::vector<std::string>{"ab", "ef"}));
}

TEST(DbfFormat, UnknownFieldTypesReadAsText) {
    ScratchDir dir;
    std::string bytes = validTable(dir);
    bytes[32 + 11] = 'M';  // NAME becomes a memo field: its bytes stay readable
    bytes[64 + 11] = 'B';
    writeBytes(dir.file("t.dbf"), bytes);
    Table table;
    table.setFileName(dir.file("t.dbf"));
    table.open();
    table.first();
    EXPECT_EQ(table.asString(0), "ab");
    EXPECT_EQ(table.asString(1), "  1");
    table.setIndexFieldNames("NAME");
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_THROW(table.setValue(0, "zz"), DbfError);
}

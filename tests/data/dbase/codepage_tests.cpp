// Code pages: decoding, encoding back, and text surviving a table round trip.
#include <gtest/gtest.h>

#include "data/dbase/CodePages.h"
#include "data/dbase/DbfFormat.h"
#include "data/dbase/Table.h"
#include "tests/data/dbase/table_test_support.h"

using namespace dbase;
using namespace dbase::testing;

namespace {

const int kPages[] = {437, 737, 850, 852, 857, 861, 865, 866, 1250, 1251, 1252, 1253, 1254};

}  // namespace

TEST(CodePages, EveryByteSurvivesDecodeAndEncode) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    for (const int page : kPages) {
        const std::string text = decodeText(all, page);
        std::string back;
        char32_t bad = 0;
        ASSERT_TRUE(encodeText(text, page, back, bad)) << page << " " << describeCharacter(bad);
        EXPECT_EQ(back, all) << page;
        EXPECT_EQ(utf8Length(text), 256u) << page;
    }
}

TEST(CodePages, DriverBytesNameTheirCodePages) {
    // Driver byte of each supported page, and back; 0 means "none given".
    for (const int page : kPages) {
        const std::uint8_t driver = driverForCodePage(page);
        ASSERT_NE(driver, 0) << page;
        EXPECT_EQ(codePageForDriver(driver), page) << page;
    }
    EXPECT_EQ(codePageForDriver(0x00), 1252);
    EXPECT_EQ(codePageForDriver(0x26), 866);
    EXPECT_EQ(codePageForDriver(0x57), 1252);
    EXPECT_EQ(codePageForDriver(0xF3), 0);
    EXPECT_EQ(driverForCodePage(65001), 0);
}

TEST(CodePages, TextNotInTheCodePageIsRefused) {
    struct Case {
        int page;
        const char* text;
        char32_t bad;
    };
    const Case cases[] = {
        {1252, "caf\xC3\xA9 \xD0\x96", 0x0416},         // café Ж
        {1251, "\xD0\x96 \xCE\xA9", 0x03A9},            // Ж Ω
        {866, "\xE2\x82\xAC", 0x20AC},                   // €
        {1253, "\xCE\xA9\xE4\xB8\xAD", 0x4E2D},          // Ω中
        {737, "abc\xF0\x9F\x98\x80", 0x1F600},           // emoji
        {1252, "bad \xC3 utf-8", 0xFFFD},                // broken sequence
    };
    for (const Case& c : cases) {
        std::string out;
        char32_t bad = 0;
        EXPECT_FALSE(encodeText(c.text, c.page, out, bad)) << c.text;
        EXPECT_EQ(bad, c.bad) << c.text;
    }
}

TEST(CodePages, TablesKeepTheirTextThroughWriteAndRead) {
    struct Case {
        int page;
        std::string text;
    };
    const Case cases[] = {
        {1251, "Килограмм-сила"}, {866, "Ёмкость ёлки"}, {1252, "Größe façade"},
        {1253, "Ωμ ανά μέτρο"},   {737, "Ωμ ανά μέτρο"}, {1250, "Łódź žluťoučký"},
        {437, "°C ±½ ß"},         {850, "Ærø ÿ"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        NewTable t;
        t.codePage = c.page;
        t.fields = {{"NAME", 'C', 30, 0}};
        t.rows = {{c.text}};
        const std::string path = dir.file("cp.dbf");
        writeTable(path, t);
        const std::string bytes = readBytes(path);
        EXPECT_EQ(std::uint8_t(bytes[29]), driverForCodePage(c.page));
        Table table;
        table.setFileName(path);
        table.open();
        EXPECT_EQ(table.codePage(), c.page);
        table.first();
        EXPECT_EQ(table.asString("NAME"), c.text) << c.page;
        table.setValue(0, c.text + "!");
        Table again;
        again.setFileName(path);
        again.open();
        again.first();
        EXPECT_EQ(again.asString("NAME"), c.text + "!") << c.page;
    }
}

TEST(CodePages, TableWithoutDriverByteReadsAs1252) {
    ScratchDir dir;
    NewTable t;
    t.codePage = 1252;
    t.fields = {{"NAME", 'C', 10, 0}};
    t.rows = {{"Größe"}};
    writeTable(dir.file("t.dbf"), t);
    std::string bytes = readBytes(dir.file("t.dbf"));
    bytes[29] = 0;
    writeBytes(dir.file("t.dbf"), bytes);
    Table table;
    table.setFileName(dir.file("t.dbf"));
    table.open();
    table.first();
    EXPECT_EQ(table.codePage(), 1252);
    EXPECT_EQ(table.asString(0), "Größe");
}

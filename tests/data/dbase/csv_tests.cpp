#include <gtest/gtest.h>

#include "data/tools/CsvReader.h"

namespace dbfgen {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows texts(const std::vector<CsvRecord>& records) {
    Rows rows;
    for (const CsvRecord& record : records) {
        rows.emplace_back();
        for (const CsvCell& cell : record.cells) rows.back().push_back(cell.text);
    }
    return rows;
}

TEST(CsvReader, ParsesRfc4180) {
    const std::vector<std::pair<std::string, Rows>> cases = {
        {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"\"x,y\",\"he said \"\"hi\"\"\"\n", {{"x,y", "he said \"hi\""}}},
        {"\"two\r\nlines\",z\n", {{"two\nlines", "z"}}},
        {"\"\",,\n", {{"", "", ""}}},
        {"a,\n", {{"a", ""}}},
        {"\xEF\xBB\xBFµ,Ω\n", {{"µ", "Ω"}}},
        {"# comment, \"with quote\n\n  \t\na\n#x\n\"#y\"\n", {{"a"}, {"#y"}}},
        {"a # not a comment,b\n", {{"a # not a comment", "b"}}},
        {"\"a\nb\n#not a comment\",c\n", {{"a\nb\n#not a comment", "c"}}},
        {"", {}},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(texts(parseCsv(input, "t.csv")), expected) << input;
}

TEST(CsvReader, CellsKnowWhereTheyStart) {
    const auto records = parseCsv("# head\nµµ,x\n\"a\nbc\",d\n", "t.csv");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].line, 2);
    EXPECT_EQ(records[0].cells[1].column, 4);  // characters, not bytes
    EXPECT_EQ(records[1].cells[0].line, 3);
    EXPECT_EQ(records[1].cells[1].line, 4);
    EXPECT_EQ(records[1].cells[1].column, 5);
}

TEST(CsvReader, FaultsNameFileLineAndColumn) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a\n\"open,b\n", "t.csv:2:1: quoted field not closed"},
        {"ab\"c\n", "t.csv:1:3: a quote inside"},
        {"x\n\"a\"b\n", "t.csv:2:4: unexpected character after the closing quote"},
        {"ok\nab\xFF\n", "t.csv:2:3: invalid UTF-8"},
        {"\xC0\x80\n", "t.csv:1:1: invalid UTF-8"},          // overlong
        {"a\xED\xA0\x80\n", "t.csv:1:2: invalid UTF-8"},     // surrogate
        {"\xF4\x90\x80\x80\n", "t.csv:1:1: invalid UTF-8"},  // past U+10FFFF
        {"ab\xE2\x82", "t.csv:1:3: invalid UTF-8"},          // cut short
        {"\"a\xFF\"\n", "t.csv:1:3: invalid UTF-8"},
    };
    for (const auto& [input, message] : cases) {
        try {
            parseCsv(input, "t.csv");
            ADD_FAILURE() << "accepted: " << input;
        } catch (const SourceError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
    }
}

TEST(CsvReader, MissingFileIsNamed) {
    try {
        readCsvFile("/nonexistent/dir/x.csv");
        ADD_FAILURE();
    } catch (const SourceError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/x.csv"), std::string::npos);
    }
}

}  // namespace
}  // namespace dbfgen

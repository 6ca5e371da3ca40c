#include <gtest/gtest.h>

#include <charconv>
#include <random>

#include "data/tools/SourceTable.h"

namespace dbfgen {
namespace {

dbase::FieldDef field(char type, int length, int decimals = 0) { return {"F", type, length, decimals}; }

TEST(DbfgenNumbers, FormatsTheShortestExactText) {
    struct Case {
        std::string text;
        dbase::FieldDef field;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"1", field('N', 3), "1"},
        {"1.0", field('N', 3), "1"},
        {"-0", field('N', 3), "0"},
        {"+5", field('N', 3), "5"},
        {"  7 ", field('N', 3), "7"},
        {"", field('N', 3), ""},
        {"2.5", field('N', 6, 2), "2.50"},
        {"-3", field('N', 6, 2), "-3.00"},
        {"1e-08", field('F', 20), "1e-08"},
        {"0.1", field('F', 20), "0.1"},
        {"2589998.470319521", field('F', 20), "2589998.470319521"},
        {"9.4607304725808e+17", field('F', 20), "946073047258080000"},
        {"1.6605390666e-27", field('F', 20), "1.6605390666e-27"},
        {"1e20", field('F', 20), "1e+20"},
        {"100", field('N', 3), "100"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatNumber(c.text, c.field), c.expected) << c.text;
}

// Whatever the text chosen, it must read back as the double of the source
// (13 significant digits with an exponent fill the 20 characters).
TEST(DbfgenNumbers, ReadBackAsTheSameDouble) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 19);
    for (int i = 0; i < 5000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        char source[64];
        const auto end = std::to_chars(source, source + sizeof source, value, std::chars_format::scientific, 12).ptr;
        const std::string text(source, end);
        double expected = 0, read = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        std::string stored;
        try {
            stored = formatNumber(text, field('F', 20));
        } catch (const SourceError& e) {
            ADD_FAILURE() << text << ": " << e.what();
            continue;
        }
        ASSERT_LE(stored.size(), 20u) << text;
        std::from_chars(stored.data(), stored.data() + stored.size(), read);
        ASSERT_EQ(read, expected) << text << " stored as " << stored;
    }
}

TEST(DbfgenNumbers, RefusesWhatIsNoNumberOrDoesNotFit) {
    const std::vector<std::pair<std::string, dbase::FieldDef>> cases = {
        {"abc", field('N', 5)},     {"1,5", field('N', 5)},      {"inf", field('F', 20)},
        {"nan", field('F', 20)},    {"-inf", field('F', 20)},    {"1e400", field('F', 20)},
        {"0x10", field('N', 5)},    {"1.234", field('N', 6, 2)}, {"1000", field('N', 3)},
        {"12345678901234567890123", field('F', 20)},           {"- 1", field('N', 5)},
        {"1.5", field('N', 2)},
    };
    for (const auto& [text, f] : cases) EXPECT_THROW(formatNumber(text, f), SourceError) << text;
}

SourceTable read(const std::string& csv, int codePage = 1252) {
    return readSourceTable(parseCsv(csv, "s.csv"), "s.csv", codePage);
}

std::string faultOf(const std::string& csv, int codePage = 1252) {
    try {
        read(csv, codePage);
    } catch (const SourceError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(DbfgenSource, ReadsFieldsAndRowsLeavingNotesOut) {
    const SourceTable table = read(
        "NUM:n:3:0,#note,name:C:5,#gnu,OK:L:1,DAY:D:8,X:F:20:0\n"
        "1,n1,µµµµµ,g,t,2024-02-29,1e-08\n"
        "# a comment\n"
        ",n2,\"a,b\",g,?,,\n");
    ASSERT_EQ(table.fields.size(), 5u);
    EXPECT_EQ(table.fields[0].name, "NUM");
    EXPECT_EQ(table.fields[0].type, 'N');
    EXPECT_EQ(table.fields[1].name, "NAME");
    EXPECT_EQ(table.fields[4].type, 'F');
    const std::vector<std::vector<std::string>> rows = {{"1", "µµµµµ", "T", "20240229", "1e-08"},
                                                        {"", "a,b", "?", "", ""}};
    EXPECT_EQ(table.rows, rows);
    EXPECT_EQ(table.rowLines, (std::vector<int>{2, 4}));
}

TEST(DbfgenSource, FaultsPointAtTheCell) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "s.csv:1:1: no header row"},
        {"\"#a\",#b\n", "s.csv:1:1: the header row defines no field"},
        {"#A:C:5\n", "s.csv:1:1: no header row"},  // a line starting with # is a comment
        {"A:C:5,B:X:3\n", "s.csv:1:7: field B: type"},
        {"A:C\n", "s.csv:1:1: a field is defined as"},
        {"A:C:0\n", "s.csv:1:1: field A: text fields hold"},
        {"A:C:255\n", "s.csv:1:1: field A: text fields hold"},
        {"A:N:21\n", "s.csv:1:1: field A: numbers hold"},
        {"A:N:5:4\n", "s.csv:1:1: field A: 4 decimals"},
        {"A:C:5:1\n", "s.csv:1:1: field A: only numbers"},
        {"A:L:2\n", "s.csv:1:1: field A: logical"},
        {"A:D:6\n", "s.csv:1:1: field A: date"},
        {"ELEVENCHARS:C:5\n", "s.csv:1:1: field name"},
        {"1A:C:5\n", "s.csv:1:1: field name"},
        {"A:C:x\n", "s.csv:1:1: field A: length"},
        {"A:C:5,a:N:2\n", "s.csv:1:7: field A defined twice"},
        {"A:C:5,B:C:5\nx\n", "s.csv:2:1: 1 fields where the header has 2"},
        {"A:C:2\nµµµ\n", "s.csv:2:1: field A: text of 3 characters"},
        {"A:C:9\n\"two\nlines\"\n", "s.csv:2:1: field A: a control character"},
        {"A:C:5,B:C:5\nok,Ж\n", "s.csv:2:4: field B: 'Ж'"},
        {"A:L:1\nyes\n", "s.csv:2:1: field A: \"yes\" is no logical"},
        {"A:D:8\n20230229\n", "s.csv:2:1: field A: \"20230229\" is no date"},
        {"A:D:8\n2023-13-01\n", "s.csv:2:1: field A: \"2023-13-01\" is no date"},
        {"A:N:3:0\n\n\n1000\n", "s.csv:4:1: field A: 1000"},
    };
    for (const auto& [csv, message] : cases) {
        const std::string fault = faultOf(csv);
        EXPECT_EQ(fault.rfind(message, 0), 0u) << csv << " -> " << fault;
    }
    EXPECT_EQ(faultOf("A:C:5\nΩμ\n", 1253), "accepted");
}

}  // namespace
}  // namespace dbfgen

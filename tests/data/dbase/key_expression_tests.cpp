// Key expressions of index tags, and the key comparison orders rely on.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "data/dbase/KeyExpression.h"

using namespace dbase;

namespace {

const std::vector<FieldDef> kFields = {
    {"CLASS", 'N', 3, 0}, {"NUMBER", 'N', 3, 0}, {"NAME", 'C', 6, 0}, {"DAY", 'D', 8, 0}, {"PRICE", 'N', 7, 2}};

Key evaluate(const std::string& expression, const std::vector<std::string>& row) {
    return KeyExpression(expression, kFields).evaluate([&](int f) { return row[std::size_t(f)]; });
}

Key text(const std::string& t) { return Key{false, 0, t}; }
Key number(double n) { return Key{true, n, {}}; }

}  // namespace

TEST(KeyExpression, EvaluatesTagExpressions) {
    const std::vector<std::string> row = {"15", "3", "Gramm", "20240131", "2.5"};
    struct Case {
        const char* expression;
        bool numeric;
        double number;
        const char* text;
    };
    const Case cases[] = {
        {"NUMBER", true, 3, ""},
        {"class", true, 15, ""},
        {"CLASS+NUMBER", true, 18, ""},  // two numbers add up
        {"NAME", false, 0, "Gramm "},    // padded to the field width
        {"UPPER(NAME)", false, 0, "GRAMM "},
        {"lower(name)", false, 0, "gramm "},
        {"str(CLASS)+NUMBER", false, 0, "        15  3"},  // a number field joined to text: STR with its width
        {"STR(CLASS)+STR(NUMBER,2)", false, 0, "        15 3"},
        {"STR(PRICE,6,1)", false, 0, "   2.5"},
        {"STR(PRICE)", false, 0, "         3"},  // 10 wide, no decimals, rounded
        {"STR(CLASS,1)", false, 0, "*"},         // too wide: asterisks
        {"DTOS(DAY)+NAME", false, 0, "20240131Gramm "},
        {"TRIM(NAME)+'!'", false, 0, "Gramm!"},
        {"LEFT(NAME,2)+RIGHT(TRIM(NAME),2)", false, 0, "Grmm"},
        {"SUBSTR(NAME,2,3)", false, 0, "ram"},
        {"VAL('12.5')+1", true, 13.5, ""},
        {"( NAME )", false, 0, "Gramm "},
    };
    for (const Case& c : cases) {
        const Key k = evaluate(c.expression, row);
        EXPECT_EQ(k.numeric, c.numeric) << c.expression;
        EXPECT_EQ(KeyExpression(c.expression, kFields).numeric(), c.numeric) << c.expression;
        if (c.numeric) EXPECT_DOUBLE_EQ(k.number, c.number) << c.expression;
        else EXPECT_EQ(k.text, c.text) << c.expression;
    }
}

TEST(KeyExpression, UpperCaseHandlesCyrillicAndGreek) {
    EXPECT_EQ(evaluate("UPPER(NAME)", {"", "", "грамм", "", ""}).text, "ГРАММ ");
    EXPECT_EQ(evaluate("UPPER(NAME)", {"", "", "ωμέγα", "", ""}).text, "ΩΜΈΓΑ ");
}

TEST(KeyExpression, BlankAndBadNumbersCountAsZero) {
    EXPECT_EQ(evaluate("NUMBER", {"", "", "", "", ""}).number, 0);
    EXPECT_EQ(evaluate("NUMBER", {"", "***", "", "", ""}).number, 0);
}

TEST(KeyExpression, RefusesWhatItCannotEvaluate) {
    const char* bad[] = {"",         "NOSUCH",       "UPPER(CLASS)",  "STR(NAME)", "FOO(NAME)", "NAME+",
                         "(NAME",    "UPPER(NAME",   "'open",         "NAME NAME", "LEFT(NAME)", "#",
                         "STR(CLASS,1,2,3)"};
    for (const char* expression : bad) {
        try {
            KeyExpression e(expression, kFields);
            ADD_FAILURE() << expression << " accepted";
        } catch (const DbfError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + expression + "\""), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(KeyExpression(std::string(300, '('), kFields), DbfError);
    EXPECT_THROW(KeyExpression(std::string(40, '(') + "NAME" + std::string(40, ')'), kFields), DbfError);
}

// Keys take short ways round (ASCII compared directly, a sort folding each key
// once); every way must order exactly as QString's case-insensitive comparison.
TEST(CompareKeys, OrderAsQStringDoes) {
    std::vector<std::string> texts = {"", "a", "A", "ab", "aB ", "b", "Ёлка", "ёлкА", "Straße", "STRASSE",
                                      "Ωμ", "ωΜ", "é", "É", "\xF0\x90\x90\x80", "\xF0\x90\x90\xA8", "z\xF0\x90\x90\x80"};
    for (int c = 0x20; c < 0x7F; ++c) texts.push_back(std::string("x") + char(c));
    const auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            auto trimmed = [](std::string s) {
                while (!s.empty() && s.back() == ' ') s.pop_back();
                return QString::fromStdString(s);
            };
            const int expected = sign(trimmed(a).compare(trimmed(b), Qt::CaseInsensitive));
            EXPECT_EQ(compareKeys(text(a), text(b)), expected) << a << " / " << b;
            const std::u32string x = foldedKeyText(text(a)), y = foldedKeyText(text(b));
            EXPECT_EQ(x < y ? -1 : (y < x ? 1 : 0), expected) << a << " / " << b;
        }
}

TEST(CompareKeys, OrdersTextIgnoringCaseAndTrailingBlanks) {
    struct Case {
        Key a, b;
        int expected;
    };
    const Case cases[] = {
        {text("metre"), text("METRE   "), 0},
        {text("metre"), text("metres"), -1},
        {text(" metre"), text("metre"), -1},  // leading blanks count
        {text("Ёлка"), text("ёЛКА"), 0},
        {text("Ωμ"), text("ωΜ"), 0},
        {text("gram"), text("Kelvin"), -1},
        {text("Z"), text("Ж"), -1},
        {text("_"), text("Z"), -1},  // letters compare as lower case: '_' lies between 'Z' and 'z'
        {text("e"), text("é"), -1},
        {text("metre (m)"), text("Metre"), 1},
        {number(2), number(10), -1},
        {number(-1), number(-1), 0},
        {number(100), text("1"), -1},  // numbers before texts
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareKeys(c.a, c.b), c.expected) << c.a.text << " / " << c.b.text;
        EXPECT_EQ(compareKeys(c.b, c.a), -c.expected) << c.a.text << " / " << c.b.text;
    }
}

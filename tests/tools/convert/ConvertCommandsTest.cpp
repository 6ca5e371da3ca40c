// The converter's commands in-process, over the build's tables: what they print,
// what they report and their exit status.
#include <gtest/gtest.h>

#include <QLocale>
#include <sstream>

#include "core/Command.h"
#include "tools/convert/ConvertCommands.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("KV_BIN_DIR");
        ASSERT_NE(bin, nullptr) << "KV_BIN_DIR not set";
        dir = std::string(bin) + "/";
        QLocale::setDefault(QLocale::c());
    }
    Outcome run(void (*command)(const std::string&, const QStringList&, std::ostream&), const QStringList& args) {
        std::ostringstream out, err;
        const auto bound = [&](const QStringList& a, std::ostream& o, std::ostream&) { command(dir, a, o); };
        const int status = kv::commandStatus(bound, args, out, err);
        return {status, out.str(), err.str()};
    }
    Outcome convert(const QStringList& args) { return run(convert::convertCommandIn, args); }
    std::string dir;
};

TEST_F(Commands, ConvertPrintsWhatTheResultBoxShows) {
    struct Case {
        QStringList args;
        const char* printed;
    };
    const Case cases[] = {
        {{"1", "metre", "foot"}, "3.28083989501312\n"},
        {{"1", "FOOT", "Metre"}, "0.3048\n"},       // names ignore case
        {{"2.5", "km", "m"}, "2500\n"},             // unique symbols
        {{"212", "Fahrenheit", "Celsius"}, "100\n"},
        {{"32", "°F", "°C"}, "0\n"},
        {{"98.6", "degF", "degC"}, "37\n"},
        {{"0", "Fahrenheit", "Fahrenheit"}, "0\n"},
        {{"1", "Rankine", "Rankine"}, "1\n"},
        {{"1", "Gbit", "GB"}, "0.125\n"},        // symbols in their own letter case
        {{"3", "miles", "kilometers"}, "4.828032\n"},  // the spellings users type
        {{"60", "mph", "km/h"}, "96.56064\n"},   // the shared symbol read in the other unit's category
        {{"1e-9", "metre", "kilometre"}, "1E-12\n"},
        {{" -3 ", "inch", "centimetre"}, "-7.62\n"},  // blanks around the number, as the window reads it
    };
    for (const Case& c : cases) {
        Outcome r = convert(c.args);
        EXPECT_EQ(r.status, 0) << c.args.join(' ').toStdString() << ": " << r.err;
        EXPECT_EQ(r.out, c.printed) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(Commands, ConvertUsesTheLocalesDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Outcome r = convert({"1,5", "metre", "centimetre"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "150\n");
    r = convert({"1", "metre", "foot"});
    EXPECT_EQ(r.out, "3,28083989501312\n");
    EXPECT_EQ(convert({"1.5", "metre", "centimetre"}).err, "VALUE: It's not a float number\n");
}

TEST_F(Commands, ConvertReportsEachKindOfMistake) {
    Outcome unknown = convert({"1", "metr", "foot"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("Unknown unit 'metr'"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("  metre (m), Length\n"), std::string::npos) << unknown.err;

    // Symbols that differ only in letter case from another unit's are refused, with suggestions.
    struct Refused {
        const char* typed;
        const char* suggested;
    } const refused[] = {{"Mm", "millimetre (mm)"}, {"Ms", "millisecond (ms)"}, {"Mbar", "millibar (mbar)"},
                         {"cal", "food calorie (Cal, kcal)"}, {"Gb", "gigabit"}};
    for (const Refused& c : refused) {
        Outcome r = convert({"1", c.typed, "m"});
        EXPECT_EQ(r.status, 1) << c.typed;
        EXPECT_EQ(r.out, "") << c.typed;
        EXPECT_NE(r.err.find("Unknown unit '" + std::string(c.typed) + "'; did you mean:"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.suggested), std::string::npos) << r.err;
    }
    Outcome calories = convert({"1", "cal", "J"});
    EXPECT_NE(calories.err.find("calorie (thermochemical) (cal_th)"), std::string::npos) << calories.err;
    EXPECT_EQ(calories.err.find("pascal"), std::string::npos) << calories.err;  // "cal" inside a word ranks last

    Outcome apart = convert({"1", "Gbit", "kg"});
    EXPECT_EQ(apart.status, 1);
    EXPECT_EQ(apart.err, "Cannot convert between categories: 'Gbit' was read as gigabit (decimal, 10^9 bits) (Gbit), "
                         "Data Storage, 'kg' as kilogram (kg), Mass\n");
    EXPECT_EQ(apart.out, "");

    for (const char* bad : {"abc", "", "1,5", "1e", "--1", "INF"}) {
        Outcome r = convert({bad, "metre", "foot"});
        EXPECT_EQ(r.status, 1) << bad;
        EXPECT_EQ(r.err, "VALUE: It's not a float number\n") << bad;
        EXPECT_EQ(r.out, "");
    }

    // Nothing settles a symbol that both sides share.
    Outcome shared = convert({"1", "mph", "mph"});
    EXPECT_EQ(shared.status, 1);
    EXPECT_NE(shared.err.find("mile per hour"), std::string::npos) << shared.err;
    EXPECT_NE(shared.err.find("milliphot"), std::string::npos) << shared.err;

    Outcome overflow = convert({"1e308", "yottabyte (decimal, 10^24 B)", "byte"});
    EXPECT_EQ(overflow.status, 1);
    EXPECT_EQ(overflow.err, "Floating point overflow\n");

}

TEST_F(Commands, MissingTablesAreReported) {
    dir = "/nonexistent-kvantor2-tables/";
    Outcome r = convert({"1", "metre", "foot"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("class.dbf"), std::string::npos) << r.err;
}

TEST_F(Commands, UnitsListsCategoriesOrOneCategorysUnits) {
    Outcome all = run(convert::unitsCommandIn, {});
    ASSERT_EQ(all.status, 0) << all.err;
    std::istringstream lines(all.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) ++count;
    EXPECT_EQ(count, 34);
    EXPECT_NE(all.out.find("28  Temperature"), std::string::npos) << all.out;

    Outcome length = run(convert::unitsCommandIn, {"length"});
    ASSERT_EQ(length.status, 0) << length.err;
    EXPECT_EQ(length.out.substr(0, 7), "Length\n");
    EXPECT_NE(length.out.find("metre"), std::string::npos);
    // Each unit with its NUMBER, symbol and factor in the general format.
    std::istringstream rows(length.out);
    bool sawFoot = false;
    while (std::getline(rows, line)) {
        if (line.rfind("5 ", 0) == 0 || line.rfind(" 5 ", 0) == 0) {
            sawFoot = true;
            EXPECT_NE(line.find("foot"), std::string::npos) << line;
            EXPECT_NE(line.find("ft"), std::string::npos) << line;
            EXPECT_EQ(line.substr(line.size() - 5), "30.48") << line;
        }
    }
    EXPECT_TRUE(sawFoot) << length.out;

    Outcome byNumber = run(convert::unitsCommandIn, {"28"});
    EXPECT_EQ(byNumber.out.substr(0, 12), "Temperature\n");

    Outcome unknown = run(convert::unitsCommandIn, {"Lenght"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("  Length\n"), std::string::npos) << unknown.err;
}

TEST_F(Commands, FindListsMatchingUnitsWithTheirCategory) {
    Outcome r = run(convert::findCommandIn, {"FAHRENHEIT"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Fahrenheit"), std::string::npos);
    EXPECT_NE(r.out.find("Temperature"), std::string::npos);

    Outcome none = run(convert::findCommandIn, {"zzzz"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("zzzz"), std::string::npos);
}

}  // namespace

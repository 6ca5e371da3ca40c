// The command table's frame: argument counts, usage texts and exit statuses,
// through the dispatcher as the program runs it.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Commands.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const QStringList& args) {
    std::ostringstream out, err;
    const int status = runCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// Line breaks and indents folded into single spaces.
std::string folded(const std::string& text) {
    return QString::fromStdString(text).simplified().toStdString();
}

const kv::CommandRow& row(const char* name) {
    for (const kv::CommandRow& c : commandRows())
        if (std::string(c.name) == name) return c;
    throw std::logic_error(name);
}

std::string usageOf(const kv::CommandRow& c) { return "Usage: Kvantor2 " + std::string(c.usage); }

QStringList ones(int count) { return QStringList(count, QStringLiteral("1")); }

TEST(Commands, EveryCountOutsideTheRowsPrintsItsUsage) {
    for (const kv::CommandRow& c : commandRows()) {
        std::vector<int> wrong;
        if (c.minArgs > 0) wrong.push_back(c.minArgs - 1);
        if (c.maxArgs != kv::kAnyCount) wrong.push_back(c.maxArgs + 1);
        for (int count : wrong) {
            const Outcome r = run(QStringList(c.name) + ones(count));
            EXPECT_EQ(r.status, 2) << c.name << " with " << count;
            EXPECT_EQ(folded(r.err), usageOf(c)) << c.name << " with " << count;
            EXPECT_EQ(r.out, "") << c.name;
        }
    }
}

TEST(Commands, ArgumentsOfTheWrongShapePrintTheReasonAndTheUsage) {
    const struct {
        QStringList args;
        const char* reason;  // "" when the usage says it all
    } cases[] = {
        {{"rgb", "1", "2"}, ""},
        {{"decibel", "1", "--field", "--field"}, ""},
        {{"hardness", "9"}, "There is no hardness table \"9\"; give a number from 1 to 5"},
        {{"hardness", "brinell"}, "There is no hardness table \"brinell\""},
        {{"tank", "barrel", "1", "2"}, "Unknown shape 'barrel'"},
        {{"tank", "cone", "1", "2"}, "Cone takes 3 values: R H h"},
        {{"tank", "cone", "1", "2", "3", "--mass"}, "Unexpected or incomplete argument '--mass'"},
        {{"calc", "x", "x"}, "'x' is not NAME=VALUE"},
        {{"plot", "x", "0", "1", "1", "--size", "20x20"}, "--size goes with --png"},
        {{"plot", "x", "0", "1", "1", "--png"}, "--png needs a value"},
    };
    for (const auto& c : cases) {
        const std::string what = c.args.join(' ').toStdString();
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_EQ(r.err.rfind(c.reason, 0), 0u) << what << ": " << r.err;
        EXPECT_EQ(folded(r.err.substr(r.err.find("Usage:"))), usageOf(row(qPrintable(c.args[0])))) << what;
        EXPECT_EQ(r.out, "") << what;
    }
}

TEST(Commands, HelpListsEveryRowsUsageAndSummary) {
    const Outcome help = run({"--help"});
    ASSERT_EQ(help.status, 0);
    const std::string text = folded(help.out);
    for (const kv::CommandRow& c : commandRows()) {
        const std::string line = folded(std::string(c.usage) + " " + c.summary);
        EXPECT_NE(text.find(" " + line + " "), std::string::npos) << c.name;
    }
    // No line wider than a terminal.
    for (const QString& line : QString::fromStdString(help.out).split('\n'))
        EXPECT_LE(line.size(), 79) << line.toStdString();
}

}  // namespace

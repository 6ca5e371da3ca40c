// `Kvantor2 calc`: what it prints and the exit status.
#include <gtest/gtest.h>

#include <QStringList>
#include <sstream>

#include "core/Command.h"
#include "tests/core/DefaultLocale.h"
#include "parser/CalcCommand.h"

namespace {

struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

CalcRun calc(const QStringList& args) {
    std::ostringstream out, err;
    const int status = kv::commandStatus(runCalcCommand, args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CalcCommand, PrintsTheValueAsTheCalculatorShowsIt) {
    DefaultLocale dot(DefaultLocale::dot());
    CalcRun r = calc({"((1/2)*x^2)-4*x+a+b*c", "X=2", "a=5", "B=3", "c=4"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "11\n");
    EXPECT_EQ(calc({"1/3"}).out, "0.333333333333333\n");
    EXPECT_EQ(calc({"1E-5*3"}).out, "3E-5\n");
    EXPECT_EQ(calc({"speed*t", "speed=2.5", "t=4"}).out, "10\n");
}

TEST(CalcCommand, ReadsValuesAndPrintsWithTheLocalesSeparator) {
    DefaultLocale comma(DefaultLocale::comma());
    EXPECT_EQ(calc({"x/4", "x=1,5"}).out, "0,375\n");
}

TEST(CalcCommand, ReportsErrorsWithTheirMessages) {
    DefaultLocale dot(DefaultLocale::dot());
    const struct {
        QStringList args;
        int status;
        const char* err;
    } cases[] = {
        {{"1/0"}, 1, "Floating point division by zero\n"},
        {{"5MOD0"}, 1, "Division by zero\n"},
        {{"x + 1"}, 1, "Expression has blanks\n"},
        {{"SINX"}, 1, "Error parsing expression:\nSINX\n"},
        {{"x", "x=abc"}, 1, "x: 'abc' is not a valid floating point value\n"},
        {{"x", "a=1", "b=1,5"}, 1, "b: '1,5' is not a valid floating point value\n"},
        {{"x", "2x=1"}, 1, "2X\n"},
    };
    for (const auto& c : cases) {
        CalcRun r = calc(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
    }
}

TEST(CalcCommand, RefusesBadUsage) {
    CalcRun r = calc({"x", "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("NAME=VALUE"), std::string::npos);
}

}  // namespace

// Sampling a formula over a range, reading the range, and the calculator,
// without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/Error.h"
#include "tests/core/DefaultLocale.h"
#include "tests/support/MessageOf.h"
#include "tools/calc/Tabulation.h"
#include "parser/Parser10.h"
#include "parser/ParserErrors.h"

namespace {

const std::string kFormula = "((1/2)*x^2)-4*x+a+b*c";

struct Points {
    std::vector<double> x, y;
    void operator()(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
};

calc::Tabulation sample(TPars& p, const std::string& formula, calc::SamplingRange r, Points& points) {
    return calc::tabulate(p, formula, r, [&points](double x, double y) { points(x, y); });
}

class Tabulation : public ::testing::Test {
protected:
    DefaultLocale locale{DefaultLocale::dot()};
    TPars parser;
    Points points;
};

TEST_F(Tabulation, DefaultFormulaWithVariablesAtZero) {
    const calc::Tabulation t = sample(parser, kFormula, {0, 10, 0.5}, points);
    ASSERT_EQ(t.count, 21);
    ASSERT_EQ(points.x.size(), 21u);
    EXPECT_EQ(points.x.front(), 0);
    EXPECT_EQ(points.y.front(), 0);
    EXPECT_EQ(points.x.back(), 10);
    EXPECT_EQ(points.y.back(), 10);
    EXPECT_EQ(t.ymin, -8);
    EXPECT_EQ(t.ymax, 10);
    EXPECT_EQ(points.y[8], -8);  // at x = 4
    EXPECT_EQ(points.x[8], 4);
}

TEST_F(Tabulation, UsesTheVariablesTheParserHolds) {
    parser.A = 5;
    parser.B = 3;
    parser.C = 4;
    const calc::Tabulation t = sample(parser, kFormula, {0, 10, 0.5}, points);
    ASSERT_EQ(t.count, 21);
    for (size_t i = 0; i < points.x.size(); ++i) {
        const double x = points.x[i];
        EXPECT_DOUBLE_EQ(points.y[i], x * x / 2 - 4 * x + 17) << "x = " << x;
    }
    EXPECT_EQ(t.ymin, 9);
    EXPECT_EQ(parser.A, 5);  // only X is assigned
}

TEST_F(Tabulation, XIsAccumulatedByRepeatedAddition) {
    sample(parser, "x", {0, 1, 0.1}, points);
    std::vector<double> expected;
    for (double x = 0; x <= 1; x += 0.1) expected.push_back(x);
    // Ten additions of 0.1 stay just below 1, so an eleventh sample is taken there.
    ASSERT_EQ(expected.size(), 11u);
    EXPECT_EQ(points.x, expected);
    EXPECT_LT(points.x.back(), 1.0);

    Points more;
    sample(parser, "x", {0, 3, 0.1}, more);
    EXPECT_NEAR(more.x.back(), 2.9, 1e-12);  // the 31st addition overshoots 3
}

TEST_F(Tabulation, MaxBelowMinGivesNoSampleButTheValueAtMin) {
    const calc::Tabulation t = sample(parser, "x^2", {3, 1, 0.5}, points);
    EXPECT_EQ(t.count, 0);
    EXPECT_TRUE(points.x.empty());
    EXPECT_EQ(t.ymin, 9);
    EXPECT_EQ(t.ymax, 9);
}

TEST_F(Tabulation, SinglePointWhenMinEqualsMax) {
    const calc::Tabulation t = sample(parser, "x+1", {2, 2, 0.5}, points);
    EXPECT_EQ(t.count, 1);
    EXPECT_EQ(points.y, std::vector<double>{3});
}

TEST_F(Tabulation, EmptyFormulaSamplesZero) {
    const calc::Tabulation t = sample(parser, "", {0, 2, 0.5}, points);
    ASSERT_EQ(t.count, 5);
    for (double y : points.y) EXPECT_EQ(y, 0);
    EXPECT_EQ(t.ymin, 0);
    EXPECT_EQ(t.ymax, 0);
}

TEST_F(Tabulation, FailureAtMinHandsOutNoPoint) {
    EXPECT_EQ(messageOf([&] { sample(parser, "2/x", {0, 10, 0.5}, points); }), "Floating point division by zero");
    EXPECT_TRUE(points.x.empty());
}

TEST_F(Tabulation, FailureLaterKeepsTheEarlierPoints) {
    EXPECT_EQ(messageOf([&] { sample(parser, "1/x", {-1, 1, 0.5}, points); }), "Floating point division by zero");
    EXPECT_EQ(points.x, (std::vector<double>{-1, -0.5}));
    EXPECT_EQ(points.y, (std::vector<double>{-1, -2}));
}

// Thousands of samples are evaluated in blocks: the points and the failure are those of one X at a time.
TEST_F(Tabulation, ManyPointsAreThoseOfOneXAtATime) {
    const struct {
        const char* formula;
        calc::SamplingRange range;
        const char* message;
    } cases[] = {
        {"sin(x)*exp(-x/10)+sqrt(abs(x))", {-30, 30, 0.01}, "(no error)"},
        {"1/(x-20)", {-30, 30, 0.01}, "(no error)"},  // 20 is never reached exactly
        {"LN(25-x)", {-50, 30, 0.0625}, "Floating point division by zero"},  // x = 25 is, in the 1201st point
        {"SQRT(x-7)", {-30, 30, 0.5}, "Invalid floating point operation"},  // fails at the first point
    };
    for (const auto& c : cases) {
        Points batch;
        const std::string message = messageOf([&] { sample(parser, c.formula, c.range, batch); });
        std::vector<double> single;
        std::string singleMessage = "(no error)";
        TPars one;
        one.SetExpression(c.formula);
        for (double x = c.range.minX; x <= c.range.maxX; x += c.range.step) {
            one.X = x;
            try {
                single.push_back(one.Value());
            } catch (const kv::Error& e) {
                singleMessage = e.what();
                break;
            }
        }
        EXPECT_EQ(message, c.message) << c.formula;
        EXPECT_EQ(singleMessage, c.message) << c.formula;
        EXPECT_EQ(batch.y, single) << c.formula;
        EXPECT_EQ(batch.x.size(), single.size()) << c.formula;
    }
}

TEST_F(Tabulation, FormulaThatDoesNotCompile) {
    EXPECT_THROW(sample(parser, "xSIN", {0, 1, 0.5}, points), EMathParserError);
    EXPECT_EQ(messageOf([&] { sample(parser, "xSIN", {0, 1, 0.5}, points); }).rfind("Error parsing expression", 0),
              0u);
    EXPECT_TRUE(points.x.empty());
}

TEST_F(Tabulation, StepLostInRoundingStopsInsteadOfLoopingForever) {
    const std::string message = messageOf([&] { sample(parser, "x", {1e16, 1e16 + 10, 1}, points); });
    EXPECT_NE(message.find("too small"), std::string::npos) << message;
    EXPECT_EQ(points.x.size(), 1u);
}

// ---- the range fields ----

TEST(SamplingRange, ReadsTheThreeFieldsInTheLocaleFormat) {
    {
        DefaultLocale dot(DefaultLocale::dot());
        const calc::SamplingRange r = calc::readSamplingRange(" -1.5", "10", "0.25 ");
        EXPECT_EQ(r.minX, -1.5);
        EXPECT_EQ(r.maxX, 10);
        EXPECT_EQ(r.step, 0.25);
    }
    {
        DefaultLocale comma(DefaultLocale::comma());
        EXPECT_EQ(calc::readSamplingRange("0", "10", "0,5").step, 0.5);
        EXPECT_EQ(messageOf([] { calc::readSamplingRange("0", "10", "0.5"); }),
                  "'0.5' is not a valid floating point value");
    }
}

TEST(SamplingRange, FirstFieldThatIsNoNumberIsReported) {
    DefaultLocale dot(DefaultLocale::dot());
    EXPECT_EQ(messageOf([] { calc::readSamplingRange("abc", "x", ""); }), "'abc' is not a valid floating point value");
    EXPECT_EQ(messageOf([] { calc::readSamplingRange("0", "x", ""); }), "'x' is not a valid floating point value");
    EXPECT_EQ(messageOf([] { calc::readSamplingRange("0", "1", ""); }), "'' is not a valid floating point value");
}

TEST(SamplingRange, StepMustBePositive) {
    DefaultLocale dot(DefaultLocale::dot());
    for (const char* step : {"0", "-0.5", "-0"}) {
        const std::string message = messageOf([&] { calc::readSamplingRange("0", "10", step); });
        EXPECT_EQ(message.rfind("Step (interval) must be greater than 0", 0), 0u) << step << ": " << message;
    }
    // Also when no sample would be taken: the field is wrong either way.
    EXPECT_THROW(calc::readSamplingRange("10", "0", "0"), kv::Error);
}

TEST(SamplingRange, TooManyPointsAreRefused) {
    DefaultLocale dot(DefaultLocale::dot());
    EXPECT_EQ(calc::readSamplingRange("0", "10", "0.0001").step, 0.0001);   // 100,001 points
    EXPECT_NO_THROW(calc::readSamplingRange("0", "1999999", "1"));           // exactly the limit
    EXPECT_THROW(calc::readSamplingRange("0", "2000000", "1"), kv::Error);  // one more
    EXPECT_THROW(calc::readSamplingRange("0", "10", "1E-9"), kv::Error);
    EXPECT_THROW(calc::readSamplingRange("-1E308", "1E308", "1"), kv::Error);  // the width overflows
    EXPECT_NO_THROW(calc::readSamplingRange("10", "0", "1E-9"));             // nothing to sample
}

// ---- the calculator ----

TEST_F(Tabulation, CalculatorWithItsDefaults) {
    const auto y = calc::calculate(parser, {kFormula, "2", "5", "3", "4"});
    ASSERT_TRUE(y.has_value());
    EXPECT_EQ(*y, 11);
    EXPECT_EQ(parser.A, 5);
    EXPECT_EQ(parser.B, 3);
    EXPECT_EQ(parser.C, 4);
}

TEST_F(Tabulation, CalculatorWithoutFormulaDoesNothing) {
    EXPECT_FALSE(calc::calculate(parser, {"", "2", "5", "3", "4"}).has_value());
    EXPECT_EQ(parser.X, 0);
    EXPECT_EQ(parser.A, 0);
}

TEST_F(Tabulation, CalculatorEmptyFieldKeepsTheVariable) {
    parser.B = 7;
    const auto y = calc::calculate(parser, {"b", "", "", "", ""});
    ASSERT_TRUE(y.has_value());
    EXPECT_EQ(*y, 7);
}

TEST_F(Tabulation, CalculatorKeepsAssignmentsMadeBeforeAnError) {
    parser.C = 1;
    EXPECT_EQ(messageOf([&] { calc::calculate(parser, {"x+a", "7", "8", "nine", "10"}); }),
              "'nine' is not a valid floating point value");
    EXPECT_EQ(parser.X, 7);
    EXPECT_EQ(parser.A, 8);
    EXPECT_EQ(parser.C, 1);  // after the failing field: untouched
}

TEST(Calculator, FieldsUseTheLocaleSeparatorFormulasTheDot) {
    DefaultLocale comma(DefaultLocale::comma());
    TPars parser;
    const auto y = calc::calculate(parser, {"x*1.5", "2,5", "", "", ""});
    ASSERT_TRUE(y.has_value());
    EXPECT_EQ(*y, 3.75);
}

}  // namespace

// Evaluation over many X values at once gives what one X at a time gives:
// the same bits for every value, and the same error at the same X.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <random>
#include <vector>

#include "tests/parser/BatchOutcome.h"

namespace {

std::vector<double> evenlyFromMinusThree() {  // exact zero at index 300, in the second block
    std::vector<double> xs;
    for (int k = 0; k < 700; ++k) xs.push_back(k / 100.0 - 3);
    return xs;
}

std::vector<double> everyMagnitude() {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 308);
    std::vector<double> xs;
    for (int k = 0; k < 1000; ++k) xs.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    return xs;
}

const char* const kFormulas[] = {
    "((1/2)*x^2)-4*x+a+b*c", "sin(x)*exp(-x/10)+sqrt(abs(x))", "x", "a", "2+3", "b*c-x", "-x+1", "x-x",
    "x/x", "1/x", "a/x/c", "x^2", "x^3", "x^4", "x^10", "x^-3", "x^0.5", "(-2)^x", "0^x", "2^x", "x^a",
    "(x)MOD3", "(x)DIV0.7", "7MOD(x)", "1E300DIV(x)", "CEIL(x)", "FLOOR(x)", "TRUNC(x)", "INT(x)",
    "HEAV(x)", "SIGN(x)", "ZERO(x)", "ARG(x,a)", "ARG(a,x)", "MAX(x,b)", "MIN(c,x)", "LOGN(a,x)", "LOGN(x,8)",
    "POWER(x,2.5)", "INTPOWER(x,3)", "INTPOWER(2,x)", "SQR(x)", "SQRT(x)", "ABS(x)", "LN(x)", "LOG10(x)",
    "LOG2(x)", "SIN(x)", "COS(x)", "TAN(x)", "COTAN(x)", "ARCTAN(x)", "SINH(x)", "COSH(x)", "EXP(x)", "PH(x)",
    "RANDOM(x)+x", "RND(x)", "x*x*x-x/(1+SQR(x))", "EXP(x*1000)", "1/(x-0.5)", "SQRT(x)+1/0", "x+1/b",
};

class Batch : public testing::TestWithParam<const char*> {};

TEST_P(Batch, GivesTheValuesAndTheErrorOfOneXAtATime) {
    TPars p;
    p.A = 5;
    p.B = 3;
    p.C = 4;
    p.SetExpression(GetParam());
    for (const std::vector<double>& xs : {evenlyFromMinusThree(), everyMagnitude()}) {
        const BatchOutcome single = oneAtATime(p, xs);
        const BatchOutcome batch = allAtOnce(p, xs);
        EXPECT_EQ(batch.values.size(), single.values.size());
        EXPECT_EQ(batch.error, single.error);
        EXPECT_TRUE(batch == single) << "first X " << xs.front();
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, Batch, testing::ValuesIn(kFormulas));

TEST(BatchEvaluation, ReadsTheOtherVariablesAsTheyAreNow) {
    TPars p;
    p.SetExpression("x*b+c");
    const std::vector<double> xs = evenlyFromMinusThree();
    p.B = 2;
    p.C = 1;
    allAtOnce(p, xs);
    p.B = -1;  // the cell of x*b+c's b*... steps must not keep the earlier run's values
    p.C = 7;
    const BatchOutcome batch = allAtOnce(p, xs);
    ASSERT_EQ(batch.values.size(), xs.size());
    for (size_t k = 0; k < xs.size(); ++k) EXPECT_EQ(batch.values[k], -xs[k] + 7);
}

TEST(BatchEvaluation, OfFewOrNoValues) {
    TPars p;
    std::vector<double> ys(3, -1);
    size_t done = 9;
    p.Values(nullptr, ys.data(), 0, done);
    EXPECT_EQ(done, 0u);
    const double xs[] = {1, 2, 3};
    p.Values(xs, ys.data(), 3, done);  // no expression: zeros, as Value() gives
    EXPECT_EQ(ys, std::vector<double>(3, 0.0));
    p.SetExpression("x*10");
    p.Values(xs, ys.data(), 3, done);
    EXPECT_EQ(done, 3u);
    EXPECT_EQ(ys, (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(p.X, 3);
}

TEST(BatchEvaluation, LeavesNoFaultFlagBehind) {
    TPars p;
    p.SetExpression("1/x");
    std::feclearexcept(FE_ALL_EXCEPT);
    const BatchOutcome batch = allAtOnce(p, evenlyFromMinusThree());
    EXPECT_EQ(batch.values.size(), 300u);
    EXPECT_EQ(batch.lastX, 0);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
}

}  // namespace

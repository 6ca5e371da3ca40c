// What compiled expressions evaluate to: the operation kinds, the function
// set, and the floating-point faults with the step that raises them first.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <numbers>
#include <string>

#include "parser/Parser10.h"
#include "parser/ProcessRandom.h"

namespace {

constexpr double kPi = std::numbers::pi;

struct ValueCase {
    const char* text;
    double value;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Evaluates : public testing::TestWithParam<ValueCase> {};

TEST_P(Evaluates, ToTheDefinedValue) {
    TPars p;
    p.X = 2;
    p.A = 5;
    p.B = 3;
    p.C = 4;
    p.SetExpression(GetParam().text);
    EXPECT_DOUBLE_EQ(p.Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, Evaluates,
    testing::Values(ValueCase{"((1/2)*x^2)-4*x+a+b*c", 11}, ValueCase{"a-b-c", -2}, ValueCase{"a/b/c", 5.0 / 12},
                    ValueCase{"a/b*c", 20.0 / 3}, ValueCase{"-x^2", -4}, ValueCase{"-x+1", -1},
                    ValueCase{"7.9MOD2", 1}, ValueCase{"-7DIV2", -3}, ValueCase{"-7MOD2", -1},
                    ValueCase{"7MOD-2", 1}, ValueCase{"-7.9DIV2.9", -3}, ValueCase{"0^0", 1},
                    ValueCase{"2^-2", 0.25}, ValueCase{"x^3", 8}, ValueCase{"x^4", 16}, ValueCase{"x^10", 1024},
                    ValueCase{"(-2)^3", -8}, ValueCase{"x^0.5", std::numbers::sqrt2},
                    ValueCase{"(-8)^(3)", -512}, ValueCase{"0^x", 0},
                    // The one quotient a 64-bit division cannot hold is exact as a double.
                    ValueCase{"-9223372036854775808DIV-1", 9223372036854775808.0},
                    ValueCase{"-9223372036854775808MOD-1", 0}, ValueCase{"1E-5*1E5", 1},
                    ValueCase{"2.5E+3+x", 2502}));

INSTANTIATE_TEST_SUITE_P(
    Functions, Evaluates,
    testing::Values(ValueCase{"CEIL(2.5)", 3}, ValueCase{"CEIL(-2.5)", -2}, ValueCase{"CEIL(2)", 2},
                    ValueCase{"FLOOR(-2.5)", -3}, ValueCase{"FLOOR(-2)", -2}, ValueCase{"FLOOR(2.5)", 2},
                    ValueCase{"TRUNC(-2.7)", -2}, ValueCase{"INT(2.7)", 2}, ValueCase{"TRUNC(1E300)", 1e300},
                    ValueCase{"HEAV(0)", 1}, ValueCase{"HEAV(-1E-300)", 0}, ValueCase{"SIGN(0)", 0},
                    ValueCase{"SIGN(-3)", -1}, ValueCase{"SIGN(0.1)", 1}, ValueCase{"ZERO(0)", 0},
                    ValueCase{"ZERO(5)", 1}, ValueCase{"ARG(0,0)", -kPi / 2}, ValueCase{"ARG(0,1)", kPi / 2},
                    ValueCase{"ARG(-1,0)", kPi}, ValueCase{"ARG(1,1)", kPi / 4},
                    // Left of the y axis the angle is shifted by pi, not wrapped.
                    ValueCase{"ARG(-1,-1)", 5 * kPi / 4}, ValueCase{"MIN(2,2)", 2}, ValueCase{"MAX(2,2)", 2},
                    ValueCase{"MAX(1,3)", 3}, ValueCase{"MIN(1,3)", 1}, ValueCase{"LOGN(2,8)", 3},
                    ValueCase{"LOGN(10,1000)", 3}, ValueCase{"POWER(2,0.5)", std::numbers::sqrt2},
                    ValueCase{"POWER(0,3)", 0}, ValueCase{"POWER(-2,3)", -8}, ValueCase{"POWER(x,0)", 1},
                    ValueCase{"INTPOWER(2,10)", 1024}, ValueCase{"INTPOWER(2,-1.9)", 0.5},
                    ValueCase{"INTPOWER(-1,4294967297)", -1}, ValueCase{"SQR(-3)", 9}, ValueCase{"SQRT(16)", 4},
                    ValueCase{"ABS(-2.5)", 2.5}, ValueCase{"EXP(0)", 1}, ValueCase{"LN(EXP(2))", 2},
                    ValueCase{"LOG10(1000)", 3}, ValueCase{"LOG2(1024)", 10}, ValueCase{"SIN(PI/2)", 1},
                    ValueCase{"COS(0)", 1}, ValueCase{"TAN(PI/4)", 1}, ValueCase{"COTAN(PI/4)", 1},
                    ValueCase{"ARCTAN(1)", kPi / 4}, ValueCase{"SINH(0)", 0}, ValueCase{"COSH(0)", 1},
                    ValueCase{"SINH(1)", 1.1752011936438014}, ValueCase{"COSH(1)", 1.5430806348152437},
                    // Beyond 2^63 the sine and cosine give up and show 0.
                    ValueCase{"SIN(9223372036854775808)", 0}, ValueCase{"COS(-1E19)", 0},
                    ValueCase{"SIN(9223372036854774784)", std::sin(9223372036854774784.0)},
                    ValueCase{"PH(0)", 0}, ValueCase{"sin(x)*exp(-x/10)+sqrt(abs(x))",
                                                     std::sin(2.0) * std::exp(-0.2) + std::sqrt(2.0)}));

TEST(Functions, SinhStaysFiniteWhereOnlyItsExponentialWouldOverflow) {
    // e^710 is beyond the double range, sinh(710) is not.
    TPars p;
    p.SetExpression("SINH(710)");
    EXPECT_DOUBLE_EQ(p.Value(), static_cast<double>(std::sinh(710.0L)));
}

TEST(Functions, PhRepeatsWithPeriodTwoOverPiWithinMinusPiToPi) {
    TPars p;
    p.SetExpression("PH(X)");
    for (double x : {0.1, 0.3, 1.0, 2.5, 10.0, -7.3}) {
        p.X = x;
        const double v = p.Value();
        EXPECT_LE(std::fabs(v), kPi);
        p.X = x + 2 / kPi;
        EXPECT_NEAR(p.Value(), v, 1e-12) << x;
    }
}

TEST(Functions, RandomDrawsFromTheProgramsGenerator) {
    TPars p;
    kv::setRandomSeed(0);
    p.SetExpression("RANDOM(X)");
    EXPECT_EQ(p.Value(), 1 / 4294967296.0);  // seed 0 * 134775813 + 1
    EXPECT_EQ(p.Value(), 134775814 / 4294967296.0);
    p.SetExpression("RND(7.9)");
    const double draw = (134775814u * 134775813u + 1u) / 4294967296.0;
    EXPECT_DOUBLE_EQ(p.Value(), 7 * draw);
}

struct FaultCase {
    const char* text;
    const char* message;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Faults : public testing::TestWithParam<FaultCase> {};

TEST_P(Faults, StopTheEvaluationWithTheFirstFaultsMessage) {
    TPars p;
    p.X = 0;
    p.SetExpression(GetParam().text);
    try {
        const double v = p.Value();
        FAIL() << "gave " << v;
    } catch (const kv::Error& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Faults,
    testing::Values(
        FaultCase{"1/0", "Floating point division by zero"}, FaultCase{"0/0", "Invalid floating point operation"},
        FaultCase{"LN(0)", "Floating point division by zero"}, FaultCase{"LN(-1)", "Invalid floating point operation"},
        FaultCase{"SQRT(-1)", "Invalid floating point operation"}, FaultCase{"5MOD0", "Division by zero"},
        FaultCase{"5DIV0.5", "Division by zero"}, FaultCase{"(-8)^(1/3)", "Invalid floating point operation"},
        FaultCase{"POWER(0,-0.5)", "Floating point division by zero"}, FaultCase{"0^-1", "Floating point division by zero"},
        FaultCase{"EXP(1000)", "Floating point overflow"}, FaultCase{"SINH(1000)", "Floating point overflow"},
        FaultCase{"COSH(-1000)", "Floating point overflow"}, FaultCase{"1E300*1E300", "Floating point overflow"},
        FaultCase{"1E200^2", "Floating point overflow"}, FaultCase{"1E200^3", "Floating point overflow"},
        FaultCase{"COTAN(0)", "Floating point division by zero"}, FaultCase{"LOGN(1,8)", "Floating point division by zero"},
        // Faults whose result looks harmless: 8 / log2(0) is -0, 1 / 10^5000 is 0.
        FaultCase{"LOGN(0,8)", "Floating point division by zero"}, FaultCase{"10^-5000", "Floating point overflow"},
        // Truncations beyond the 64-bit range; invalid comes before a zero divisor.
        FaultCase{"1E300DIV1", "Invalid floating point operation"}, FaultCase{"1E300DIV0", "Invalid floating point operation"},
        FaultCase{"7MOD1E19", "Invalid floating point operation"}, FaultCase{"x^1E19", "Invalid floating point operation"},
        FaultCase{"INTPOWER(2,1E19)", "Invalid floating point operation"},
        // A 32-bit exponent would wrap 2^32 to 0 and give 1.
        FaultCase{"INTPOWER(2,4294967296)", "Floating point overflow"},
        // The first failing step decides, not the worst fault of the run.
        FaultCase{"1/0-1/0", "Floating point division by zero"}, FaultCase{"1/0+5DIV0", "Floating point division by zero"},
        FaultCase{"5DIV0+1/0", "Division by zero"}, FaultCase{"SQRT(-1)+1/0", "Invalid floating point operation"},
        FaultCase{"1/X", "Floating point division by zero"}));

TEST(Evaluation, WithoutACompiledListIsZero) {
    TPars p;
    EXPECT_EQ(p.Value(), 0);
    EXPECT_FALSE(p.ParseExpression(""));
    EXPECT_EQ(p.Value(), 0);
}

TEST(Evaluation, SeesVariablesAssignedAfterCompiling) {
    TPars p;
    p.SetExpression("X*2+T");
    for (double x : {1.0, -3.5, 1e10}) {
        p.X = x;
        p.T = 1;
        EXPECT_EQ(p.Value(), x * 2 + 1);
    }
}

TEST(Evaluation, KeepsTheListAfterAFault) {
    TPars p;
    p.SetExpression("3/X+1");
    p.X = 0;
    EXPECT_THROW(p.Value(), kv::Error);
    p.X = 3;
    EXPECT_EQ(p.Value(), 2);
    p.X = 0;
    EXPECT_THROW(p.Value(), kv::Error);
}

TEST(Evaluation, OfConstantsFaultsEveryTime) {
    TPars p;
    p.SetExpression("X+1/0");
    EXPECT_THROW(p.Value(), kv::Error);
    EXPECT_THROW(p.Value(), kv::Error);
    p.SetExpression("X+1/4");
    EXPECT_EQ(p.Value(), 0.25);
    p.X = 1;
    EXPECT_EQ(p.Value(), 1.25);
}

TEST(Evaluation, DrawsOnlyUpToTheFailingStep) {
    TPars p;
    p.X = 0;
    p.SetExpression("RANDOM(1)+1/X");  // the draw runs before the division
    kv::setRandomSeed(0);
    EXPECT_THROW(p.Value(), kv::Error);
    EXPECT_EQ(kv::randomSeed(), 1u);
}

int hostCalls = 0;
void countedIdentity(TOperation* op) {
    ++hostCalls;
    *op->Dest = *op->Arg1;
}

TEST(Evaluation, RunsAHostFunctionOnceEvenWhenALaterStepFaults) {
    TPars p;
    p.AddFunctionOneParam("COUNTED", countedIdentity);
    p.SetExpression("COUNTED(2)+1/X");
    hostCalls = 0;
    EXPECT_THROW(p.Value(), kv::Error);
    EXPECT_EQ(hostCalls, 1);
    p.X = 1;
    EXPECT_EQ(p.Value(), 3);
    EXPECT_EQ(hostCalls, 2);
}

TEST(Evaluation, LeavesTheFaultFlagsAsItFoundThem) {
    TPars p;
    p.SetExpression("1/X");
    std::feclearexcept(FE_ALL_EXCEPT);
    p.X = 0;
    EXPECT_THROW(p.Value(), kv::Error);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) & FE_DIVBYZERO, 0);
    std::feraiseexcept(FE_OVERFLOW);
    p.X = 4;
    EXPECT_EQ(p.Value(), 0.25);  // a flag raised elsewhere is no fault of this evaluation
    EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace

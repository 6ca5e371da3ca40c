// How texts compile: the grouping the recognisers choose, the power tokens,
// the operation grid's limits and the compile errors with their messages.
#include <gtest/gtest.h>

#include <string>

#include "tests/parser/ListShape.h"
#include "parser/Parser10.h"

namespace {

struct ShapeCase {
    const char* text;
    const char* shape;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class CompiledShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(CompiledShape, GroupsAsTheRecognisersDecide) {
    TPars p;
    ASSERT_TRUE(p.ParseExpression(GetParam().text));
    EXPECT_EQ(listShape(p), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    Grouping, CompiledShape,
    testing::Values(
        // "+" and "*" group to the right, "-", "/", DIV and MOD to the left.
        ShapeCase{"a+b+c", "sum(A,sum(B,C))"}, ShapeCase{"a-b-c", "diff(diff(A,B),C)"},
        ShapeCase{"a*b*c", "prod(A,prod(B,C))"}, ShapeCase{"a/b/c", "divis(divis(A,B),C)"},
        ShapeCase{"a/b*c", "prod(divis(A,B),C)"}, ShapeCase{"a*b/c", "prod(A,divis(B,C))"},
        ShapeCase{"a-b+c", "sum(diff(A,B),C)"}, ShapeCase{"a+b-c", "sum(A,diff(B,C))"},
        ShapeCase{"7DIV2", "IntDiv(7,2)"}, ShapeCase{"7MOD2", "modulo(7,2)"},
        ShapeCase{"aDIVbDIVc", "IntDiv(IntDiv(A,B),C)"}, ShapeCase{"a*bMODc", "prod(A,modulo(B,C))"},
        // A leading minus takes the next power or primary only.
        ShapeCase{"-x^2", "minus(square(X))"}, ShapeCase{"-x+1", "sum(minus(X),1)"},
        ShapeCase{"0-x-1", "diff(diff(0,X),1)"}, ShapeCase{"(-x)-1", "diff(minus(X),1)"},
        ShapeCase{"a*(-b)", "prod(A,minus(B))"}, ShapeCase{"a*-2", "prod(A,-2)"},
        ShapeCase{"-5", "-5"}, ShapeCase{"+5", "5"},
        // Redundant brackets vanish; blanks only around the text are allowed.
        ShapeCase{"((x))", "X"}, ShapeCase{"  x+1  ", "sum(X,1)"}, ShapeCase{"((a+b))*c", "prod(sum(A,B),C)"},
        // Names and constants are case-insensitive.
        ShapeCase{"pi", "3.14159265358979"}, ShapeCase{"-Pi", "-3.14159265358979"},
        ShapeCase{"2*Pi*x^2", "prod(2,prod(3.14159265358979,square(X)))"},
        // Functions; the argument split passes over commas of nested calls.
        ShapeCase{"SIN(X)", "SIN(X)"}, ShapeCase{"sin((x))", "SIN(X)"},
        ShapeCase{"MAX(MIN(A,B),C)", "MAX(MIN(A,B),C)"}, ShapeCase{"MAX(A,MIN(B,C))", "MAX(A,MIN(B,C))"},
        // Where the rules meet.
        ShapeCase{"SIN(-X)", "SIN(minus(X))"}, ShapeCase{"EXP(-X/10)", "EXP(divis(minus(X),10))"},
        ShapeCase{"-SIN(X)^2", "minus(square(SIN(X)))"}, ShapeCase{"X^2DIV3", "IntDiv(square(X),3)"},
        ShapeCase{"7DIV2^2", "IntDiv(7,square(2))"}, ShapeCase{"1E-5*X", "prod(1E-5,X)"},
        ShapeCase{"2.5E+3+X", "sum(2500,X)"}, ShapeCase{"X-1E-5", "diff(X,1E-5)"},
        ShapeCase{"1E-5-X", "diff(1E-5,X)"}, ShapeCase{".5+5.", "sum(0.5,5)"}));

INSTANTIATE_TEST_SUITE_P(
    PowerTokens, CompiledShape,
    testing::Values(ShapeCase{"x^2", "square(X)"}, ShapeCase{"x^3", "third(X)"}, ShapeCase{"x^4", "fourth(X)"},
                    ShapeCase{"x^5", "integerpower(X,5)"}, ShapeCase{"x^0", "integerpower(X,0)"},
                    ShapeCase{"x^1", "integerpower(X,1)"}, ShapeCase{"x^-1", "integerpower(X,-1)"},
                    ShapeCase{"x^2.0", "square(X)"}, ShapeCase{"x^0.5", "realpower(X,0.5)"},
                    ShapeCase{"x^(2)", "realpower(X,2)"}, ShapeCase{"2^x", "realpower(2,X)"},
                    ShapeCase{"x^pi", "realpower(X,3.14159265358979)"},
                    ShapeCase{"(a^b)^c", "realpower(realpower(A,B),C)"},
                    ShapeCase{"a^(b^c)", "realpower(A,realpower(B,C))"}));

TEST(CompiledList, RunsTheDeepestLevelFirstInPositionOrder) {
    TPars p;
    p.SetExpression("A*B+C/D");
    EXPECT_EQ(tokenOrder(p), "prod divis sum");
    p.SetExpression("SIN(X)*(A-B)+C");
    EXPECT_EQ(tokenOrder(p), "FuncOneVar diff prod sum");
}

TEST(CompiledList, OfALoneVariableIsThePlaceholderReadingItsCell) {
    TPars p;
    p.SetExpression("x");
    const TOperation* op = p.FirstOperation();
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->Token, TToken::variab);
    EXPECT_EQ(op->Arg1, &p.X);
    EXPECT_EQ(op->Dest, &p.X);
    EXPECT_EQ(op->NextOperation, nullptr);
}

struct ErrorCase {
    const char* text;
    const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class CompileError : public testing::TestWithParam<ErrorCase> {};

TEST_P(CompileError, HasTheProgramsMessage) {
    TPars p;
    try {
        p.SetExpression(GetParam().text);
        FAIL() << "compiled to " << listShape(p);
    } catch (const EMathParserError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
    EXPECT_TRUE(p.ParserError());
    EXPECT_EQ(p.FirstOperation(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CompileError,
    testing::Values(
        ErrorCase{"x + 1", "Expression has blanks"}, ErrorCase{"(x+1", "Missing brackets in expression"},
        ErrorCase{"x+1)", "Missing brackets in expression"},
        // Only the counts of brackets are compared before compiling.
        ErrorCase{")x(", "Error parsing expression:\r)X("},
        // A text of blanks is not empty: nothing is left of it to compile.
        ErrorCase{"   ", "Error parsing expression:\r"}, ErrorCase{"()", "Error parsing expression:\r()"},
        ErrorCase{"SINX", "Error parsing expression:\rSINX"},
        ErrorCase{"FOO(1)", "Error parsing expression:\rFOO(1)"},
        // With a split tried, the message shows the last one.
        ErrorCase{"a*-b", "Error parsing expression:\rA\r-B"}, ErrorCase{"a^b^c", "Error parsing expression:\rA^B\rC"},
        ErrorCase{"-x-1", "Error parsing expression:\rX-1\r "}, ErrorCase{"-a-b", "Error parsing expression:\rA-B\r "},
        ErrorCase{"x+", "Error parsing expression:\rX+"}, ErrorCase{"MAX(1)", "Error parsing expression:\rMAX(1)"},
        ErrorCase{"MAX(1,2,3)", "Error parsing expression:\r1,2\r3"},
        // Neither a lone "." nor an exponent without digits is a number, nor
        // a value beyond the double range.
        ErrorCase{".", "Error parsing expression:\r."}, ErrorCase{"1E", "Error parsing expression:\r1E"},
        ErrorCase{"1E999", "Error parsing expression:\r1E999"}, ErrorCase{"x\t+1", "Error parsing expression:\rX\t\r1"}));

std::string chainOfSums(int terms) {
    std::string s = "x";
    for (int k = 1; k < terms; ++k) s += "+x";
    return s;
}

// A sum of `terms` (a power of two) terms, bracketed as a balanced tree.
std::string balancedSum(int terms) {
    return terms == 1 ? "x" : "(" + balancedSum(terms / 2) + ")+(" + balancedSum(terms / 2) + ")";
}

TEST(Grid, AllowsTwentyLevelsOfOperands) {
    TPars p;
    p.X = 1;
    p.SetExpression(chainOfSums(21));  // 20 "+", the last at level 19
    EXPECT_EQ(p.Value(), 21);
    EXPECT_THROW(p.SetExpression(chainOfSums(22)), ETooManyNestings);
    try {
        p.SetExpression(chainOfSums(22));
    } catch (const ETooManyNestings& e) {
        EXPECT_STREQ(e.what(), "Expression contains too many nestings");
    }
}

TEST(Grid, AllowsFiftyOperationsOnALevel) {
    TPars p;
    p.X = 1;
    p.SetExpression(balancedSum(64));  // 32 operations on the deepest level
    EXPECT_EQ(p.Value(), 64);
    try {
        p.SetExpression(balancedSum(128));
        FAIL();
    } catch (const EExpressionTooComplex& e) {
        EXPECT_STREQ(e.what(), "Expression is too complex");
    }
}

TEST(Grid, RefusesBracketsNestedBeyondTheStacksReach) {
    TPars p;
    const int depth = 5000;
    EXPECT_THROW(p.SetExpression(std::string(depth, '(') + "x" + std::string(depth, ')')), ETooManyNestings);
    p.SetExpression(std::string(200, '(') + "x" + std::string(200, ')'));
    p.X = 3;
    EXPECT_EQ(p.Value(), 3);
}

}  // namespace

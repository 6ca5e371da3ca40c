// The parser component's interface: variables, functions, the expression's
// life cycle and how compile errors reach the caller.
#include <gtest/gtest.h>

#include <QLocale>
#include <string>

#include "tests/core/DefaultLocale.h"
#include "tests/support/MessageOf.h"
#include "parser/Parser10.h"

namespace {

void twice(TOperation* op) { *op->Dest = 2 * *op->Arg1; }
void hypot2(TOperation* op) { *op->Dest = *op->Arg1 * *op->Arg1 + *op->Arg2 * *op->Arg2; }

TEST(Variables, AreFoundWhateverTheCaseAndCreatedOnFirstAssignment) {
    TPars p;
    EXPECT_FALSE(p.VariableExists("speed"));
    EXPECT_EQ(p.GetVariable("speed"), 0);
    double* cell = p.SetVariable("Speed", 3);
    EXPECT_TRUE(p.VariableExists("SPEED"));
    EXPECT_EQ(p.GetVariable("speed"), 3);
    p.SetExpression("speed*x");
    p.X = 2;
    EXPECT_EQ(p.Value(), 6);
    *cell = 5;  // the cell is what the list reads
    EXPECT_EQ(p.Value(), 10);
    EXPECT_EQ(p.SetVar("x", 7), &p.X);
    EXPECT_EQ(p.Value(), 35);
}

TEST(Variables, NeedIdentifierNames) {
    TPars p;
    EXPECT_EQ(messageOf<kv::Error>([&] { p.SetVariable("1abc", 1); }), "1ABC");
    EXPECT_EQ(messageOf<kv::Error>([&] { p.SetVariable("a b", 1); }), "A B");
    EXPECT_EQ(messageOf<kv::Error>([&] { p.SetVariable("", 1); }), "");
    EXPECT_THROW(p.SetVariable("", 1), EBadName);
    p.SetVariable("_n2", 4);
    EXPECT_EQ(p.GetVariable("_N2"), 4);
}

TEST(Variables, NamedLikeAFunctionOrPiHideNothingButPi) {
    TPars p;
    p.SetVariable("sin", 10);
    p.SetExpression("SIN*2+SIN(0)");
    EXPECT_EQ(p.Value(), 20);
    p.SetVariable("pi", 3);
    p.SetExpression("PI");
    EXPECT_EQ(p.Value(), 3);
}

TEST(Variables, ClearingOneClearsTheExpressionAndTheLetterCanComeBack) {
    TPars p;
    p.SetVariable("k", 2);
    p.SetExpression("k*x");
    p.ClearVariable("k");
    EXPECT_EQ(p.FirstOperation(), nullptr);
    EXPECT_EQ(p.Expression(), "");
    EXPECT_THROW(p.SetExpression("k*x"), ESyntaxError);
    p.ClearVariable("x");
    EXPECT_THROW(p.SetExpression("x"), ESyntaxError);
    p.X = 4;  // the field stays
    EXPECT_EQ(p.SetVariable("X", 5), &p.X);
    p.SetExpression("x");
    EXPECT_EQ(p.Value(), 5);
    p.ClearVariables();
    EXPECT_FALSE(p.VariableExists("A"));
    EXPECT_THROW(p.SetExpression("a"), ESyntaxError);
}

TEST(Functions, AddedByTheHostAreCalledLikeBuiltIns) {
    TPars p;
    p.AddFunctionOneParam("twice", twice);
    p.AddFunctionTwoParam("Hyp2", hypot2);
    p.SetExpression("TWICE(3)+hyp2(x,2)");
    p.X = 1;
    EXPECT_EQ(p.Value(), 11);
}

TEST(Functions, RefuseBadAndDuplicateNames) {
    TPars p;
    EXPECT_EQ(messageOf<kv::Error>([&] { p.AddFunctionOneParam("two words", twice); }), "two words");
    EXPECT_EQ(messageOf<kv::Error>([&] { p.AddFunctionOneParam("sin", twice); }), "String list does not allow duplicates");
    EXPECT_EQ(messageOf<kv::Error>([&] { p.AddFunctionTwoParam("MAX", hypot2); }), "String list does not allow duplicates");
    p.AddFunctionTwoParam("SIN", hypot2);  // the tables are separate
    p.SetExpression("SIN(1,2)+SIN(0)");
    EXPECT_EQ(p.Value(), 5);
}

TEST(Functions, ClearingOneClearsTheExpression) {
    TPars p;
    p.SetExpression("SIN(X)");
    p.ClearFunction("nothing");
    EXPECT_NE(p.FirstOperation(), nullptr);
    p.ClearFunction("sin");
    EXPECT_EQ(p.FirstOperation(), nullptr);
    EXPECT_THROW(p.SetExpression("SIN(X)"), ESyntaxError);
    p.SetExpression("COS(X)");
    p.ClearFunctions();
    EXPECT_EQ(p.FirstOperation(), nullptr);
    EXPECT_THROW(p.SetExpression("MAX(X,1)"), ESyntaxError);
}

TEST(Expression, FailingToCompileStillDiscardsTheOldListAndKeepsTheText) {
    TPars p;
    p.SetExpression("X+1");
    EXPECT_FALSE(p.ParserError());
    EXPECT_THROW(p.SetExpression("X+"), ESyntaxError);
    EXPECT_TRUE(p.ParserError());
    EXPECT_EQ(p.Expression(), "X+");
    EXPECT_EQ(p.Value(), 0);
    p.SetExpression("X+2");
    EXPECT_FALSE(p.ParserError());
}

TEST(Expression, ErrorsGoToTheHandlerWhenThereIsOne) {
    TPars p;
    std::string seen;
    TCustomParser* sender = nullptr;
    p.OnParserError = [&](TCustomParser& s, const kv::Error& e) {
        sender = &s;
        seen = e.what();
    };
    EXPECT_FALSE(p.ParseExpression("(x"));
    EXPECT_EQ(seen, "Missing brackets in expression");
    EXPECT_EQ(sender, &p);
    EXPECT_TRUE(p.ParserError());
    EXPECT_TRUE(p.ParseExpression("x"));
}

TEST(Expression, NumbersFollowTheLocaleWhenPascalFormatIsOff) {
    DefaultLocale comma(DefaultLocale::comma());
    TPars p;
    p.SetExpression("1.5*2");
    EXPECT_EQ(p.Value(), 3);
    EXPECT_THROW(p.SetExpression("1,5*2"), ESyntaxError);
    p.PascalNumberformat = false;
    p.SetExpression("1,5*2");
    EXPECT_EQ(p.Value(), 3);
}

TEST(Expression, RemoveBlanksDropsOnlyCharacter32) {
    EXPECT_EQ(TPars::RemoveBlanks(" x + 1\t"), "x+1\t");
}

}  // namespace

#pragma once
// Classifies the terms of an expression with the compiler's top-down
// recognisers.
//
// A recogniser splits a term at an operator and asks whether both parts are
// terms of the kinds that operator accepts; those questions are asked of the
// same parts again and again, so every answer about a part of the text is
// remembered. Balance means equal counts of "(" and ")", whatever their
// order; a part whose counts differ can pass no recogniser, which lets the
// search skip it at once.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "parser/NameTables.h"
#include "parser/ParserTypes.h"
#include "parser/TermRecord.h"

// What a term turned out to be.
struct Classification {
    TToken token = TToken::variab;
    double* variable = nullptr;        // TToken::variab
    double number = 0;                 // TToken::constant
    TMathProcedure routine = nullptr;  // TToken::FuncOneVar, TToken::FuncTwoVar
};

class TermRecognizer {
public:
    // `text` is the prepared expression (upper case, trimmed, no blanks, equal
    // bracket counts); every term handed in later must be a view into it.
    TermRecognizer(std::string_view text, const NameTables& names);

    // Tries the recognisers in the compiler's order. On success the operand
    // texts, without redundant brackets, are in term.LeftText and
    // term.RightText; on failure they hold the last split that was tried.
    std::optional<Classification> classify(TermRecord& term);

    // The term without the brackets around it that enclose an expression.
    std::string_view stripBrackets(std::string_view term);

private:
    // The recognisers, then the sets of kinds an operator accepts as its
    // operands; a set's answer is remembered like a recogniser's, since the
    // same part is offered to the same operator at many split points.
    enum Kind : std::uint8_t {
        kNumber,
        kVariable,
        kNegation,
        kSum,
        kDifference,
        kProduct,
        kIntDiv,
        kModulo,
        kDivision,
        kPower,
        kFuncOne,
        kFuncTwo,
        kBracketed,
        kExpression,          // a bracket's inside or a function's argument
        kNegated,             // what may follow a leading minus
        kSumLeft,             // also the left of a difference
        kSumRight,
        kDifferenceRight,     // also the right of a product
        kProductLeft,         // also the left of DIV, MOD and a division
        kQuotientRight,       // the right of DIV, MOD and a division
        kPowerLeft,
        kPowerRight,
        kKindCount
    };
    using KindList = std::initializer_list<Kind>;

    // Where a recogniser split a term: [leftBegin, leftEnd) and [rightBegin, rightEnd).
    struct Split {
        int leftBegin = -1, leftEnd = -1, rightBegin = -1, rightEnd = -1;
    };

    // What is known of one part of the text: bit k says kind k was decided,
    // bit 32 + k that the part is of kind k.
    using Known = std::uint64_t;
    static_assert(kKindCount <= 32, "two bits per kind in a Known");

    // Operator positions sorted by bracket depth, then position.
    using Occurrences = std::vector<std::pair<int, int>>;

    bool test(Kind kind, int begin, int end);
    bool anyOf(KindList kinds, int begin, int end);
    // With `split`, every split tried is recorded in it and the search goes in
    // text order through all occurrences; without, only splits that can be
    // balanced are tried.
    bool match(Kind kind, int begin, int end, Split* split);

    bool splitAtChar(char op, const Occurrences& at, int begin, int end, Split* split, Kind left, Kind right);
    bool splitAtWord(std::string_view word, const Occurrences& at, int begin, int end, Split* split, Kind left,
                     Kind right);
    bool splitArguments(int begin, int end, Split* split);
    bool isNegation(int begin, int end, Split* split);
    bool isFuncOne(int begin, int end, Split* split);
    bool isFuncTwo(int begin, int end, Split* split);
    bool isBracketed(int begin, int end);

    std::optional<double> number(int begin, int end) const;
    double* variable(int begin, int end) const;
    TMathProcedure function(const FunctionTable& table, int begin, int end) const;
    bool balanced(int begin, int end) const { return depth_[begin] == depth_[end]; }
    // Calls f(position) for the occurrences at `depth` in [from, to) until it returns true.
    template <class F>
    static bool anyOccurrence(const Occurrences& at, int depth, int from, int to, F f);
    Known& known(int begin, int end);
    std::string_view view(int begin, int end) const {
        return text_.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
    }
    int offsetOf(std::string_view term) const { return static_cast<int>(term.data() - text_.data()); }

    std::string_view text_;
    const NameTables& names_;
    // Characters a term can start and end with. Operators cannot, and
    // rejecting parts like "X*" at once keeps the search from exploring
    // every way to split a long text that cannot compile.
    std::array<bool, 256> canStart_{};
    std::array<bool, 256> canEnd_{};
    std::vector<int> depth_;     // "(" minus ")" before each position
    std::vector<int> nextOpen_;  // the first "(" at or after each position
    Occurrences plus_, minus_, times_, slash_, caret_, comma_, div_, mod_;
    // Answers for texts up to a length, indexed by begin * stride + end. From
    // calloc: the system hands out zeroed pages as they are first touched,
    // and only the parts the search looks at are touched.
    struct FreeDeleter {
        void operator()(Known* p) const { std::free(p); }
    };
    std::unique_ptr<Known[], FreeDeleter> dense_;
    std::unordered_map<std::uint64_t, Known> sparse_;
    int stride_ = 0;
    int nesting_ = 0;  // recognisers active at once, bounded to keep the stack safe
};

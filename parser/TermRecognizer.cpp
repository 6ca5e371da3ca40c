#include "parser/TermRecognizer.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>
#include <string>

#include <QChar>

#include "core/NumberRead.h"
#include "parser/ParserErrors.h"

namespace {

// Texts up to this length keep their answers in a table, longer ones in a hash.
constexpr int kDenseLimit = 1024;
// Recognisers active at once. A pair of redundant brackets costs two, an
// operator in a chain two or three; past this the stack of a sanitized build
// is at risk, and no expression within the grid's 20 levels comes near it.
constexpr int kMaxNesting = 2500;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Sign, digits, "." and digits, "E", sign and digits, with at least one digit
// before the exponent.
bool looksLikeNumber(std::string_view t) {
    size_t k = 0;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    size_t digits = 0;
    while (k < t.size() && isDigit(t[k])) ++k, ++digits;
    if (k < t.size() && t[k] == '.') {
        ++k;
        while (k < t.size() && isDigit(t[k])) ++k, ++digits;
    }
    if (digits == 0) return false;
    if (k < t.size() && t[k] == 'E') {
        ++k;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        size_t expDigits = 0;
        while (k < t.size() && isDigit(t[k])) ++k, ++expDigits;
        if (expDigits == 0) return false;
    }
    return k == t.size();
}

// What may be a number in the locale's own format; the reader decides.
bool mayBeLocaleNumber(std::string_view t) {
    return !t.empty() && t.find_first_of(" \t()*/^") == std::string_view::npos;
}

}  // namespace

TermRecognizer::TermRecognizer(std::string_view text, const NameTables& names) : text_(text), names_(names) {
    const int n = static_cast<int>(text.size());
    // Numbers start with a digit, ".", a sign or the P of PI and end with a
    // digit, "." or I; names are identifiers; everything else is a minus or
    // brackets around these. A locale's separator may be any character.
    auto allow = [](std::array<bool, 256>& set, std::string_view chars) {
        for (char c : chars) set[static_cast<unsigned char>(c)] = true;
    };
    constexpr std::string_view kNameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789.";
    allow(canStart_, kNameChars);
    allow(canStart_, "(+-");
    allow(canEnd_, kNameChars);
    allow(canEnd_, ")");
    if (!names.pascalNumberFormat) {
        canStart_.fill(true);
        canEnd_.fill(true);
    }
    depth_.assign(static_cast<size_t>(n) + 1, 0);
    nextOpen_.assign(static_cast<size_t>(n) + 1, n);
    for (int k = 0; k < n; ++k) {
        const char c = text[static_cast<size_t>(k)];
        depth_[k + 1] = depth_[k] + (c == '(') - (c == ')');
        const std::pair<int, int> at{depth_[k], k};
        switch (c) {
            case '+': plus_.push_back(at); break;
            case '-': minus_.push_back(at); break;
            case '*': times_.push_back(at); break;
            case '/': slash_.push_back(at); break;
            case '^': caret_.push_back(at); break;
            case ',': comma_.push_back(at); break;
            default: break;
        }
        const std::string_view word = text.substr(static_cast<size_t>(k), 3);
        if (word == "DIV") div_.push_back(at);
        if (word == "MOD") mod_.push_back(at);
    }
    for (int k = n - 1; k >= 0; --k) nextOpen_[k] = text[static_cast<size_t>(k)] == '(' ? k : nextOpen_[k + 1];
    for (Occurrences* o : {&plus_, &minus_, &times_, &slash_, &caret_, &comma_, &div_, &mod_}) {
        std::sort(o->begin(), o->end());
    }
    stride_ = n + 1;
    if (n < kDenseLimit) {
        dense_.reset(static_cast<Known*>(std::calloc(static_cast<size_t>(stride_) * static_cast<size_t>(stride_), sizeof(Known))));
        if (!dense_) throw std::bad_alloc();
    }
}

TermRecognizer::Known& TermRecognizer::known(int begin, int end) {
    const auto index = static_cast<std::uint64_t>(begin) * static_cast<std::uint64_t>(stride_) + static_cast<std::uint64_t>(end);
    return dense_ ? dense_[index] : sparse_[index];
}

bool TermRecognizer::test(Kind kind, int begin, int end) {
    const Known decided = Known{1} << kind;
    const Known passed = decided << 32;
    Known& k = known(begin, end);  // stays valid: the table never grows, hash nodes never move
    if (k & decided) return (k & passed) != 0;
    if (++nesting_ > kMaxNesting) throw ETooManyNestings("Expression contains too many nestings");
    const bool result = match(kind, begin, end, nullptr);
    --nesting_;
    k |= result ? decided | passed : decided;
    return result;
}

bool TermRecognizer::anyOf(KindList kinds, int begin, int end) {
    return std::any_of(kinds.begin(), kinds.end(), [&](Kind k) { return test(k, begin, end); });
}

template <class F>
bool TermRecognizer::anyOccurrence(const Occurrences& at, int depth, int from, int to, F f) {
    auto it = std::lower_bound(at.begin(), at.end(), std::pair<int, int>{depth, from});
    for (; it != at.end() && it->first == depth && it->second < to; ++it) {
        if (f(it->second)) return true;
    }
    return false;
}

bool TermRecognizer::match(Kind kind, int begin, int end, Split* split) {
    // Every recogniser needs equal bracket counts (by induction over the
    // kinds), so an empty or unbalanced part passes none.
    if (begin >= end || !balanced(begin, end)) return false;
    // Not while recording: the message shows splits even into such parts.
    if (!split && !(canStart_[static_cast<unsigned char>(text_[static_cast<size_t>(begin)])] &&
                    canEnd_[static_cast<unsigned char>(text_[static_cast<size_t>(end) - 1])])) {
        return false;
    }
    switch (kind) {
        case kNumber: return number(begin, end).has_value();
        case kVariable: return variable(begin, end) != nullptr;
        case kNegation: return isNegation(begin, end, split);
        case kSum: return splitAtChar('+', plus_, begin, end, split, kSumLeft, kSumRight);
        case kDifference: return splitAtChar('-', minus_, begin, end, split, kSumLeft, kDifferenceRight);
        case kProduct: return splitAtChar('*', times_, begin, end, split, kProductLeft, kDifferenceRight);
        case kIntDiv: return splitAtWord("DIV", div_, begin, end, split, kProductLeft, kQuotientRight);
        case kModulo: return splitAtWord("MOD", mod_, begin, end, split, kProductLeft, kQuotientRight);
        case kDivision: return splitAtChar('/', slash_, begin, end, split, kProductLeft, kQuotientRight);
        case kPower: return splitAtChar('^', caret_, begin, end, split, kPowerLeft, kPowerRight);
        case kFuncOne: return isFuncOne(begin, end, split);
        case kFuncTwo: return isFuncTwo(begin, end, split);
        case kBracketed: return isBracketed(begin, end);
        // Within a set the order only decides how soon the answer is found.
        case kExpression:
            return anyOf({kNumber, kVariable, kNegation, kSum, kDifference, kProduct, kIntDiv, kModulo, kDivision,
                          kPower, kFuncTwo, kFuncOne, kBracketed},
                         begin, end);
        case kNegated: return anyOf({kBracketed, kVariable, kPower, kFuncOne, kFuncTwo}, begin, end);
        case kSumLeft:
            return anyOf({kVariable, kNumber, kBracketed, kNegation, kDifference, kProduct, kIntDiv, kModulo,
                          kDivision, kPower, kFuncOne, kFuncTwo},
                         begin, end);
        case kSumRight:
            return anyOf({kVariable, kNumber, kBracketed, kSum, kDifference, kProduct, kIntDiv, kModulo, kDivision,
                          kPower, kFuncOne, kFuncTwo},
                         begin, end);
        case kDifferenceRight:
            return anyOf({kVariable, kNumber, kBracketed, kProduct, kIntDiv, kModulo, kDivision, kPower, kFuncOne,
                          kFuncTwo},
                         begin, end);
        case kProductLeft:
            return anyOf({kVariable, kNumber, kBracketed, kNegation, kIntDiv, kModulo, kDivision, kPower, kFuncOne,
                          kFuncTwo},
                         begin, end);
        case kQuotientRight: return anyOf({kVariable, kNumber, kBracketed, kPower, kFuncOne, kFuncTwo}, begin, end);
        case kPowerLeft: return anyOf({kVariable, kNumber, kBracketed, kFuncOne, kFuncTwo}, begin, end);
        case kPowerRight: return anyOf({kNumber, kVariable, kBracketed, kFuncOne, kFuncTwo}, begin, end);
        case kKindCount: break;
    }
    return false;
}

bool TermRecognizer::splitAtChar(char op, const Occurrences& at, int begin, int end, Split* split, Kind left,
                                 Kind right) {
    // An operator at the start (or, once reached, at the end) fails the
    // recogniser without looking further.
    if (text_[static_cast<size_t>(begin)] == op) return false;
    if (split) {
        for (int p = begin + 1; p < end - 1; ++p) {
            if (text_[static_cast<size_t>(p)] != op) continue;
            *split = {begin, p, p + 1, end};
            if (balanced(begin, p) && balanced(p + 1, end) && test(left, begin, p) && test(right, p + 1, end)) {
                return true;
            }
        }
        return false;
    }
    return anyOccurrence(at, depth_[begin], begin + 1, end - 1,
                         [&](int p) { return test(left, begin, p) && test(right, p + 1, end); });
}

bool TermRecognizer::splitAtWord(std::string_view word, const Occurrences& at, int begin, int end, Split* split,
                                 Kind left, Kind right) {
    const int width = static_cast<int>(word.size());
    if (split) {
        for (size_t found = text_.find(word, static_cast<size_t>(begin));
             found != std::string_view::npos && static_cast<int>(found) + width <= end;
             found = text_.find(word, found + 1)) {
            const int p = static_cast<int>(found);
            if (p == begin) continue;  // unlike the operator characters, the search goes on
            *split = {begin, p, p + width, end};
            if (balanced(begin, p) && balanced(p + width, end) && test(left, begin, p) &&
                test(right, p + width, end)) {
                return true;
            }
        }
        return false;
    }
    return anyOccurrence(at, depth_[begin], begin + 1, end - width + 1,
                         [&](int p) { return test(left, begin, p) && test(right, p + width, end); });
}

bool TermRecognizer::isNegation(int begin, int end, Split* split) {
    if (text_[static_cast<size_t>(begin)] != '-') return false;
    if (split) {
        split->leftBegin = begin + 1;
        split->leftEnd = end;
    }
    // A number after the minus never gets here: "-5" is a number itself.
    return test(kNegated, begin + 1, end);
}

bool TermRecognizer::isFuncOne(int begin, int end, Split* split) {
    const int open = nextOpen_[begin];
    if (open >= end || open == begin) return false;
    if (!function(names_.functionOne, begin, open) || !test(kBracketed, open, end)) return false;
    if (split) {
        split->leftBegin = open + 1;
        split->leftEnd = end - 1;
    }
    return true;
}

bool TermRecognizer::isFuncTwo(int begin, int end, Split* split) {
    const int open = nextOpen_[begin];
    if (open >= end || open == begin || text_[static_cast<size_t>(end) - 1] != ')') return false;
    if (!function(names_.functionTwo, begin, open)) return false;
    return splitArguments(open + 1, end - 1, split);
}

bool TermRecognizer::splitArguments(int begin, int end, Split* split) {
    if (begin >= end || text_[static_cast<size_t>(begin)] == ',') return false;
    if (split) {
        for (int p = begin + 1; p < end - 1; ++p) {
            if (text_[static_cast<size_t>(p)] != ',') continue;
            *split = {begin, p, p + 1, end};
            if (test(kExpression, begin, p) && test(kExpression, p + 1, end)) return true;
        }
        return false;
    }
    if (!balanced(begin, end)) return false;
    return anyOccurrence(comma_, depth_[begin], begin + 1, end - 1,
                         [&](int p) { return test(kExpression, begin, p) && test(kExpression, p + 1, end); });
}

bool TermRecognizer::isBracketed(int begin, int end) {
    return end - begin >= 2 && text_[static_cast<size_t>(begin)] == '(' &&
           text_[static_cast<size_t>(end) - 1] == ')' && test(kExpression, begin + 1, end - 1);
}

std::optional<double> TermRecognizer::number(int begin, int end) const {
    const std::string_view t = view(begin, end);
    if (t == "PI") return std::numbers::pi;
    if (t == "-PI") return -std::numbers::pi;
    if (names_.pascalNumberFormat) {
        if (!looksLikeNumber(t)) return std::nullopt;
        return kv::tryReadFloat(std::string(t), QChar('.'));
    }
    if (!mayBeLocaleNumber(t)) return std::nullopt;
    return kv::tryReadFloat(std::string(t));
}

double* TermRecognizer::variable(int begin, int end) const {
    auto it = names_.variables.find(view(begin, end));
    return it == names_.variables.end() ? nullptr : it->second;
}

TMathProcedure TermRecognizer::function(const FunctionTable& table, int begin, int end) const {
    auto it = table.find(view(begin, end));
    return it == table.end() ? nullptr : it->second;
}

std::string_view TermRecognizer::stripBrackets(std::string_view term) {
    int begin = offsetOf(term);
    int end = begin + static_cast<int>(term.size());
    while (test(kBracketed, begin, end)) ++begin, --end;
    return view(begin, end);
}

namespace {

// The token of a power with a number for its exponent, chosen once here so
// that the common small powers need no loop at run time.
TToken powerToken(double exponent) {
    if (std::trunc(exponent) != exponent) return TToken::realpower;
    if (exponent == 2) return TToken::square;
    if (exponent == 3) return TToken::third;
    if (exponent == 4) return TToken::fourth;
    return TToken::integerpower;
}

}  // namespace

std::optional<Classification> TermRecognizer::classify(TermRecord& term) {
    const int begin = offsetOf(term.Text);
    const int end = begin + static_cast<int>(term.Text.size());
    Classification c;
    // Variables first, so that a variable named PI hides the constant.
    if (double* v = variable(begin, end)) {
        c.token = TToken::variab;
        c.variable = v;
    } else if (std::optional<double> n = number(begin, end)) {
        c.token = TToken::constant;
        c.number = *n;
    } else {
        static constexpr std::pair<Kind, TToken> kOrder[] = {
            {kNegation, TToken::minus},    {kSum, TToken::sum},         {kDifference, TToken::diff},
            {kProduct, TToken::prod},      {kIntDiv, TToken::IntDiv},   {kModulo, TToken::modulo},
            {kDivision, TToken::divis},    {kPower, TToken::realpower}, {kFuncOne, TToken::FuncOneVar},
            {kFuncTwo, TToken::FuncTwoVar}};
        Split split;  // shared by all recognisers: the last split tried wins
        bool found = false;
        for (auto [kind, token] : kOrder) {
            if (match(kind, begin, end, &split)) {
                c.token = token;
                found = true;
                break;
            }
        }
        if (split.leftBegin >= 0) term.LeftText = view(split.leftBegin, split.leftEnd);
        if (split.rightBegin >= 0) term.RightText = view(split.rightBegin, split.rightEnd);
        if (!found) return std::nullopt;
        if (c.token == TToken::realpower) {
            if (std::optional<double> e = number(split.rightBegin, split.rightEnd)) c.token = powerToken(*e);
        } else if (c.token == TToken::FuncOneVar || c.token == TToken::FuncTwoVar) {
            const FunctionTable& table = c.token == TToken::FuncOneVar ? names_.functionOne : names_.functionTwo;
            c.routine = function(table, begin, nextOpen_[begin]);
        }
        term.LeftText = stripBrackets(term.LeftText);
        if (split.rightBegin >= 0) term.RightText = stripBrackets(term.RightText);
    }
    return c;
}

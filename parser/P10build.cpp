#include "parser/P10build.h"

#include <algorithm>
#include <optional>
#include <string>

#include "parser/OperationGrid.h"
#include "parser/ParserErrors.h"
#include "parser/TermRecognizer.h"

namespace {

// Only character 32 counts as a blank.
std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool hasTwoOperands(TToken token) {
    switch (token) {
        case TToken::sum:
        case TToken::diff:
        case TToken::prod:
        case TToken::divis:
        case TToken::modulo:
        case TToken::IntDiv:
        case TToken::integerpower:
        case TToken::realpower:
        case TToken::FuncTwoVar: return true;
        default: return false;
    }
}

std::string syntaxMessage(const TermRecord& term) {
    std::string message = "Error parsing expression:";
    if (term.LeftText != " " || term.RightText != " ") {
        message += '\r';
        message += term.LeftText;
        message += '\r';
        message += term.RightText;
    } else {
        message += '\r';
        message += term.Text;
    }
    return message;
}

// Walks the term tree depth first, first operand before second, filling the grid.
class TreeBuilder {
public:
    TreeBuilder(TermRecognizer& recognizer, OperationGrid& grid) : recognizer_(recognizer), grid_(grid) {}

    void visit(TermRecord& term) {
        const std::optional<Classification> kind = recognizer_.classify(term);
        if (!kind) throw ESyntaxError(syntaxMessage(term));
        if (kind->token == TToken::variab) {
            feed(term, {kind->variable, -1});
            return;
        }
        if (kind->token == TToken::constant) {
            feed(term, grid_.addConstant(kind->number));
            return;
        }
        const int level = term.Level + 1;
        if (level >= OperationGrid::kLevels) throw ETooManyNestings("Expression contains too many nestings");
        const int position = grid_.counter(level) + 1;
        if (position > OperationGrid::kPositions) throw EExpressionTooComplex("Expression is too complex");
        feed(term, grid_.addOperation(level, kind->token, kind->routine));

        TermRecord first;
        first.Text = term.LeftText;
        first.Level = level;
        first.Position = position;
        first.Side = 1;
        const bool twoOperands = hasTwoOperands(kind->token);
        if (!twoOperands) grid_.count(level);
        visit(first);
        if (!twoOperands) return;

        TermRecord second;
        second.Text = term.RightText;
        second.Level = level;
        second.Position = position;  // nothing at this level was counted meanwhile
        second.Side = 2;
        grid_.count(level);
        visit(second);
    }

private:
    void feed(const TermRecord& term, OperationGrid::CellRef ref) {
        if (term.Side != 1 && term.Side != 2) throw EParserInternalError("TParser internal error");
        grid_.setOperand(term.Level, term.Position, term.Side, ref);
    }

    TermRecognizer& recognizer_;
    OperationGrid& grid_;
};

}  // namespace

std::unique_ptr<OperationList> ParseFunction(std::string_view text, const NameTables& names) {
    const std::string prepared = asciiUpper(text);
    std::string_view term = trimBlanks(prepared);
    if (term.find(' ') != std::string_view::npos) throw EExpressionHasBlanks("Expression has blanks");
    if (std::count(term.begin(), term.end(), '(') != std::count(term.begin(), term.end(), ')')) {
        throw EMissMatchingBracket("Missing brackets in expression");
    }
    TermRecognizer recognizer(term, names);
    TermRecord root;
    root.Text = recognizer.stripBrackets(term);
    OperationGrid grid;
    TreeBuilder(recognizer, grid).visit(root);
    return grid.link();
}

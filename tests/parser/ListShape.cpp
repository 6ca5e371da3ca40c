#include "tests/parser/ListShape.h"

#include <map>
#include <sstream>

#include "core/NumberFormat.h"
#include "parser/BuiltInFunctions.h"

namespace {

const char* tokenName(TToken t) {
    static const char* const names[] = {"variab", "constant", "minus",        "sum",       "diff",   "prod",
                                        "divis",  "modulo",   "IntDiv",       "integerpower", "realpower",
                                        "square", "third",    "fourth",       "FuncOneVar", "FuncTwoVar"};
    return names[static_cast<int>(t)];
}

std::string functionName(TMathProcedure routine) {
    for (const NamedFunction& f : builtInFunctionsOne()) {
        if (f.routine == routine) return f.name;
    }
    for (const NamedFunction& f : builtInFunctionsTwo()) {
        if (f.routine == routine) return f.name;
    }
    return "?";
}

class Renderer {
public:
    explicit Renderer(TPars& p) {
        const std::pair<const char*, double*> fields[] = {{"A", &p.A}, {"B", &p.B}, {"C", &p.C}, {"D", &p.D},
                                                          {"E", &p.E}, {"X", &p.X}, {"Y", &p.Y}, {"T", &p.T}};
        for (auto [name, cell] : fields) names_[cell] = name;
        for (TOperation* op = p.FirstOperation(); op; op = op->NextOperation) producer_[op->Dest] = op;
    }

    std::string operand(const double* cell) {
        if (!cell) return "null";
        if (auto it = producer_.find(cell); it != producer_.end()) return operation(it->second);
        if (auto it = names_.find(cell); it != names_.end()) return it->second;
        return kv::formatGeneral(*cell, QChar('.'));  // a constant
    }

    std::string operation(const TOperation* op) {
        if (op->Token == TToken::variab) {  // the whole expression is one variable or constant
            return names_.count(op->Arg1) ? names_[op->Arg1] : kv::formatGeneral(*op->Arg1, QChar('.'));
        }
        std::string head = op->Token == TToken::FuncOneVar || op->Token == TToken::FuncTwoVar
                               ? functionName(op->Operation)
                               : tokenName(op->Token);
        std::string s = head + "(" + operand(op->Arg1);
        if (op->Arg2) s += "," + operand(op->Arg2);
        return s + ")";
    }

private:
    std::map<const double*, std::string> names_;
    std::map<const double*, const TOperation*> producer_;
};

}  // namespace

std::string listShape(TPars& parser) {
    TOperation* last = parser.FirstOperation();
    if (!last) return "";
    while (last->NextOperation) last = last->NextOperation;
    return Renderer(parser).operation(last);
}

std::string tokenOrder(TPars& parser) {
    std::ostringstream s;
    for (TOperation* op = parser.FirstOperation(); op; op = op->NextOperation) {
        if (op != parser.FirstOperation()) s << ' ';
        s << tokenName(op->Token);
    }
    return s.str();
}

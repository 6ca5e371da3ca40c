#include "parser/Parser10.h"

#include <algorithm>

#include "parser/BuiltInFunctions.h"
#include "parser/OperationList.h"
#include "parser/P10build.h"

namespace {

bool isIdentifier(std::string_view name) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return !name.empty() && letter(name.front()) &&
           std::all_of(name.begin() + 1, name.end(), [&](char c) { return letter(c) || digit(c); });
}

}  // namespace

TCustomParser::TCustomParser() = default;

TCustomParser::~TCustomParser() = default;  // the list goes before the cells it points at

double TCustomParser::Value() { return list_ ? list_->evaluate() : 0.0; }

void TCustomParser::Values(const double* xs, double* ys, size_t n, size_t& done) {
    if (list_) return list_->evaluateOver(&X, xs, ys, n, done);
    std::fill(ys, ys + n, 0.0);
    if (n > 0) X = xs[n - 1];
    done = n;
}

void TCustomParser::SetExpression(const std::string& text) { ParseExpression(text); }

bool TCustomParser::ParseExpression(const std::string& text) {
    FreeExpression();
    expression_ = text;
    if (text.empty()) return false;
    try {
        list_ = ParseFunction(text, NameTables{variables_, functionOne_, functionTwo_, PascalNumberformat});
        parserError_ = false;
        list_->assignBuiltInRoutines();
        return true;
    } catch (const kv::Error& e) {
        parserError_ = true;
        if (!OnParserError) throw;
        OnParserError(*this, e);
        return false;
    }
}

POperation TCustomParser::FirstOperation() const { return list_ ? list_->first() : nullptr; }

void TCustomParser::FreeExpression() { list_.reset(); }

double* TCustomParser::builtInField(std::string_view upperName) {
    if (upperName.size() != 1) return nullptr;
    switch (upperName.front()) {
        case 'A': return &A;
        case 'B': return &B;
        case 'C': return &C;
        case 'D': return &D;
        case 'E': return &E;
        case 'X': return &X;
        case 'Y': return &Y;
        case 'T': return &T;
        default: return nullptr;
    }
}

void TCustomParser::addBuiltInVariable(const char* name, double* field) { variables_.emplace(name, field); }

double* TCustomParser::SetVariable(std::string_view name, double value) {
    const std::string upper = asciiUpper(name);
    if (auto it = variables_.find(upper); it != variables_.end()) {
        *it->second = value;
        return it->second;
    }
    double* cell = builtInField(upper);
    if (!cell) {
        if (!isIdentifier(upper)) throw EBadName(upper);
        cell = ownedCells_.emplace(upper, std::make_unique<double>()).first->second.get();
    }
    *cell = value;
    variables_.emplace(upper, cell);
    return cell;
}

double TCustomParser::GetVariable(std::string_view name) const {
    auto it = variables_.find(asciiUpper(name));
    return it == variables_.end() ? 0.0 : *it->second;
}

bool TCustomParser::VariableExists(std::string_view name) const {
    return variables_.find(asciiUpper(name)) != variables_.end();
}

void TCustomParser::removeVariableEntry(VariableTable::iterator it) {
    ownedCells_.erase(it->first);  // nothing for the built-in fields
    variables_.erase(it);
}

void TCustomParser::ClearVariable(std::string_view name) {
    // The list may read the cell: it goes first.
    FreeExpression();
    if (auto it = variables_.find(asciiUpper(name)); it != variables_.end()) removeVariableEntry(it);
    SetExpression("");
}

void TCustomParser::ClearVariables() {
    FreeExpression();
    while (!variables_.empty()) removeVariableEntry(variables_.begin());
    SetExpression("");
}

void TCustomParser::addFunction(FunctionTable& table, std::string_view name, TMathProcedure routine) {
    if (!isIdentifier(name)) throw EBadName(std::string(name));
    if (!table.emplace(asciiUpper(name), routine).second) {
        throw kv::Error("String list does not allow duplicates");
    }
}

void TCustomParser::AddFunctionOneParam(std::string_view name, TMathProcedure routine) {
    addFunction(functionOne_, name, routine);
}

void TCustomParser::AddFunctionTwoParam(std::string_view name, TMathProcedure routine) {
    addFunction(functionTwo_, name, routine);
}

void TCustomParser::ClearFunction(std::string_view name) {
    const std::string upper = asciiUpper(name);
    if (functionOne_.erase(upper) == 0 && functionTwo_.erase(upper) == 0) return;
    SetExpression("");
}

void TCustomParser::ClearFunctions() {
    functionOne_.clear();
    functionTwo_.clear();
    SetExpression("");
}

TPars::TPars() {
    addBuiltInVariable("A", &A);
    addBuiltInVariable("B", &B);
    addBuiltInVariable("C", &C);
    addBuiltInVariable("D", &D);
    addBuiltInVariable("E", &E);
    addBuiltInVariable("X", &X);
    addBuiltInVariable("Y", &Y);
    addBuiltInVariable("T", &T);
    for (const NamedFunction& f : builtInFunctionsOne()) AddFunctionOneParam(f.name, f.routine);
    for (const NamedFunction& f : builtInFunctionsTwo()) AddFunctionTwoParam(f.name, f.routine);
}

std::string TPars::RemoveBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ') s.push_back(c);
    }
    return s;
}

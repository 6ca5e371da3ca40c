#pragma once
// The expression parser component: compile a formula once by assigning it,
// then evaluate it as often as needed, with new variable values each time.
//
//     TPars p;
//     p.SetExpression("((1/2)*x^2)-4*x+a+b*c");  // compiles; throws EMathParserError
//     p.X = 2; p.A = 5; p.B = 3; p.C = 4;
//     double y = p.Value();                       // 11; throws kv::Error on a fault
//
// Names are case-insensitive. Numbers use "." whatever the locale (unless
// PascalNumberformat is switched off). The grouping rules are the program's
// own: "+" and "*" group to the right, "-", "/", DIV and MOD to the left, "^"
// binds tightest and cannot be chained, and a leading minus applies to the
// following power or primary only.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "parser/NameTables.h"
#include "parser/ParserErrors.h"
#include "parser/ParserTypes.h"

class OperationList;

class TCustomParser {
public:
    using TParserExceptionEvent = std::function<void(TCustomParser& sender, const kv::Error& error)>;

    TCustomParser();
    virtual ~TCustomParser();
    TCustomParser(const TCustomParser&) = delete;  // compiled lists point at this parser's cells
    TCustomParser& operator=(const TCustomParser&) = delete;

    // The cells of the built-in variables, read by a compiled list at every evaluation.
    double A = 0, B = 0, C = 0, D = 0, E = 0, X = 0, Y = 0, T = 0;

    // Selects the number syntax: "." as separator (true) or the locale's (false).
    bool PascalNumberformat = true;

    // Called instead of throwing when a compile fails; the error is consumed.
    TParserExceptionEvent OnParserError;

    // Evaluates the compiled list: 0 when there is none. Floating-point faults
    // throw kv::Error ("Invalid floating point operation", "Floating point
    // division by zero", "Floating point overflow"); DIV and MOD by zero throw
    // "Division by zero". The list stays valid after an error.
    double Value();

    // Value() for X = xs[k] into ys[k], k from 0 to n - 1, the other
    // variables as they are: the same values bit for bit, many times faster
    // for long runs (the list is run over blocks of X values). Stops with
    // the error Value() gives for the first X that fails, after writing the
    // values before it; `done` counts the values written. X is left at the
    // last value evaluated.
    void Values(const double* xs, double* ys, size_t n, size_t& done);

    const std::string& Expression() const { return expression_; }
    // Compiles `text`; see ParseExpression.
    void SetExpression(const std::string& text);
    // Discards the previous list, keeps `text` as the expression and compiles
    // it. Returns false for the empty text (nothing to compile) and, when
    // OnParserError takes the error, for a text that does not compile.
    bool ParseExpression(const std::string& text);
    // True after a compile that failed.
    bool ParserError() const { return parserError_; }
    // The head of the compiled list, null when there is none.
    POperation FirstOperation() const;

    // Sets a variable, creating it when new: the eight single letters bind to
    // their fields again, other names must be identifiers (else EBadName).
    // Returns the variable's cell.
    double* SetVariable(std::string_view name, double value);
    double* SetVar(std::string_view name, double value) { return SetVariable(name, value); }
    // 0 for an unknown name.
    double GetVariable(std::string_view name) const;
    bool VariableExists(std::string_view name) const;
    // Removing a variable also clears the expression.
    void ClearVariable(std::string_view name);
    void ClearVariables();

    // The name must be an identifier (else EBadName); a name already in the
    // table fails with "String list does not allow duplicates".
    void AddFunctionOneParam(std::string_view name, TMathProcedure routine);
    void AddFunctionTwoParam(std::string_view name, TMathProcedure routine);
    // Removing a function also clears the expression.
    void ClearFunction(std::string_view name);
    void ClearFunctions();

    // Releases the compiled list (never a variable's cell).
    void FreeExpression();

protected:
    void addBuiltInVariable(const char* name, double* field);

private:
    // The field of a built-in variable's single-letter name, else null.
    double* builtInField(std::string_view upperName);
    void addFunction(FunctionTable& table, std::string_view name, TMathProcedure routine);
    void removeVariableEntry(VariableTable::iterator it);

    std::string expression_;
    bool parserError_ = false;
    VariableTable variables_;
    std::map<std::string, std::unique_ptr<double>, std::less<>> ownedCells_;  // variables without a field
    FunctionTable functionOne_;
    FunctionTable functionTwo_;
    std::unique_ptr<OperationList> list_;
};

// The parser with the eight variables A, B, C, D, E, X, Y, T and the built-in
// function set (24 functions of one argument, 6 of two).
class TPars : public TCustomParser {
public:
    TPars();

    // The text without any blank (character 32).
    static std::string RemoveBlanks(std::string_view text);
};

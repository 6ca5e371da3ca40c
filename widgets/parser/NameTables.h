#pragma once
// The names an expression may use. Keys are upper case; lookups take views of
// the (upper-cased) expression text without copying it.
#include <map>
#include <string>

#include "widgets/parser/ParserTypes.h"

using VariableTable = std::map<std::string, double*, std::less<>>;
using FunctionTable = std::map<std::string, TMathProcedure, std::less<>>;

struct NameTables {
    const VariableTable& variables;
    const FunctionTable& functionOne;  // functions of one argument
    const FunctionTable& functionTwo;  // functions of two arguments
    bool pascalNumberFormat = true;    // "." always, else the locale's separator
};

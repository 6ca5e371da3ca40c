#pragma once
// The names an expression may use. Keys are upper case; lookups take views of
// the (upper-cased) expression text without copying it.
#include <map>
#include <string>
#include <string_view>

#include "parser/ParserTypes.h"

using VariableTable = std::map<std::string, double*, std::less<>>;
using FunctionTable = std::map<std::string, TMathProcedure, std::less<>>;

// The key form of a name or an expression: ASCII letters in upper case,
// every other byte as it is (whatever the locale).
inline std::string asciiUpper(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

struct NameTables {
    const VariableTable& variables;
    const FunctionTable& functionOne;  // functions of one argument
    const FunctionTable& functionTwo;  // functions of two arguments
    bool pascalNumberFormat = true;    // "." always, else the locale's separator
};

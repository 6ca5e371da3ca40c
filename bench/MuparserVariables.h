#pragma once
// muparser with the variables of the compared formulas, x, a, b and c, each
// bound to a field here as TPars binds its letters to its own fields.
#include <muParser.h>

struct MuparserVariables {
    double x = 0, a = 0, b = 0, c = 0;
    mu::Parser parser;

    MuparserVariables() {
        parser.DefineVar("x", &x);
        parser.DefineVar("a", &a);
        parser.DefineVar("b", &b);
        parser.DefineVar("c", &c);
    }
    MuparserVariables(const MuparserVariables&) = delete;  // the parser points at the fields
    MuparserVariables& operator=(const MuparserVariables&) = delete;
};

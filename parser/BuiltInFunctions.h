#pragma once
// The function set every TPars starts with: 24 functions of one argument and
// 6 of two. Angles are in radians.
#include <span>

#include "parser/ParserTypes.h"

struct NamedFunction {
    const char* name;  // upper case
    TMathProcedure routine;
};

// In the order they are registered.
std::span<const NamedFunction> builtInFunctionsOne();
std::span<const NamedFunction> builtInFunctionsTwo();

// Whether the routine belongs to the function set (and so has no effect
// beyond its result cell and the random generator).
bool isBuiltInFunction(TMathProcedure routine);

// Built in and free of state: the same arguments always give the same result
// (all but the random functions).
bool isPureBuiltInFunction(TMathProcedure routine);

// The routine of a built-in function by its upper-case name, null for none.
TMathProcedure builtInFunction(const char* name);

#pragma once
// Renders a compiled operation list as nested calls ("sum(A,prod(B,C))") by
// following which operation's result each operand reads, so that tests can
// state the grouping the compiler chose.
#include <string>

#include "parser/Parser10.h"

std::string listShape(TPars& parser);
// The tokens in running order ("prod divis sum").
std::string tokenOrder(TPars& parser);

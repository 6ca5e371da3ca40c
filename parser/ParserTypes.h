#pragma once
// The compiled form of an expression: a flat list of operations on cells.
//
// A cell is a double. Variables, constants and intermediate results all live
// in cells, and an operation only holds pointers to them, so assigning a
// variable is seen by the next evaluation without compiling again.
#include <cstdint>

// The kind of an operation. The ordinals are fixed: everything up to `fourth`
// is computed by the parser itself, the two function kinds by a routine taken
// from a function table.
enum class TToken : std::uint8_t {
    variab,
    constant,
    minus,
    sum,
    diff,
    prod,
    divis,
    modulo,
    IntDiv,
    integerpower,
    realpower,
    square,
    third,
    fourth,
    FuncOneVar,
    FuncTwoVar,
};

struct TOperation;
using POperation = TOperation*;

// Reads the cell at Arg1 (and Arg2 for two operands) and writes the cell at
// Dest. Host functions added to a parser follow the same contract.
using TMathProcedure = void (*)(TOperation* operation);

struct TOperation {
    double* Arg1 = nullptr;
    double* Arg2 = nullptr;  // null for one-operand kinds
    double* Dest = nullptr;
    POperation NextOperation = nullptr;  // null at the end of the list
    TMathProcedure Operation = nullptr;
    TToken Token = TToken::variab;
};

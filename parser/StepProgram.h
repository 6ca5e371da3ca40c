#pragma once
// What the evaluator runs: the operation list decoded once into steps whose
// arithmetic is done in place instead of a call through each operation's
// routine, whose operands are read without going through the operation, and
// where a step that reads the result of the step just before takes it from
// a register. Every step computes exactly what its operation's routine does.
#include <cstdint>
#include <span>
#include <vector>

#include "parser/ParserTypes.h"

enum class StepKind : std::uint8_t { call, sum, diff, prod, divis, minus, square, sqrt, abs, sin, cos, exp, ln };

struct Step {
    StepKind kind = StepKind::call;
    const double* arg1 = nullptr;
    const double* arg2 = nullptr;
    double* dest = nullptr;
    TOperation* operation = nullptr;  // what `call` runs
};

// The steps of the given operations, which must list every producer before
// its consumers. With `reorder`, in the order of a depth-first walk from the
// last operation (each operation right after its second operand's), which
// computes the same values when no step has effects beyond its cell.
std::vector<Step> decodeSteps(std::span<TOperation* const> operations, bool reorder);

// The steps as runSteps takes them, ending in a mark.
struct Instruction {
    std::uint8_t code = 0;
    const double* arg1 = nullptr;
    const double* arg2 = nullptr;
    double* dest = nullptr;
    TOperation* operation = nullptr;
};
std::vector<Instruction> threadSteps(const std::vector<Step>& steps);

// Runs the steps up to the end mark (parser/StepRun.h).

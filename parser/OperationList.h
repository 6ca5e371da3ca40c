#pragma once
// A compiled expression: the operations in the order they run, with the
// result and constant cells they own.
#include <cstdint>
#include <memory>
#include <vector>

#include "parser/ParserTypes.h"
#include "parser/StepProgram.h"

class OperationList {
public:
    // `operations` in running order (their NextOperation links are set
    // here); `cells` holds every result and constant cell they point into.
    OperationList(std::vector<TOperation> operations, std::unique_ptr<double[]> cells, size_t cellCount);
    OperationList(const OperationList&) = delete;
    OperationList& operator=(const OperationList&) = delete;

    TOperation* first() { return operations_.data(); }

    // Gives the built-in routines to the kinds up to TToken::fourth; call once.
    void assignBuiltInRoutines();

    // Runs every operation and returns the last one's result. The first
    // operation that faults stops the evaluation with its error (kv::Error);
    // the list stays valid.
    double evaluate();

    // Evaluates the list for `variable` = xs[k] into ys[k], k from 0 to n - 1,
    // with every other cell as it is, giving each value evaluate() gives.
    // Stops with the error of the first x that faults, after writing the
    // values before it; `done` counts the values written. The variable holds
    // the last x evaluated (the failing one after an error). Other cells may
    // be left as after any x of the batch.
    void evaluateOver(double* variable, const double* xs, double* ys, size_t n, size_t& done);

private:
    void settleConstants();
    double evaluateCheckingEachStep();
    double runAgainCheckingEachStep(std::uint32_t seed);
    void evaluateEach(double* variable, const double* xs, double* ys, size_t n, size_t& done);

    std::vector<TOperation> operations_;
    std::unique_ptr<double[]> cells_;
    size_t cellCount_;
    // What the fast path runs: every operation until one evaluation has
    // succeeded, then only those whose operands can change (an operation on
    // constants gives the same value every time, so its cell keeps it).
    std::vector<Step> allSteps_;
    std::vector<Step> varyingSteps_;
    std::vector<Instruction> allProgram_;
    std::vector<Instruction> varyingProgram_;
    const Instruction* program_ = nullptr;  // what the fast path runs; none for host functions
    bool constantsSettled_ = false;
    // Host functions may have effects of their own, so they must never run
    // twice: lists that call one check the flags after every step.
    bool checkEachStep_ = false;
    // Random functions draw in the order of the steps, so a batch that ran
    // step by step over many x would draw in another order than one x at a time.
    bool drawsRandom_ = false;
    // The batch's scratch: one block of values per step.
    std::vector<double> blockCells_;
};

#pragma once
// A compiled expression: the operations in the order they run, with the
// result and constant cells they own.
#include <cstdint>
#include <memory>
#include <vector>

#include "parser/ParserTypes.h"

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

private:
    bool faultSuspected() const;
    double evaluateCheckingEachStep();
    double runAgainCheckingEachStep(std::uint32_t seed);

    std::vector<TOperation> operations_;
    std::unique_ptr<double[]> cells_;
    size_t cellCount_;
    // What the fast path runs: every operation until one evaluation has
    // succeeded, then only those whose operands can change (an operation on
    // constants gives the same value every time, so its cell keeps it).
    std::vector<TOperation*> allSteps_;
    std::vector<TOperation*> varyingSteps_;
    bool constantsSettled_ = false;
    // Host functions may have effects of their own, so they must never run
    // twice: lists that call one check the flags after every step.
    bool checkEachStep_ = false;
};

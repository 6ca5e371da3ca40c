#include "parser/OperationList.h"

#include <cfenv>

#include "core/FloatErrors.h"
#include "parser/BuiltInFunctions.h"
#include "parser/ProcessRandom.h"
#include "parser/SseFaults.h"
#include "parser/StepRun.h"
#include "parser/TokenRoutines.h"

namespace {

// Clears the fault flags for a careful run and puts the ones that were up
// before back afterwards.
class FaultFlagsScope {
public:
    FaultFlagsScope() : earlier_(std::fetestexcept(kFaults)) {
        if (earlier_ != 0) std::fegetexceptflag(&saved_, kFaults);
        std::feclearexcept(kFaults);
    }
    ~FaultFlagsScope() {
        std::feclearexcept(kFaults);
        if (earlier_ != 0) std::fesetexceptflag(&saved_, earlier_);
    }
    FaultFlagsScope(const FaultFlagsScope&) = delete;
    FaultFlagsScope& operator=(const FaultFlagsScope&) = delete;

private:
    int earlier_;
    std::fexcept_t saved_{};
};

// Whether the operation gives the same result whenever its operands do.
bool isPure(const TOperation& op) {
    if (op.Token == TToken::variab || op.Token == TToken::constant) return false;
    if (op.Token <= TToken::fourth) return true;
    return isPureBuiltInFunction(op.Operation);
}

}  // namespace

OperationList::OperationList(std::vector<TOperation> operations, std::unique_ptr<double[]> cells, size_t cellCount)
    : operations_(std::move(operations)), cells_(std::move(cells)), cellCount_(cellCount) {
    for (size_t k = 0; k + 1 < operations_.size(); ++k) operations_[k].NextOperation = &operations_[k + 1];
    operations_.back().NextOperation = nullptr;
}

void OperationList::assignBuiltInRoutines() {
    for (TOperation& op : operations_) {
        if (op.Token <= TToken::fourth) {
            op.Operation = builtInRoutine(op.Token);
        } else if (!isBuiltInFunction(op.Operation)) {
            checkEachStep_ = true;
        } else if (!isPureBuiltInFunction(op.Operation)) {
            drawsRandom_ = true;
        }
    }
    // Cells no operation writes are constants; an operation is constant when
    // it is pure and reads only constants. Producers come before consumers.
    std::vector<TOperation*> all, varying;
    std::vector<bool> constantCell(cellCount_, true);
    auto cellIndex = [this](const double* p) -> std::ptrdiff_t {
        return p >= cells_.get() && p < cells_.get() + cellCount_ ? p - cells_.get() : -1;
    };
    for (const TOperation& op : operations_) {
        if (std::ptrdiff_t d = cellIndex(op.Dest); d >= 0) constantCell[static_cast<size_t>(d)] = false;
    }
    auto isConstant = [&](const double* p) {
        const std::ptrdiff_t k = cellIndex(p);
        return p == nullptr || (k >= 0 && constantCell[static_cast<size_t>(k)]);
    };
    for (TOperation& op : operations_) {
        all.push_back(&op);
        if (isPure(op) && isConstant(op.Arg1) && isConstant(op.Arg2)) {
            constantCell[static_cast<size_t>(cellIndex(op.Dest))] = true;
        } else {
            varying.push_back(&op);
        }
    }
    // Steps with effects (host functions, random draws) keep the list's order.
    const bool reorder = !checkEachStep_ && !drawsRandom_;
    allSteps_ = decodeSteps(all, reorder);
    varyingSteps_ = decodeSteps(varying, reorder);
    allProgram_ = threadSteps(allSteps_);
    varyingProgram_ = threadSteps(varyingSteps_);
    program_ = checkEachStep_ ? nullptr : constantsSettled_ ? varyingProgram_.data() : allProgram_.data();
}

void OperationList::settleConstants() {
    constantsSettled_ = true;
    if (program_) program_ = varyingProgram_.data();
}


double OperationList::evaluate() {
    // Fast path: run everything, then look for signs of a fault: an SSE flag
    // or an extended routine's note. Only then is the list run again step by
    // step to find the operation that faulted first (later steps may add
    // other faults, such as inf - inf after a division by zero). Lists with
    // host functions have no fast program.
    if (!program_ || sseFaults() != 0) [[unlikely]]
        return evaluateCheckingEachStep();
    const std::uint32_t seed = kv::randomSeed();
    clearHiddenFault();
    try {
        runSteps(program_);
    } catch (...) {
        // The steps may run in another order than the list's, so a step
        // that throws need not be the list's first to fail.
        return runAgainCheckingEachStep(seed);
    }
    if (sseFaults() != 0 || hiddenFaultNoted()) [[unlikely]]
        return runAgainCheckingEachStep(seed);
    if (!constantsSettled_) [[unlikely]]
        settleConstants();
    return *operations_.back().Dest;
}

double OperationList::runAgainCheckingEachStep(std::uint32_t seed) {
    // The SSE flags were clear when the fast run began, so clearing them
    // restores what the evaluation found. The x87 flags were not looked at;
    // the careful run keeps whatever they hold now. The generator draws the
    // same numbers a second time.
    clearSseFaults();
    kv::setRandomSeed(seed);
    return evaluateCheckingEachStep();
}

double OperationList::evaluateCheckingEachStep() {
    FaultFlagsScope scope;
    for (TOperation* op = operations_.data(); op; op = op->NextOperation) {
        op->Operation(op);
        if (std::fetestexcept(kFaults) != 0) kv::throwIfFloatFault();
    }
    settleConstants();
    return *operations_.back().Dest;
}

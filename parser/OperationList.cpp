#include "parser/OperationList.h"

#include <cfenv>

#include "core/FloatErrors.h"
#include "parser/BuiltInFunctions.h"
#include "parser/ProcessRandom.h"
#include "parser/TokenRoutines.h"

namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Fault flags of the SSE unit, where the double routines compute. Reading
// them costs a cycle or two, while reading the x87 status word waits for
// every x87 instruction in flight and would double the time of a short
// evaluation; the extended-precision routines note their faults instead
// (storeExtended).
inline int sseFaults() {
#if defined(__x86_64__) && defined(__GNUC__)
    unsigned int csr = 0;
    asm volatile("stmxcsr %0" : "=m"(csr)::"memory");
    return static_cast<int>(csr) & kFaults;  // same bit positions as FE_*
#else
    return std::fetestexcept(kFaults);
#endif
}

void clearSseFaults() {
#if defined(__x86_64__) && defined(__GNUC__)
    unsigned int csr = 0;
    asm volatile("stmxcsr %0" : "=m"(csr)::"memory");
    csr &= ~static_cast<unsigned int>(kFaults);
    asm volatile("ldmxcsr %0" ::"m"(csr) : "memory");
#else
    std::feclearexcept(kFaults);
#endif
}

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
        }
    }
    // Cells no operation writes are constants; an operation is constant when
    // it is pure and reads only constants. Producers come before consumers.
    allSteps_.clear();
    varyingSteps_.clear();
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
        allSteps_.push_back(&op);
        if (isPure(op) && isConstant(op.Arg1) && isConstant(op.Arg2)) {
            constantCell[static_cast<size_t>(cellIndex(op.Dest))] = true;
        } else {
            varyingSteps_.push_back(&op);
        }
    }
}

bool OperationList::faultSuspected() const {
    return sseFaults() != 0 || hiddenFaultNoted();
}

double OperationList::evaluate() {
    // Fast path: run everything, then look for signs of a fault: an SSE flag
    // or an extended routine's note. Only then is the list run again step by
    // step to find the operation that faulted first (later steps may add
    // other faults, such as inf - inf after a division by zero).
    if (checkEachStep_ || sseFaults() != 0) return evaluateCheckingEachStep();
    const std::uint32_t seed = kv::randomSeed();
    clearHiddenFault();
    const std::vector<TOperation*>& steps = constantsSettled_ ? varyingSteps_ : allSteps_;
    try {
        for (TOperation* op : steps) op->Operation(op);
    } catch (...) {
        if (!faultSuspected()) throw;  // the throwing step was the first to fail
        return runAgainCheckingEachStep(seed);
    }
    if (faultSuspected()) return runAgainCheckingEachStep(seed);
    constantsSettled_ = true;
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
    constantsSettled_ = true;
    return *operations_.back().Dest;
}

// Evaluation over many values of one variable: the steps that depend on it
// run over a block of values each, in loops the compiler vectorises, while
// the steps that do not keep the values the first evaluation left in their
// cells. A block that raises any fault is run again one value at a time, so
// the error and the values before it are exactly those of evaluate().
#include <cfenv>
#include <algorithm>
#include <cmath>
#include <vector>

#include "parser/DoubleFunctions.h"
#include "parser/OperationList.h"
#include "parser/SseFaults.h"
#include "parser/TokenRoutines.h"

namespace {

// Values per block: the blocks of a few dozen steps stay in the cache.
constexpr size_t kBlock = 256;

// Where a step reads an operand: one cell, the batch's values, or the block
// of an earlier step.
struct Source {
    const double* cell = nullptr;
    int block = kCell;
    static constexpr int kCell = -2;
    static constexpr int kValues = -1;
};

struct BlockStep {
    StepKind kind;
    TOperation* operation;
    Source arg1, arg2;
};

template <class F>
void binary(const double* __restrict a, size_t strideA, const double* __restrict b, size_t strideB,
            double* __restrict d, size_t n, F f) {
    if (strideA && strideB) {
        for (size_t i = 0; i < n; ++i) d[i] = f(a[i], b[i]);
    } else if (strideA) {
        const double y = *b;
        for (size_t i = 0; i < n; ++i) d[i] = f(a[i], y);
    } else {
        const double x = *a;
        for (size_t i = 0; i < n; ++i) d[i] = f(x, b[i]);
    }
}

template <class F>
void unary(const double* __restrict a, double* __restrict d, size_t n, F f) {
    for (size_t i = 0; i < n; ++i) d[i] = f(a[i]);
}

// Any other routine, value by value, through a copy of its operation that
// points at the value's operands.
void callEach(const TOperation& op, const double* a, size_t strideA, const double* b, size_t strideB, double* d,
              size_t n) {
    TOperation each = op;
    double x = 0, y = 0;
    each.Arg1 = &x;
    each.Arg2 = op.Arg2 ? &y : nullptr;
    for (size_t i = 0; i < n; ++i) {
        x = a[i * strideA];
        if (b) y = b[i * strideB];
        each.Dest = d + i;
        op.Operation(&each);
    }
}

void runBlockStep(const BlockStep& s, const double* a, size_t strideA, const double* b, size_t strideB, double* d,
                  size_t n) {
    switch (s.kind) {
        case StepKind::sum: return binary(a, strideA, b, strideB, d, n, [](double x, double y) { return x + y; });
        case StepKind::diff: return binary(a, strideA, b, strideB, d, n, [](double x, double y) { return x - y; });
        case StepKind::prod: return binary(a, strideA, b, strideB, d, n, [](double x, double y) { return x * y; });
        case StepKind::divis: return binary(a, strideA, b, strideB, d, n, [](double x, double y) { return x / y; });
        case StepKind::minus: return unary(a, d, n, [](double x) { return -x; });
        case StepKind::square: return unary(a, d, n, [](double x) { return x * x; });
        case StepKind::abs: return unary(a, d, n, [](double x) { return std::fabs(x); });
        case StepKind::sqrt: return unary(a, d, n, [](double x) { return std::sqrt(x); });
        case StepKind::sin: return unary(a, d, n, [](double x) { return sineOf(x); });
        case StepKind::cos: return unary(a, d, n, [](double x) { return cosineOf(x); });
        case StepKind::exp: return unary(a, d, n, [](double x) { return std::exp(x); });
        case StepKind::ln: return unary(a, d, n, [](double x) { return std::log(x); });
        case StepKind::call: return callEach(*s.operation, a, strideA, b, strideB, d, n);
    }
}

// The steps that read the variable, directly or through an earlier such step.
class BlockPlan {
public:
    BlockPlan(const std::vector<Step>& varyingSteps, const double* variable, const double* result)
        : variable_(variable) {
        for (const Step& step : varyingSteps) {
            if (step.operation->Token == TToken::variab || step.operation->Token == TToken::constant) continue;
            const Source a = sourceOf(step.arg1), b = sourceOf(step.arg2);
            if (a.block == Source::kCell && b.block == Source::kCell) continue;
            steps_.push_back(BlockStep{step.kind, step.operation, a, b});
            dests_.push_back(step.dest);
        }
        result_ = sourceOf(result);
    }

    size_t blocks() const { return steps_.size(); }

    // Runs the steps over the n values at xs, with `cells` holding a block
    // per step, and copies the result to ys. False when a step threw or any
    // fault was raised.
    bool run(const double* xs, double* ys, size_t n, double* cells) const {
        auto at = [&](const Source& s, size_t& stride) -> const double* {
            stride = s.block == Source::kCell ? 0 : 1;
            if (s.block == Source::kValues) return xs;
            if (s.block >= 0) return cells + static_cast<size_t>(s.block) * kBlock;
            return s.cell;
        };
        clearHiddenFault();
        try {
            for (size_t k = 0; k < steps_.size(); ++k) {
                size_t strideA = 0, strideB = 0;
                const double* a = at(steps_[k].arg1, strideA);
                const double* b = at(steps_[k].arg2, strideB);
                runBlockStep(steps_[k], a, strideA, b, strideB, cells + k * kBlock, n);
            }
        } catch (...) {
            return false;  // run again value by value, which throws for the right one
        }
        if (sseFaults() != 0 || hiddenFaultNoted()) return false;
        size_t stride = 0;
        const double* r = at(result_, stride);
        for (size_t i = 0; i < n; ++i) ys[i] = r[i * stride];
        return true;
    }

private:
    Source sourceOf(const double* cell) const {
        Source s;
        s.cell = cell;
        if (cell == nullptr) return s;
        if (cell == variable_) s.block = Source::kValues;
        for (size_t k = 0; k < dests_.size(); ++k) {
            if (dests_[k] == cell) s.block = static_cast<int>(k);
        }
        return s;
    }

    const double* variable_;
    std::vector<BlockStep> steps_;
    std::vector<const double*> dests_;
    Source result_;
};

}  // namespace

void OperationList::evaluateEach(double* variable, const double* xs, double* ys, size_t n, size_t& done) {
    for (size_t k = 0; k < n; ++k) {
        *variable = xs[k];
        ys[k] = evaluate();
        ++done;
    }
}

void OperationList::evaluateOver(double* variable, const double* xs, double* ys, size_t n, size_t& done) {
    done = 0;
    // Lists that must run step by step or draw random numbers, and flags
    // raised before, keep to the one-value path.
    if (checkEachStep_ || drawsRandom_ || n < 8 || std::fetestexcept(kFaults) != 0)
        return evaluateEach(variable, xs, ys, n, done);
    // The first value settles the constant steps and the steps on the other
    // variables (their cells then hold what every value of the batch reads),
    // and reports a fault they raise exactly as evaluate() does.
    evaluateEach(variable, xs, ys, 1, done);
    const BlockPlan plan(varyingSteps_, variable, operations_.back().Dest);
    if (blockCells_.size() < plan.blocks() * kBlock) blockCells_.resize(plan.blocks() * kBlock);
    for (size_t start = 1; start < n; start += kBlock) {
        const size_t m = std::min(kBlock, n - start);
        if (plan.run(xs + start, ys + start, m, blockCells_.data())) {
            done += m;
        } else {
            // Back to the flags evaluate() expects: all clear, as they were.
            std::feclearexcept(kFaults);
            evaluateEach(variable, xs + start, ys + start, m, done);
        }
    }
    *variable = xs[n - 1];
}

#pragma once
// Floating-point faults as errors the user sees.
//
// Invalid operations, division by zero and overflow become kv::Error with the
// program's messages; underflow and inexact results stay silent. The check
// reads the IEEE status flags, so every file that computes under a FloatGuard
// must be compiled without -ffast-math (it drops the flags' semantics and lets
// the compiler fold or move the faulting operation).
#include <cfenv>
#include <limits>
#include <type_traits>
#include <utility>

#if defined(__FAST_MATH__)
#error "Floating-point fault checks need IEEE semantics: compile without -ffast-math"
#endif

namespace kv {

// Clears the status flags when made; check() throws for the faults raised
// since then. When several are raised, invalid operation wins over division
// by zero, which wins over overflow. Flags that were up before the guard are
// put back when it ends, so a guarded step nested in another hides nothing
// from the outer check.
class FloatGuard {
public:
    FloatGuard();
    ~FloatGuard();
    FloatGuard(const FloatGuard&) = delete;
    FloatGuard& operator=(const FloatGuard&) = delete;

    void check() const;

private:
    int earlierFlags_;
    std::fexcept_t earlierState_;
};

// Throws the error for the faults currently flagged, if any; flags are left as they are.
void throwIfFloatFault();

// Runs f with cleared flags and returns its result, throwing for any fault it raised.
template <class F>
auto checkedFloat(F&& f) {
    FloatGuard guard;
    // The computation's inputs are read only now, after the flags are
    // cleared: operands captured by value could otherwise be divided before
    // the guard is made, and the fault would be cleared before it is seen.
    asm volatile("" ::"m"(f) : "memory");
    if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
        std::forward<F>(f)();
        asm volatile("" ::: "memory");  // keep the computation ahead of the check
        guard.check();
    } else {
        auto result = std::forward<F>(f)();
        // The result must exist before the flags are read; without this the
        // optimiser may compute it after the check.
        asm volatile("" : "+m"(result)::"memory");
        guard.check();
        return result;
    }
}

// "Division by zero": the error of an integer division by zero.
[[noreturn]] void throwDivisionByZero();
// "Integer overflow": the one integer division that cannot be represented.
[[noreturn]] void throwIntegerOverflow();

// Integer division and remainder that report a zero divisor instead of
// crashing (a hardware trap in C++), and the quotient of the most negative
// value by -1, which does not fit.
template <class I>
I divideInt(I a, I b) {
    static_assert(std::is_integral_v<I>);
    if (b == 0) throwDivisionByZero();
    if constexpr (std::is_signed_v<I>) {
        if (b == -1 && a == std::numeric_limits<I>::min()) throwIntegerOverflow();
    }
    return a / b;
}

template <class I>
I remainderInt(I a, I b) {
    static_assert(std::is_integral_v<I>);
    if (b == 0) throwDivisionByZero();
    if constexpr (std::is_signed_v<I>) {
        if (b == -1) return 0;  // a % -1 is 0, but the hardware traps on the most negative a
    }
    return a % b;
}

}  // namespace kv

#include "core/FloatErrors.h"

#include <cfenv>

#include "core/Error.h"

namespace kv {

FloatGuard::FloatGuard() : earlierFlags_(std::fetestexcept(FE_ALL_EXCEPT)) {
    std::fegetexceptflag(&earlierState_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

FloatGuard::~FloatGuard() {
    // Sets the earlier flags again without arithmetic (so without traps) and
    // leaves the ones raised under the guard alone.
    if (earlierFlags_ != 0) std::fesetexceptflag(&earlierState_, earlierFlags_);
}

void FloatGuard::check() const { throwIfFloatFault(); }

void throwIfFloatFault() {
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised & FE_INVALID) throw Error("Invalid floating point operation");
    if (raised & FE_DIVBYZERO) throw Error("Floating point division by zero");
    if (raised & FE_OVERFLOW) throw Error("Floating point overflow");
}

void throwDivisionByZero() { throw Error("Division by zero"); }

void throwIntegerOverflow() { throw Error("Integer overflow"); }

}  // namespace kv

#include "parser/TokenRoutines.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "core/FloatErrors.h"

namespace detail {
bool hiddenFault = false;
}

namespace {

using Ext = long double;

inline Ext arg1(const TOperation* op) { return *op->Arg1; }
inline Ext arg2(const TOperation* op) { return *op->Arg2; }

void doNothing(TOperation*) {}
void minusRoutine(TOperation* op) { *op->Dest = -*op->Arg1; }
void sumRoutine(TOperation* op) { *op->Dest = *op->Arg1 + *op->Arg2; }
void diffRoutine(TOperation* op) { *op->Dest = *op->Arg1 - *op->Arg2; }
void prodRoutine(TOperation* op) { *op->Dest = *op->Arg1 * *op->Arg2; }
void divisRoutine(TOperation* op) { *op->Dest = *op->Arg1 / *op->Arg2; }
void squareRoutine(TOperation* op) { *op->Dest = *op->Arg1 * *op->Arg1; }
void thirdRoutine(TOperation* op) {
    const Ext x = arg1(op);
    storeExtended(op, x * (x * x));
}
void fourthRoutine(TOperation* op) {
    const Ext x = arg1(op);
    const Ext x2 = x * x;
    storeExtended(op, x2 * x2);
}

// What a truncation out of range leaves: NaN, with the invalid flag raised.
void storeInvalid(TOperation* op) {
    noteHiddenFault();
    *op->Dest = std::numeric_limits<double>::quiet_NaN();
}

// Both operands truncated to 64-bit integers; false when either is out of range.
bool integerOperands(const TOperation* op, std::int64_t& a, std::int64_t& b) {
    bool okA = false, okB = false;
    a = truncToInt64(arg1(op), okA);
    if (!okA) return false;
    b = truncToInt64(arg2(op), okB);
    return okB;
}

void intDivRoutine(TOperation* op) {
    std::int64_t a = 0, b = 0;
    if (!integerOperands(op, a, b)) return storeInvalid(op);
    if (b == 0) kv::throwDivisionByZero();
    // The one quotient that does not fit in 64 bits, -2^63 / -1, is exact as a double.
    *op->Dest = b == -1 ? -static_cast<double>(a) : static_cast<double>(a / b);
}

void moduloRoutine(TOperation* op) {
    std::int64_t a = 0, b = 0;
    if (!integerOperands(op, a, b)) return storeInvalid(op);
    if (b == 0) kv::throwDivisionByZero();
    *op->Dest = b == -1 ? 0.0 : static_cast<double>(a % b);  // % keeps the dividend's sign
}

void integerPowerRoutine(TOperation* op) {
    bool ok = false;
    const std::int64_t n = truncToInt64(arg2(op), ok);
    if (!ok) return storeInvalid(op);
    storeExtended(op, integerPower(arg1(op), n));
}

void realPowerRoutine(TOperation* op) { storeExtended(op, generalPower(arg1(op), arg2(op))); }

}  // namespace

std::int64_t truncToInt64(long double v, bool& ok) {
    // Both limits are exact in long double; NaN fails the comparison.
    ok = v >= -0x1p63L && v < 0x1p63L;
    if (!ok) {
        std::feraiseexcept(FE_INVALID);
        return 0;
    }
    return static_cast<std::int64_t>(v);
}

long double integerPower(long double base, std::int64_t exponent) {
    // The magnitude as unsigned, so that -2^63 has one too.
    std::uint64_t n = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent) : static_cast<std::uint64_t>(exponent);
    Ext result = 1;
    Ext factor = base;
    while (n != 0) {
        if (n & 1u) result *= factor;
        n >>= 1;
        if (n != 0) factor *= factor;
    }
    if (exponent >= 0) return result;
    if (std::isinf(result)) noteHiddenFault();
    return 1 / result;
}

long double generalPower(long double base, long double exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L) {
        return integerPower(base, static_cast<std::int64_t>(exponent));
    }
    // A negative base gives NaN with the invalid flag, a zero base with a
    // negative exponent ln(0) with the division-by-zero flag.
    return std::exp(exponent * std::log(base));
}

TMathProcedure builtInRoutine(TToken token) {
    switch (token) {
        case TToken::variab:
        case TToken::constant: return doNothing;
        case TToken::minus: return minusRoutine;
        case TToken::sum: return sumRoutine;
        case TToken::diff: return diffRoutine;
        case TToken::prod: return prodRoutine;
        case TToken::divis: return divisRoutine;
        case TToken::modulo: return moduloRoutine;
        case TToken::IntDiv: return intDivRoutine;
        case TToken::integerpower: return integerPowerRoutine;
        case TToken::realpower: return realPowerRoutine;
        case TToken::square: return squareRoutine;
        case TToken::third: return thirdRoutine;
        case TToken::fourth: return fourthRoutine;
        case TToken::FuncOneVar:
        case TToken::FuncTwoVar: break;
    }
    return nullptr;
}

void storeExtended(TOperation* op, long double v) {
    const double d = static_cast<double>(v);
    *op->Dest = d;
    if (!std::isfinite(d)) noteHiddenFault();
}


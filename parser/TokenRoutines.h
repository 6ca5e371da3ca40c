#pragma once
// The routines of the operation kinds the parser computes itself, and the two
// powers that the function set shares with them.
//
// A routine that combines several steps computes in extended precision (long
// double, 64-bit mantissa on x86) and rounds the result to a double when it
// stores it; a single operation on two doubles (sum, product, quotient, ...)
// is computed in double, which gives the same value up to the rare cases
// where rounding twice differs from rounding once.
//
// Faults are left in the status flags for the evaluator to report. The
// evaluator reads only the SSE flags on its fast path (the x87 status word
// is slow to read), so every routine that computes on the x87 unit stores
// through storeExtended(), which notes a result that is not finite: on the
// x87 unit a fault always leaves one, except where noted.
#include <cstdint>

#include "parser/ParserTypes.h"

// The routine of a kind up to TToken::fourth (variab and constant do nothing).
TMathProcedure builtInRoutine(TToken token);

// base^exponent by repeated squaring; a negative exponent gives 1 / base^|exponent|,
// exponent 0 gives 1 (also for base 0).
long double integerPower(long double base, std::int64_t exponent);

// The general power: 1 for exponent 0, 0 for base 0 and a positive exponent,
// integerPower for whole exponents of magnitude up to 2^31 - 1, otherwise
// exp(exponent * ln(base)).
long double generalPower(long double base, long double exponent);

// v truncated toward zero. A value outside the 64-bit range (or NaN) raises
// the invalid-operation flag; `ok` is then false.
std::int64_t truncToInt64(long double v, bool& ok);

// Stores v rounded to a double at the operation's Dest and notes a result
// that is not finite.
void storeExtended(TOperation* op, long double v);

// Notes that the x87 unit may have faulted, so that the evaluator looks at
// the flags. Also for faults whose result is finite (1 over an overflowed
// power is 0).
namespace detail {
extern bool hiddenFault;
}
inline void noteHiddenFault() { detail::hiddenFault = true; }
inline void clearHiddenFault() { detail::hiddenFault = false; }
inline bool hiddenFaultNoted() { return detail::hiddenFault; }

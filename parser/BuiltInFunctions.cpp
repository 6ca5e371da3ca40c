#include "parser/BuiltInFunctions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "parser/DoubleFunctions.h"
#include "parser/ProcessRandom.h"
#include "parser/TokenRoutines.h"

namespace {

using Ext = long double;

// The functions that are a single operation or library call compute in
// double: the double library is within an ulp of the extended one rounded to
// a double, and the extended routines are ten times slower (sinl against
// sin), too slow for the plotter's inner loop. Everything that combines
// several steps keeps its intermediate values in extended precision and
// stores through storeExtended().
inline double x1(const TOperation* op) { return *op->Arg1; }
inline Ext ext1(const TOperation* op) { return *op->Arg1; }
inline Ext ext2(const TOperation* op) { return *op->Arg2; }
inline void store(TOperation* op, Ext v) { storeExtended(op, v); }

// The extended values nearest to these constants.
constexpr Ext kPiExt = 3.14159265358979323851L;
constexpr Ext kTwoOverPiExt = 0.63661977236758134308L;
constexpr Ext kTwoPiExt = 6.28318530717958647703L;
constexpr double kHalfPi = 1.5707963267948966;
void sinFn(TOperation* op) { *op->Dest = sineOf(x1(op)); }
void cosFn(TOperation* op) { *op->Dest = cosineOf(x1(op)); }
void tanFn(TOperation* op) { *op->Dest = std::tan(x1(op)); }
void cotanFn(TOperation* op) { store(op, 1 / static_cast<Ext>(std::tan(x1(op)))); }
void arctanFn(TOperation* op) { *op->Dest = std::atan(x1(op)); }
// In extended precision e^x does not overflow until x is near 11356, so
// sinh and cosh only overflow where their own value leaves the double range.
void sinhFn(TOperation* op) { store(op, (std::exp(ext1(op)) - std::exp(-ext1(op))) / 2); }
void coshFn(TOperation* op) { store(op, (std::exp(ext1(op)) + std::exp(-ext1(op))) / 2); }
void expFn(TOperation* op) { *op->Dest = std::exp(x1(op)); }
void lnFn(TOperation* op) { *op->Dest = std::log(x1(op)); }
void log10Fn(TOperation* op) { *op->Dest = std::log10(x1(op)); }
void log2Fn(TOperation* op) { *op->Dest = std::log2(x1(op)); }
void sqrFn(TOperation* op) { *op->Dest = x1(op) * x1(op); }
void sqrtFn(TOperation* op) { *op->Dest = std::sqrt(x1(op)); }
void absFn(TOperation* op) { *op->Dest = std::fabs(x1(op)); }
void truncFn(TOperation* op) { *op->Dest = std::trunc(x1(op)); }

void ceilFn(TOperation* op) {
    const Ext x = ext1(op);
    store(op, x - std::trunc(x) > 0 ? std::trunc(x + 1) : std::trunc(x));
}

void floorFn(TOperation* op) {
    const Ext x = ext1(op);
    store(op, x - std::trunc(x) >= 0 ? std::trunc(x) : std::trunc(x - 1));
}

void heavFn(TOperation* op) { *op->Dest = x1(op) >= 0 ? 1.0 : 0.0; }
void signFn(TOperation* op) { *op->Dest = x1(op) > 0 ? 1.0 : x1(op) < 0 ? -1.0 : 0.0; }
void zeroFn(TOperation* op) { *op->Dest = x1(op) == 0 ? 0.0 : 1.0; }

// Divides by 2/pi (not by 2 pi), so the result repeats with period 2/pi.
// The quotient is rounded to a double first; the nearest integer is taken
// in the default rounding mode (ties to even).
void phFn(TOperation* op) {
    const Ext q = static_cast<double>(ext1(op) / kTwoOverPiExt);
    store(op, (q - std::nearbyint(q)) * kTwoPiExt);
}

void rndFn(TOperation* op) { store(op, std::trunc(ext1(op)) * kv::nextRandom()); }
void randomFn(TOperation* op) { *op->Dest = kv::nextRandom(); }

void argFn(TOperation* op) {
    const Ext x = ext1(op), y = ext2(op);
    if (x < 0) {
        store(op, std::atan(y / x) + kPiExt);
    } else if (x > 0) {
        store(op, std::atan(y / x));
    } else {
        *op->Dest = y > 0 ? kHalfPi : -kHalfPi;
    }
}

void maxFn(TOperation* op) { *op->Dest = *op->Arg1 >= *op->Arg2 ? *op->Arg1 : *op->Arg2; }
void minFn(TOperation* op) { *op->Dest = *op->Arg1 >= *op->Arg2 ? *op->Arg2 : *op->Arg1; }
void powerFn(TOperation* op) { store(op, generalPower(ext1(op), ext2(op))); }

void intPowerFn(TOperation* op) {
    bool ok = false;
    const std::int64_t n = truncToInt64(ext2(op), ok);
    if (!ok) {
        noteHiddenFault();
        *op->Dest = std::nan("");
        return;
    }
    store(op, integerPower(ext1(op), n));
}

void lognFn(TOperation* op) {
    const Ext base = std::log2(ext1(op));
    if (std::isinf(base)) noteHiddenFault();  // log2(0): y / -inf is a finite -0
    store(op, std::log2(ext2(op)) / base);
}

constexpr std::array<NamedFunction, 24> kFunctionsOne = {{
    {"TAN", tanFn},       {"SIN", sinFn},     {"COS", cosFn},     {"SINH", sinhFn},   {"COSH", coshFn},
    {"ARCTAN", arctanFn}, {"COTAN", cotanFn}, {"EXP", expFn},     {"LN", lnFn},       {"LOG10", log10Fn},
    {"LOG2", log2Fn},     {"SQR", sqrFn},     {"SQRT", sqrtFn},   {"ABS", absFn},     {"TRUNC", truncFn},
    {"INT", truncFn},     {"CEIL", ceilFn},   {"FLOOR", floorFn}, {"HEAV", heavFn},   {"SIGN", signFn},
    {"ZERO", zeroFn},     {"PH", phFn},       {"RND", rndFn},     {"RANDOM", randomFn},
}};

constexpr std::array<NamedFunction, 6> kFunctionsTwo = {{
    {"ARG", argFn}, {"MAX", maxFn}, {"MIN", minFn}, {"POWER", powerFn}, {"INTPOWER", intPowerFn}, {"LOGN", lognFn},
}};

}  // namespace

std::span<const NamedFunction> builtInFunctionsOne() { return kFunctionsOne; }
std::span<const NamedFunction> builtInFunctionsTwo() { return kFunctionsTwo; }

bool isBuiltInFunction(TMathProcedure routine) {
    auto same = [routine](const NamedFunction& f) { return f.routine == routine; };
    return std::any_of(kFunctionsOne.begin(), kFunctionsOne.end(), same) ||
           std::any_of(kFunctionsTwo.begin(), kFunctionsTwo.end(), same);
}

TMathProcedure builtInFunction(const char* name) {
    const std::string_view wanted(name);
    for (const auto& table : {std::span<const NamedFunction>(kFunctionsOne), std::span<const NamedFunction>(kFunctionsTwo)}) {
        for (const NamedFunction& f : table) {
            if (f.name == wanted) return f.routine;
        }
    }
    return nullptr;
}

bool isPureBuiltInFunction(TMathProcedure routine) {
    return routine != rndFn && routine != randomFn && isBuiltInFunction(routine);
}

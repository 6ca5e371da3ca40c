#pragma once
// The evaluator's inner loop, inline in the evaluator: each step ends in its
// own jump to the next, which the processor predicts better than one shared
// jump (the file that includes this must keep the compiler from merging
// them again); r is the result of the step before. Faults are left in the
// flags; an error a routine throws propagates.
#include <cmath>
#include <cstdint>

#include "parser/DoubleFunctions.h"
#include "parser/StepProgram.h"

// Instruction codes: each kind, then its forms reading the previous result
// as the first (+1) or second (+2) operand.
enum StepCode : std::uint8_t {
    kEnd,
    kCall,
    kSum, kSumR1, kSumR2,
    kDiff, kDiffR1, kDiffR2,
    kProd, kProdR1, kProdR2,
    kDivis, kDivisR1, kDivisR2,
    kMinus, kMinusR1,
    kSquare, kSquareR1,
    kSqrt, kSqrtR1,
    kAbs, kAbsR1,
    kSin, kSinR1,
    kCos, kCosR1,
    kExp, kExpR1,
    kLn, kLnR1,
};

inline void runSteps(const Instruction* s) {
    static const void* const kLabels[] = {
        &&end,   &&call,    &&sum,    &&sumR1,    &&sumR2,    &&diff,   &&diffR1,   &&diffR2,
        &&prod,  &&prodR1,  &&prodR2, &&divis,    &&divisR1,  &&divisR2, &&minus,   &&minusR1,
        &&square, &&squareR1, &&sqrt, &&sqrtR1,   &&abs,      &&absR1,   &&sin,     &&sinR1,
        &&cos,   &&cosR1,   &&exp,    &&expR1,    &&ln,       &&lnR1,
    };
    double r = 0;
#define KV_NEXT goto* kLabels[(++s)->code]
#define KV_STORE(value)  \
    r = (value);         \
    *s->dest = r;        \
    KV_NEXT
    goto* kLabels[s->code];
call:
    s->operation->Operation(s->operation);
    r = *s->dest;
    KV_NEXT;
sum:
    KV_STORE(*s->arg1 + *s->arg2);
sumR1:
    KV_STORE(r + *s->arg2);
sumR2:
    KV_STORE(*s->arg1 + r);
diff:
    KV_STORE(*s->arg1 - *s->arg2);
diffR1:
    KV_STORE(r - *s->arg2);
diffR2:
    KV_STORE(*s->arg1 - r);
prod:
    KV_STORE(*s->arg1 * *s->arg2);
prodR1:
    KV_STORE(r * *s->arg2);
prodR2:
    KV_STORE(*s->arg1 * r);
divis:
    KV_STORE(*s->arg1 / *s->arg2);
divisR1:
    KV_STORE(r / *s->arg2);
divisR2:
    KV_STORE(*s->arg1 / r);
minus:
    KV_STORE(-*s->arg1);
minusR1:
    KV_STORE(-r);
square:
    KV_STORE(*s->arg1 * *s->arg1);
squareR1:
    KV_STORE(r * r);
sqrt:
    KV_STORE(std::sqrt(*s->arg1));
sqrtR1:
    KV_STORE(std::sqrt(r));
abs:
    KV_STORE(std::fabs(*s->arg1));
absR1:
    KV_STORE(std::fabs(r));
sin:
    KV_STORE(sineOf(*s->arg1));
sinR1:
    KV_STORE(sineOf(r));
cos:
    KV_STORE(cosineOf(*s->arg1));
cosR1:
    KV_STORE(cosineOf(r));
exp:
    KV_STORE(std::exp(*s->arg1));
expR1:
    KV_STORE(std::exp(r));
ln:
    KV_STORE(std::log(*s->arg1));
lnR1:
    KV_STORE(std::log(r));
end:
    return;
#undef KV_STORE
#undef KV_NEXT
}

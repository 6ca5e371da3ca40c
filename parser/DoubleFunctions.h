#pragma once
// The functions of the set that are one library call on a double, shared by
// their routines and the evaluator's steps, which must compute the same bits.
#include <cmath>

// Beyond this magnitude the hardware sine gives up; the program shows 0 there.
inline constexpr double kTrigLimit = 0x1p63;

inline double sineOf(double x) { return std::fabs(x) >= kTrigLimit ? 0.0 : std::sin(x); }
inline double cosineOf(double x) { return std::fabs(x) >= kTrigLimit ? 0.0 : std::cos(x); }

#pragma once
// The computations behind the graph-and-calculator window, without widgets:
// reading the sampling range, tabulating a formula in X, and the calculator.
//
//     TPars parser;
//     calc::SamplingRange r = calc::readSamplingRange("0", "10", "0.5");
//     calc::Tabulation t = calc::tabulate(parser, "x^2", r,
//                                         [](double x, double y) { ... });  // 21 points
//
// Variable fields use the locale's decimal separator; formulas always use ".".
#include <functional>
#include <optional>
#include <string>

class TPars;

namespace calc {

struct SamplingRange {
    double minX = 0;
    double maxX = 0;
    double step = 0;
};

// The most points one drawing may hold: beyond it the step is refused rather
// than leaving the window busy for minutes and gigabytes of points behind.
inline constexpr long long kMaxSamples = 2'000'000;

// Reads Min X, Max X and the step in this order (the first field that is no
// number throws its conversion message). A step that is not a positive number
// is refused, and so is a step that would make more than kMaxSamples points.
SamplingRange readSamplingRange(const std::string& minText, const std::string& maxText,
                                const std::string& stepText);

struct Tabulation {
    double ymin = 0;   // smallest sampled value, starting from the value at Min X
    double ymax = 0;   // largest sampled value, likewise
    long long count = 0;  // points handed to the sink
};

// Compiles `formula` into `parser` once and samples it at X = minX, minX +
// step, ... while X <= maxX, the X values accumulated by repeated addition.
// The value at minX is computed first, before any sample (so a formula that
// fails there hands no point out). Every sample goes to `sink` as it is
// computed. Compile and evaluation errors propagate; points handed out before
// an error stay with the caller. A, B and C keep what the parser holds.
Tabulation tabulate(TPars& parser, const std::string& formula, const SamplingRange& range,
                    const std::function<void(double x, double y)>& sink);

// The calculator: nothing (nullopt) for an empty formula. Otherwise each
// non-empty field of X, A, B, C in this order is read and assigned (an empty
// one keeps the variable's value; an earlier assignment stays when a later
// field fails), then the formula is compiled and evaluated.
struct CalculatorFields {
    std::string formula, x, a, b, c;
};
std::optional<double> calculate(TPars& parser, const CalculatorFields& fields);

}  // namespace calc

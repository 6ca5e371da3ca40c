#include "tools/calc/Tabulation.h"

#include <cmath>

#include "core/Error.h"
#include "core/NumberFormat.h"
#include "core/NumberRead.h"
#include "parser/Parser10.h"

namespace calc {

SamplingRange readSamplingRange(const std::string& minText, const std::string& maxText,
                                const std::string& stepText) {
    SamplingRange r;
    r.minX = kv::readFloat(minText);
    r.maxX = kv::readFloat(maxText);
    r.step = kv::readFloat(stepText);
    // Without a positive step the sampling would never reach Max X.
    if (!(r.step > 0))
        throw kv::Error("Step (interval) must be greater than 0; " + kv::formatGeneral(r.step) + " is not.");
    if (r.maxX >= r.minX) {
        // (max - min) may overflow to INF for extreme ranges, which is then too many as well.
        const double samples = std::floor((r.maxX - r.minX) / r.step) + 1;
        if (!(samples <= static_cast<double>(kMaxSamples)))
            throw kv::Error("Step (interval) " + kv::formatGeneral(r.step) + " gives more than " +
                            std::to_string(kMaxSamples) + " points between Min X and Max X; choose a larger step.");
    }
    return r;
}

Tabulation tabulate(TPars& parser, const std::string& formula, const SamplingRange& range,
                    const std::function<void(double x, double y)>& sink) {
    Tabulation t;
    parser.X = range.minX;
    // The formula does not change while sampling: one compile serves every sample.
    parser.SetExpression(formula);
    t.ymin = t.ymax = parser.Value();
    // The samples are evaluated a block of X values at a time; the points
    // before a failing X still reach the sink, as they would one by one.
    constexpr size_t kBlock = 1024;
    double xs[kBlock], ys[kBlock];
    double x = range.minX;
    bool stuck = false;
    while (x <= range.maxX && !stuck) {
        size_t n = 0;
        while (n < kBlock && x <= range.maxX) {
            xs[n++] = x;
            const double next = x + range.step;
            // Far from zero a small step can be lost in rounding and X would stay put.
            if (next == x) {
                stuck = true;
                break;
            }
            x = next;
        }
        size_t done = 0;
        auto handOut = [&] {
            for (size_t k = 0; k < done; ++k) {
                if (ys[k] < t.ymin) t.ymin = ys[k];
                if (ys[k] > t.ymax) t.ymax = ys[k];
                sink(xs[k], ys[k]);
                ++t.count;
            }
        };
        try {
            parser.Values(xs, ys, n, done);
        } catch (...) {
            handOut();
            throw;
        }
        handOut();
    }
    if (stuck)
        throw kv::Error("Step (interval) " + kv::formatGeneral(range.step) + " is too small to advance X beyond " +
                        kv::formatGeneral(x) + ".");
    return t;
}

std::optional<double> calculate(TPars& parser, const CalculatorFields& fields) {
    if (fields.formula.empty()) return std::nullopt;
    const std::pair<const std::string*, double*> variables[] = {
        {&fields.x, &parser.X}, {&fields.a, &parser.A}, {&fields.b, &parser.B}, {&fields.c, &parser.C}};
    for (const auto& [text, cell] : variables) {
        if (!text->empty()) *cell = kv::readFloat(*text);
    }
    parser.SetExpression(fields.formula);
    return parser.Value();
}

}  // namespace calc

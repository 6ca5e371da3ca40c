// The expression parser against muparser: compiling a formula (and using it
// once, since muparser compiles on its first evaluation), evaluating it with
// x changing at every call, and evaluating it over an array of 1024 x values
// at once (muparser's bulk mode, on one thread), as the plotter does.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "bench/MuparserVariables.h"
#include "parser/Parser10.h"

namespace {

const char* const kFormulas[] = {
    "((1/2)*x^2)-4*x+a+b*c",
    "sin(x)*exp(-x/10)+sqrt(abs(x))",
};

// Fifty operators with nested brackets and 13 function calls (some of them
// unknown to muparser, so only this parser compiles it).
const char* const kLongFormula =
    "((sin(x)+cos(a))*(b-c/2)+max(a,min(b,c))^2)-(sqrt(abs(x-a))*exp(-x/10)+ln(1+x^2))/(2+a*b)"
    "+((x-1)*(x+2)-(a+b)*(c-x))/(1+sqr(x))+arctan(x/(1+a))*(b-(c-(x-(a+1))))-power(b,2)*(x/3)"
    "+intpower(x,3)/(100+abs(c))+(x*a-b/c)^2*(a-b+c)-1";

struct Inputs {
    std::array<double, 1024> x{};
    Inputs() {
        for (size_t k = 0; k < x.size(); ++k) x[k] = 0.01 * static_cast<double>(k + 1);
    }
};
const Inputs inputs;

void KvantorEvaluate(benchmark::State& state, const char* formula) {
    TPars p;
    p.A = 5;
    p.B = 3;
    p.C = 4;
    p.SetExpression(formula);
    size_t k = 0;
    for (auto _ : state) {
        p.X = inputs.x[k++ & 1023];
        benchmark::DoNotOptimize(p.Value());
    }
}

void MuparserEvaluate(benchmark::State& state, const char* formula) {
    MuparserVariables m;
    m.a = 5;
    m.b = 3;
    m.c = 4;
    m.parser.SetExpr(formula);
    m.parser.Eval();
    size_t k = 0;
    for (auto _ : state) {
        m.x = inputs.x[k++ & 1023];
        benchmark::DoNotOptimize(m.parser.Eval());
    }
}

// The bulk benchmarks evaluate all 1024 points per iteration; bench/ratios.py
// divides their time by the "points" counter.
void KvantorBulk(benchmark::State& state, const char* formula) {
    TPars p;
    p.A = 5;
    p.B = 3;
    p.C = 4;
    p.SetExpression(formula);
    std::array<double, 1024> y{};
    for (auto _ : state) {
        size_t done = 0;
        p.Values(inputs.x.data(), y.data(), y.size(), done);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(y.size());
}

// The floor under any evaluation of the second formula that keeps the C
// library's results bit for bit: its sine, exponential and square root
// alone, in a plain loop over the same points.
void LibmBulk(benchmark::State& state) {
    std::array<double, 1024> y{};
    for (auto _ : state) {
        for (size_t k = 0; k < y.size(); ++k) {
            const double x = inputs.x[k];
            y[k] = std::sin(x) * std::exp(-x / 10) + std::sqrt(std::fabs(x));
        }
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(y.size());
}

void MuparserBulk(benchmark::State& state, const char* formula) {
    std::array<double, 1024> x = inputs.x, a{}, b{}, c{}, y{};
    a.fill(5);
    b.fill(3);
    c.fill(4);
    mu::Parser parser;
    parser.DefineVar("x", x.data());
    parser.DefineVar("a", a.data());
    parser.DefineVar("b", b.data());
    parser.DefineVar("c", c.data());
    parser.SetExpr(formula);
    parser.Eval();
    for (auto _ : state) {
        parser.Eval(y.data(), static_cast<int>(y.size()));
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    state.counters["points"] = static_cast<double>(y.size());
}

void KvantorCompile(benchmark::State& state, const char* formula) {
    TPars p;
    p.X = 2;
    p.A = 5;
    p.B = 3;
    p.C = 4;
    const std::string text = formula;
    for (auto _ : state) {
        p.SetExpression(text);
        benchmark::DoNotOptimize(p.Value());
    }
}

void MuparserCompile(benchmark::State& state, const char* formula) {
    MuparserVariables m;
    m.x = 2;
    m.a = 5;
    m.b = 3;
    m.c = 4;
    const std::string text = formula;
    for (auto _ : state) {
        m.parser.SetExpr(text);
        benchmark::DoNotOptimize(m.parser.Eval());
    }
}

BENCHMARK_CAPTURE(KvantorEvaluate, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(MuparserEvaluate, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(KvantorEvaluate, functions, kFormulas[1]);
BENCHMARK_CAPTURE(MuparserEvaluate, functions, kFormulas[1]);
BENCHMARK_CAPTURE(KvantorBulk, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(MuparserBulk, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(KvantorBulk, functions, kFormulas[1]);
BENCHMARK_CAPTURE(MuparserBulk, functions, kFormulas[1]);
BENCHMARK(LibmBulk)->Name("LibmBulk/functions");
BENCHMARK_CAPTURE(KvantorCompile, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(MuparserCompile, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(KvantorCompile, functions, kFormulas[1]);
BENCHMARK_CAPTURE(MuparserCompile, functions, kFormulas[1]);
BENCHMARK_CAPTURE(KvantorCompile, fifty_operators, kLongFormula);

}  // namespace

int main(int argc, char** argv) {
    // muparser's bulk mode spreads over OpenMP threads, and OpenMP reads its
    // thread count when the library loads: start again with one thread.
    if (const char* threads = std::getenv("OMP_NUM_THREADS"); !threads || std::strcmp(threads, "1") != 0) {
        setenv("OMP_NUM_THREADS", "1", 1);
        execv("/proc/self/exe", argv);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

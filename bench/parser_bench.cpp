// The expression parser against muparser: compiling a formula (and using it
// once, since muparser compiles on its first evaluation) and evaluating it
// with x changing at every call, as the plotter does.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

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
BENCHMARK_CAPTURE(KvantorCompile, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(MuparserCompile, polynomial, kFormulas[0]);
BENCHMARK_CAPTURE(KvantorCompile, functions, kFormulas[1]);
BENCHMARK_CAPTURE(MuparserCompile, functions, kFormulas[1]);
BENCHMARK_CAPTURE(KvantorCompile, fifty_operators, kLongFormula);

}  // namespace

BENCHMARK_MAIN();

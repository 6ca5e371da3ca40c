// The expression parser against muparser: compiling a formula (and using it
// once, since muparser compiles on its first evaluation) and evaluating it
// with x changing at every call, as the plotter does.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <string>

#include "widgets/parser/Parser10.h"

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
    mu::Parser p;
    double x = 0, a = 5, b = 3, c = 4;
    p.DefineVar("x", &x);
    p.DefineVar("a", &a);
    p.DefineVar("b", &b);
    p.DefineVar("c", &c);
    p.SetExpr(formula);
    p.Eval();
    size_t k = 0;
    for (auto _ : state) {
        x = inputs.x[k++ & 1023];
        benchmark::DoNotOptimize(p.Eval());
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
    mu::Parser p;
    double x = 2, a = 5, b = 3, c = 4;
    p.DefineVar("x", &x);
    p.DefineVar("a", &a);
    p.DefineVar("b", &b);
    p.DefineVar("c", &c);
    const std::string text = formula;
    for (auto _ : state) {
        p.SetExpr(text);
        benchmark::DoNotOptimize(p.Eval());
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

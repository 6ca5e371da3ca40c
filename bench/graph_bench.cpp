// The graph window's "Draw" at growing sample counts, beside the same sampling
// without a plot and the same sampling done with muparser, in one run:
//   build/bench/graph_bench --benchmark_min_time=0.2
//
// Each benchmark samples the window's default formula from X = 0 by a step of
// 10 / (samples - 1). Max X lies half a step beyond 10, so that X accumulated by
// repeated addition reaches exactly the intended number of samples (with Max X
// = 10 itself, steps of 0.0004 and 0.0002 stop one sample short). "samples" is
// the count of points made, "per_sample" the time per point: a "Draw" whose
// cost grows faster than the count shows as a rising per_sample.
//
// CPU time is what is measured (the default): the window paints synchronously
// on this thread (repaint() during the drawing, the final paint when the events
// are processed), so no work is left to other threads or to waiting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench/MuparserVariables.h"
#include "core/NumberFormat.h"
#include "tools/calc/Tabulation.h"
#include "tools/calc/Unit9.h"
#include "parser/Parser10.h"
#include "widgets/plot/Sgr_data.h"

namespace {

const char* const kFormula = "((1/2)*x^2)-4*x+a+b*c";
constexpr double kMinX = 0;
constexpr double kSpan = 10;

struct Sampling {
    long long samples;
    double step;
    double maxX;
};

Sampling samplingFor(const benchmark::State& state) {
    const long long samples = state.range(0);
    const double step = kSpan / static_cast<double>(samples - 1);
    return {samples, step, kMinX + kSpan + step / 2};
}

void reportSamples(benchmark::State& state, double samples) {
    state.counters["samples"] = samples;
    state.counters["per_sample"] =
        benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

bool countIsRight(benchmark::State& state, long long made, long long wanted) {
    if (made == wanted) return true;
    state.SkipWithError(("made " + std::to_string(made) + " samples, not " + std::to_string(wanted)).c_str());
    return false;
}

// The window's "Draw" button, from the click to the finished picture.
void WindowDraw(benchmark::State& state) {
    const Sampling s = samplingFor(state);
    TForm9 form;
    form.show();  // shown, so that the plot really paints
    QCoreApplication::processEvents();
    form.Edit7->setText(QString::fromLatin1(kFormula));
    form.Edit10->setText(QString::fromStdString(kv::formatGeneral(kMinX)));
    form.Edit11->setText(QString::fromStdString(kv::formatGeneral(s.maxX)));
    form.Edit9->setText(QString::fromStdString(kv::formatGeneral(s.step)));
    for (auto _ : state) {
        form.SpeedButton7Click();
        // The axes fitted to the curve are painted at the next event processing.
        QCoreApplication::processEvents();
        if (!countIsRight(state, form.sp_XYLine1->Count(), s.samples)) break;
    }
    reportSamples(state, form.sp_XYLine1->Count());
}

// The same sampling without a plot: the points kept in vectors.
void TabulateOnly(benchmark::State& state) {
    const Sampling s = samplingFor(state);
    const calc::SamplingRange range{kMinX, s.maxX, s.step};
    TPars parser;
    std::vector<double> xs, ys;
    for (auto _ : state) {
        xs.clear();
        ys.clear();
        calc::tabulate(parser, kFormula, range, [&](double x, double y) {
            xs.push_back(x);
            ys.push_back(y);
        });
        if (!countIsRight(state, static_cast<long long>(xs.size()), s.samples)) break;
        benchmark::DoNotOptimize(ys.data());
    }
    reportSamples(state, static_cast<double>(xs.size()));
}

// muparser doing the same: compiled once, evaluated at each X accumulated the same way.
void MuparserTabulate(benchmark::State& state) {
    const Sampling s = samplingFor(state);
    MuparserVariables m;  // a, b and c stay 0, as in the window's parser
    m.parser.SetExpr(kFormula);
    std::vector<double> xs, ys;
    for (auto _ : state) {
        xs.clear();
        ys.clear();
        for (m.x = kMinX; m.x <= s.maxX; m.x += s.step) {
            xs.push_back(m.x);
            ys.push_back(m.parser.Eval());
        }
        if (!countIsRight(state, static_cast<long long>(xs.size()), s.samples)) break;
        benchmark::DoNotOptimize(ys.data());
    }
    reportSamples(state, static_cast<double>(xs.size()));
}

// Up to 100,001 samples a drawing ends before the first paint at intervals is
// due; a million samples take long enough for several.
void sampleCounts(benchmark::internal::Benchmark* b) {
    b->Arg(25'001)->Arg(50'001)->Arg(100'001)->Arg(1'000'001)->Unit(benchmark::kMillisecond);
}

BENCHMARK(WindowDraw)->Apply(sampleCounts);
BENCHMARK(TabulateOnly)->Apply(sampleCounts);
BENCHMARK(MuparserTabulate)->Apply(sampleCounts);

}  // namespace

int main(int argc, char** argv) {
    // The window is drawn offscreen: no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

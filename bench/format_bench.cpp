// The general number format per number, on a mix of what the program shows:
// integers, short fractions, values like 1E-5 and full 15-digit values like
// 3.33564095198152E-9, beside the first implementation and printf's "%.15g".
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "core/NumberFormat.h"
#include "tests/core/NumberFormatReference.h"

namespace {

std::vector<double> mix() {
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> integer(-100000, 100000), exponent(-12, 12);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> v;
    for (int k = 0; k < 4096; ++k) {
        switch (k % 4) {
            case 0: v.push_back(integer(random)); break;
            case 1: v.push_back(integer(random) / 8.0); break;
            case 2: v.push_back(std::pow(10.0, exponent(random))); break;
            default: v.push_back(unit(random) * std::pow(10.0, exponent(random))); break;
        }
    }
    return v;
}
const std::vector<double> values = mix();

template <class Write>
void run(benchmark::State& state, Write write) {
    size_t k = 0;
    for (auto _ : state) {
        write(values[k++ & 4095]);
    }
    state.SetItemsProcessed(state.iterations());
}

void KvantorWrite(benchmark::State& state) {
    char buf[kv::kGeneralMaxLength];
    run(state, [&](double v) { benchmark::DoNotOptimize(kv::writeGeneral(buf, v, ".")); });
}

void KvantorString(benchmark::State& state) {
    run(state, [](double v) { benchmark::DoNotOptimize(kv::formatGeneral(v, QChar('.'))); });
}

void FirstImplementation(benchmark::State& state) {
    run(state, [](double v) { benchmark::DoNotOptimize(referenceFormatGeneral(v, QChar('.'))); });
}

void Printf(benchmark::State& state) {
    char buf[64];
    run(state, [&](double v) { benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%.15g", v)); });
}

BENCHMARK(KvantorWrite);
BENCHMARK(KvantorString);
BENCHMARK(FirstImplementation);
BENCHMARK(Printf);

}  // namespace

BENCHMARK_MAIN();

// calc01 as one keystroke on the section calculator runs it: checks, formulas, the eight result
// texts, the size designation, the centroid note and the sketch.
#include "section/calc.hpp"

#include <benchmark/benchmark.h>

namespace {

void run(benchmark::State& state, const section::Inputs& in) {
    for (auto _ : state) {
        auto out = section::calc01(in);
        benchmark::DoNotOptimize(out);
    }
}

void BM_Calc01RoundPipe(benchmark::State& state) {
    run(state, {shape::kRoundPipe, {60.5, 3.2}, 7.85});
}
BENCHMARK(BM_Calc01RoundPipe);

void BM_Calc01UnequalI(benchmark::State& state) {
    run(state, {shape::kUnequalI, {60, 100, 200, 8, 6, 12}, 7.85});
}
BENCHMARK(BM_Calc01UnequalI);

void BM_Calc01Angle(benchmark::State& state) {
    run(state, {shape::kUnequalAngleUpright, {50, 90, 6}, 7.85});
}
BENCHMARK(BM_Calc01Angle);

void BM_Calc01Refused(benchmark::State& state) {
    run(state, {shape::kRoundPipe, {50, 25}, 7.85});
}
BENCHMARK(BM_Calc01Refused);

} // namespace

// Ranking the sizes of a table for one beam: the steel pipes (the longest list of one shape,
// 128 sizes) and every listed steel size, each size a full beam calculation with its texts.
#include <benchmark/benchmark.h>

#include <optional>

#include "choose/ranking.hpp"
#include "choose/sizes.hpp"

namespace {

choose::Request uniformLoad() {
    choose::Request r;
    r.beam.structure = beam::Structure::SimplySupported;
    r.beam.loadCase = beam::LoadCase::Case3;
    r.beam.loadMode = beam::LoadMode::PerMetre;
    r.beam.loadN = 5000;
    r.beam.spanMm = 4000;
    r.beam.eText = "205000";
    r.beam.allowText = "157";
    r.specificGravityText = "7.85";
    r.deflectionLimit = 300;
    return r;
}

void rank(benchmark::State& state, std::optional<int> shape, std::size_t expected) {
    const std::filesystem::path folders[] = {HARI_SOURCE_DIR "/data"};
    const choose::Sizes sizes = choose::loadSizes(1, shape, folders);
    if (sizes.rows.size() < expected) {
        state.SkipWithError("the steel table is not there or short");
        return;
    }
    const choose::Request request = uniformLoad();
    // As the window does: the sizes' own texts once, the beam at every keystroke.
    const std::vector<choose::Size> prepared = choose::prepare(sizes.rows, "7.85");
    for (auto _ : state) {
        choose::Ranking r = choose::rank(request, prepared);
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.counters["sizes"] = double(sizes.rows.size());
}

void BM_rankSteelPipes(benchmark::State& state) {
    rank(state, 1, 128);
}
BENCHMARK(BM_rankSteelPipes)->Unit(benchmark::kMicrosecond);

void BM_rankEverySteelSize(benchmark::State& state) {
    rank(state, std::nullopt, 800);
}
BENCHMARK(BM_rankEverySteelSize)->Unit(benchmark::kMicrosecond);

// The sizes' own texts (designation, mass, Z, I) for every steel size, once per opening.
void BM_prepareEverySteelSize(benchmark::State& state) {
    const std::filesystem::path folders[] = {HARI_SOURCE_DIR "/data"};
    const choose::Sizes sizes = choose::loadSizes(1, std::nullopt, folders);
    for (auto _ : state) {
        std::vector<choose::Size> p = choose::prepare(sizes.rows, "7.85");
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(BM_prepareEverySteelSize)->Unit(benchmark::kMicrosecond);

// Reading every listed shape of the steel table, as the window does when "同じ材質の全形状" is
// chosen (not at each keystroke).
void BM_loadEverySteelSize(benchmark::State& state) {
    const std::filesystem::path folders[] = {HARI_SOURCE_DIR "/data"};
    for (auto _ : state) {
        choose::Sizes s = choose::loadSizes(1, std::nullopt, folders);
        benchmark::DoNotOptimize(s.rows.data());
    }
}
BENCHMARK(BM_loadEverySteelSize)->Unit(benchmark::kMicrosecond);

} // namespace

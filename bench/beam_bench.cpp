// One full calcDispatch per structure and load case, every text formatted: what one keystroke
// on the calculation screen costs.
#include <benchmark/benchmark.h>

#include "beam/dispatch.hpp"

namespace {

void BM_calcDispatch(benchmark::State& state) {
    beam::Inputs in;
    in.structure = static_cast<beam::Structure>(state.range(0));
    in.loadCase = static_cast<beam::LoadCase>(state.range(1));
    in.loadN = 2500;
    in.spanMm = 3000;
    in.l1Mm = 1100;
    // A rolled H section in steel: Z 184 cm³, I 1840 cm⁴, 17.2 kg/m, allowable 160 N/mm².
    in.zText = "184.00";
    in.iText = "1840.00";
    in.eText = "205000";
    in.massText = "17.2";
    in.allowText = "160";
    for (auto _ : state) {
        beam::Outcome out = beam::calcDispatch(in);
        benchmark::DoNotOptimize(out);
    }
}

BENCHMARK(BM_calcDispatch)->ArgNames({"hari", "case"})->ArgsProduct({{1, 2, 3, 4, 5}, {1, 2, 3}});

} // namespace

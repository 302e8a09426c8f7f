// The keypad's state machine alone: one key of a typical entry (digits, a point, a back-space,
// the hand-over by Enter).
#include <benchmark/benchmark.h>

#include "keypad/keypad.hpp"

namespace {

void BM_keypadKey(benchmark::State& state) {
    using keypad::Key;
    const Key entry[] = {Key::D1, Key::D2, Key::Point, Key::D5, Key::Backspace,
                         Key::D7, Key::D0, Key::Enter};
    keypad::Keypad pad(3);
    for (auto _ : state)
        for (Key k : entry)
            benchmark::DoNotOptimize(pad.press(k));
    state.SetItemsProcessed(state.iterations() * std::size(entry));
    state.counters["per_key"] =
        benchmark::Counter(double(state.iterations() * std::size(entry)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_keypadKey);

} // namespace

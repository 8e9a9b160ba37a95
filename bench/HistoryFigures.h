#pragma once

#include <benchmark/benchmark.h>

#include <memory>

#include "HeapUse.h"

// What both undo benchmarks report of a 1,000-step history.
struct HistoryFigures {
    double historyMegabytes = 0;
    double meanStepMicroseconds = 0;
    double slowestStepMicroseconds = 0;
};

// The heap the history alone holds: a fresh session with its steps, less the
// heap once they are cleared and the map stays as it is.
template <typename Session, typename ClearHistory>
void MeasureHistoryMemory(benchmark::State& state, HistoryFigures& figures, ClearHistory clearHistory) {
    for (auto _ : state) {
        auto session = std::make_unique<Session>();
        figures.historyMegabytes = HeapFreedMegabytes([&] { clearHistory(*session); });
    }
    state.counters["history_MB"] = figures.historyMegabytes;
}

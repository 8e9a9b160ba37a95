// What the undo history costs: the memory 1,000 edit steps on a 200-system
// random map keep alive, and the time of one undo and one redo. Prints the
// figures at the end.
#include <benchmark/benchmark.h>


#include <algorithm>
#include <chrono>
#include <iostream>

#include "HistoryFigures.h"
#include "random/StartUp.h"
#include "tests/core/RandomEdits.h"

namespace {

constexpr int Steps = 1000;
constexpr int Systems = 200;

// The shipped data, a random 200-system map and 1,000 random edits applied.
struct Session {
    Session() {
        StartUp(DIZ_PROGRAM_DIR, data, random, 11, reporter);
        GenerationContext context{universe, data, random, reporter, false, {}};
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", Systems, "Random");
        RandomEditMaker maker(data, 99);
        while (edits.size() < Steps) {
            RandomEditMaker::Kind kind{};
            if (std::unique_ptr<MapEdit> edit = maker.Next(universe, kind)) {
                edit->Apply(universe);
                edits.push_back(std::move(edit));
            }
        }
    }

    GameData data;
    RandomSource random{5};
    SilentReporter reporter;
    CUniverse universe;
    std::vector<std::unique_ptr<MapEdit>> edits;
};

Session& TheSession() {
    static Session session;
    return session;
}

struct Figures : HistoryFigures {
    double randomMapStepMegabytes = 0;
};
Figures figures;

void HistoryMemory(benchmark::State& state) {
    MeasureHistoryMemory<Session>(state, figures, [](Session& session) { session.edits.clear(); });
}
BENCHMARK(HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// One Random Map step keeps a whole map: the one it replaced, or once
// undone the random one. Measured undone: the heap it frees when it goes.
void RandomMapStepMemory(benchmark::State& state) {
    Session& s = TheSession();
    RandomEditMaker maker(s.data, 7);
    for (auto _ : state) {
        std::unique_ptr<MapEdit> edit = maker.Make(s.universe, RandomEditMaker::ReplaceMap);
        edit->Apply(s.universe);
        edit->Undo(s.universe);
        figures.randomMapStepMegabytes = HeapFreedMegabytes([&] { edit.reset(); });
    }
    state.counters["step_MB"] = figures.randomMapStepMegabytes;
}
BENCHMARK(RandomMapStepMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Undoes all 1,000 steps one by one and redoes them, timing every step.
void UndoRedoAll(benchmark::State& state) {
    Session& s = TheSession();
    double total = 0, slowest = 0;
    std::int64_t count = 0;
    const auto timed = [&](auto&& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        total += us;
        slowest = std::max(slowest, us);
        ++count;
    };
    for (auto _ : state) {
        for (auto it = s.edits.rbegin(); it != s.edits.rend(); ++it) timed([&] { (*it)->Undo(s.universe); });
        for (auto& edit : s.edits) timed([&] { edit->Apply(s.universe); });
    }
    figures.meanStepMicroseconds = total / static_cast<double>(count);
    figures.slowestStepMicroseconds = slowest;
    state.SetItemsProcessed(count);
    state.counters["mean_step_us"] = figures.meanStepMicroseconds;
    state.counters["slowest_step_us"] = slowest;
}
BENCHMARK(UndoRedoAll)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::cout << "\nUndo history of " << Steps << " random edits on a " << Systems
              << "-system random map: " << figures.historyMegabytes << " MB (heap held only by the history)\n"
              << "One Random Map step (about " << Systems << " systems replaced): " << figures.randomMapStepMegabytes
              << " MB\n"
              << "Undo or redo of one step: mean " << figures.meanStepMicroseconds << " us, slowest "
              << figures.slowestStepMicroseconds << " us\n";
    return 0;
}

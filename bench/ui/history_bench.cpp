// The undo history as the editor holds it: the memory 1,000 steps of random
// edits on a 200-system random map keep alive in the window's QUndoStack,
// and the time of one undo or redo through the Edit menu, with the window
// showing what the step touched and painting it. Prints the figures at the
// end.
//
// Run offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>


#include <QAction>
#include <QApplication>
#include <QUndoStack>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>

#include "../HistoryFigures.h"
#include "model/RandomSource.h"
#include "random/GameData.h"
#include "random/RandomMap.h"
#include "tests/core/RandomEdits.h"
#include "ui/FMapEditor.h"
#include "ui/RecordingPrompts.h"

namespace {

constexpr int Steps = 1000;
constexpr int Systems = 200;

// The window on the shipped data with a random 200-system map and 1,000
// random edits made through its history.
struct Session {
    Session() : window(data, prompts, random) {
        window.SetContextMenusShown(false);
        data.UserFolder = data.ProgramFolder = DIZ_PROGRAM_DIR;
        window.RunStartUp(11);
        CUniverse map;
        SilentReporter silent;
        GenerationContext context{map, data, random, silent, false, {}};
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", Systems, "Random");
        window.Document().Replace(std::move(map));
        window.DrawSystems();
        RandomEditMaker maker(data, 99);
        while (window.Document().History().count() < Steps) {
            RandomEditMaker::Kind kind{};
            if (std::unique_ptr<MapEdit> edit = maker.Next(window.Universe(), kind))
                window.Document().Submit(std::move(edit));
        }
    }

    GameData data;
    RecordingPrompts prompts;
    RandomSource random{5};
    FMapEditor window;
};

struct Figures : HistoryFigures {
    double meanPaintMicroseconds = 0;
};
Figures figures;

void HistoryMemory(benchmark::State& state) {
    MeasureHistoryMemory<Session>(state, figures,
                                  [](Session& session) { session.window.Document().History().clear(); });
}
BENCHMARK(HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

double MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// Every step undone and redone through the Edit menu's actions. The step's
// time covers the map change and the selection shown; the paint that
// follows in the event loop is timed apart.
void UndoRedoThroughWindow(benchmark::State& state) {
    Session session;
    session.window.show();
    QCoreApplication::processEvents();
    QAction* undo = session.window.findChild<QAction*>("undo");
    QAction* redo = session.window.findChild<QAction*>("redo");
    double total = 0, slowest = 0, painting = 0;
    std::int64_t count = 0;
    const auto timed = [&](QAction* action) {
        const auto start = std::chrono::steady_clock::now();
        action->trigger();
        const double us = MicrosecondsSince(start);
        const auto paint = std::chrono::steady_clock::now();
        QCoreApplication::processEvents();
        painting += MicrosecondsSince(paint);
        total += us;
        slowest = std::max(slowest, us);
        ++count;
    };
    for (auto _ : state) {
        for (int i = 0; i < Steps; ++i) timed(undo);
        for (int i = 0; i < Steps; ++i) timed(redo);
    }
    figures.meanStepMicroseconds = total / static_cast<double>(count);
    figures.slowestStepMicroseconds = slowest;
    figures.meanPaintMicroseconds = painting / static_cast<double>(count);
    state.SetItemsProcessed(count);
    state.counters["mean_step_us"] = figures.meanStepMicroseconds;
    state.counters["slowest_step_us"] = slowest;
}
BENCHMARK(UndoRedoThroughWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::cout << "\nEditor history of " << Steps << " random edits on a " << Systems
              << "-system random map: " << figures.historyMegabytes << " MB (heap held only by the history)\n"
              << "Undo or redo of one step through the window: mean " << figures.meanStepMicroseconds
              << " us, slowest " << figures.slowestStepMicroseconds << " us; then painting it: mean "
              << figures.meanPaintMicroseconds << " us\n";
    return 0;
}

// Random galaxy generation with the shipped data set: one map per iteration,
// each from the same seed, for every shape at 100 and 200 systems; Grid only
// at 80, the most the dialog lets through for it.
#include <benchmark/benchmark.h>

#include "random/RandomChecks.h"
#include "random/StartUp.h"
#include "random/RandomMap.h"

namespace {

struct Shipped {
    Shipped() { StartUp(DIZ_PROGRAM_DIR, data, random, 1, reporter); }
    GameData data;
    RandomSource random;
    SilentReporter reporter;
};

Shipped& Data() {
    static Shipped shipped;
    return shipped;
}

void GenerateMap(benchmark::State& state, const char* shape) {
    Shipped& shipped = Data();
    const auto N = static_cast<std::int32_t>(state.range(0));
    std::int64_t objects = 0;
    for (auto _ : state) {
        CUniverse universe;
        shipped.random.Seed(42);
        GenerationContext context{universe, shipped.data, shipped.random, shipped.reporter, false, {}};
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", N, shape);
        objects = universe.NObjetosU();
        benchmark::DoNotOptimize(objects);
    }
    state.counters["objects"] = static_cast<double>(objects);
}

void Shape(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
}

void GridShape(benchmark::internal::Benchmark* b) {
    b->Arg(MaxRandomSystems(ShapeGrid, 0))->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK_CAPTURE(GenerateMap, Random, "Random")->Apply(Shape);
BENCHMARK_CAPTURE(GenerateMap, Spiral, "Spiral")->Apply(Shape);
BENCHMARK_CAPTURE(GenerateMap, Grid, "Grid")->Apply(GridShape);
BENCHMARK_CAPTURE(GenerateMap, Islands, "Islands")->Apply(Shape);

BENCHMARK_MAIN();

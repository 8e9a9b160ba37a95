// Saving and loading a large txt map against the raw cost of writing and
// reading the same bytes. Prints the ratios to raw at the end.
//
// Both sides are measured the way a user meets them: the raw write and Save
// each create a fresh file (rewriting a file in place first waits for the
// disk to let go of the old one); the load ends with the map let go, as the
// editor lets the previous map go; and the program says whether the file was
// read from the page cache or from the disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "BenchSupport.h"
#include "MapFixture.h"
#include "SyntheticGalaxy.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"

namespace {

namespace fs = std::filesystem;

constexpr int Systems = 200;

MapFixture& Shared() {
    static MapFixture fixture(Systems, "diz_bench_");
    return fixture;
}

// Every iteration writes a new file; the previous one is deleted untimed.
void BM_RawWrite(benchmark::State& state) {
    MapFixture& f = Shared();
    WriteRawToFreshFiles(state, f);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

// Save writes a temporary file and puts it in place of the old map.
void BM_Save(benchmark::State& state) {
    MapFixture& f = Shared();
    for (auto _ : state) {
        std::string error = SaveMapText(f.universe, f.names, f.folder, "Saved");
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

void BM_RawRead(benchmark::State& state) {
    MapFixture& f = Shared();
    ReadRawWhole(state, f);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

// Reading the map and letting it go again, as a second load does.
void BM_Load(benchmark::State& state) {
    MapFixture& f = Shared();
    for (auto _ : state) {
        LoadResult loaded = LoadMapText(f.folder / "Load.txt", f.names);
        if (!loaded.Ok()) state.SkipWithError(loaded.error.c_str());
        benchmark::DoNotOptimize(loaded);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    MapFixture& f = Shared();
    std::cout << "map: " << Systems << " systems, " << f.universe.NObjetosU() << " objects, " << f.text.size() / 1e6
              << " MB\n";
    PrintMachineLoad("before");
    PrintPageCacheShare("raw read, before the first read", f.folder / "Raw.txt");
    PrintPageCacheShare("load, before the first read", f.folder / "Load.txt");
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintMachineLoad("after");
    PrintRatio(reporter, "BM_Save", "BM_RawWrite", 8);
    PrintRatio(reporter, "BM_Load", "BM_RawRead", 15);
    benchmark::Shutdown();
    return 0;
}

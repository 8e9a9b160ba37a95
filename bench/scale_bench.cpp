// How loading and saving grow with the size of the map: 50, 200, 800 and
// 3,400 systems (the full grid) of 40 objects each, each against the raw
// cost of reading and writing the same bytes. Prints the growth exponents
// (1 is linear) and the ratios to raw at every size.
//
//   scale_bench [--keep-maps=FOLDER]   also leaves the map files in FOLDER
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
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

const int Sizes[] = {50, 200, 800, 3400};

fs::path keptMaps;

// One map of one size at a time.
MapFixture& Current(int systems) {
    static std::unique_ptr<MapFixture> fixture;
    if (!fixture || fixture->systems != systems) {
        fixture.reset();
        fixture = std::make_unique<MapFixture>(systems, "diz_scale_");
        std::cout << systems << " systems: " << fixture->universe.NObjetosU() << " objects, "
                  << fixture->text.size() / 1e6 << " MB\n";
        PrintPageCacheShare("  before the reads", fixture->folder / "Load.txt");
        if (!keptMaps.empty())
            fs::copy_file(fixture->folder / "Load.txt", keptMaps / ("Scale" + std::to_string(systems) + ".txt"),
                          fs::copy_options::overwrite_existing);
    }
    return *fixture;
}

void RawWrite(benchmark::State& state, int systems) {
    WriteRawToFreshFiles(state, Current(systems));
}

void Save(benchmark::State& state, int systems) {
    MapFixture& f = Current(systems);
    for (auto _ : state) {
        const std::string error = SaveMapText(f.universe, f.names, f.folder, "Saved");
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}

void RawRead(benchmark::State& state, int systems) {
    MapFixture& f = Current(systems);
    ReadRawWhole(state, f);
}

// Reading the map and letting it go again, as a second load does.
void Load(benchmark::State& state, int systems) {
    MapFixture& f = Current(systems);
    for (auto _ : state) {
        LoadResult loaded = LoadMapText(f.folder / "Load.txt", f.names);
        if (!loaded.Ok()) state.SkipWithError(loaded.error.c_str());
        benchmark::DoNotOptimize(loaded);
    }
}

std::string Name(const char* task, int systems) { return std::string(task) + "/" + std::to_string(systems); }

// Size by size, so that each map is built once.
void RegisterAll() {
    using Task = void (*)(benchmark::State&, int);
    const std::pair<const char*, Task> tasks[] = {{"RawWrite", RawWrite}, {"Save", Save}, {"RawRead", RawRead},
                                                  {"Load", Load}};
    for (int systems : Sizes)
        for (const auto& [task, run] : tasks)
            benchmark::RegisterBenchmark(Name(task, systems).c_str(), run, systems)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
}

void PrintGrowth(const MedianReporter& reporter, const char* task) {
    std::vector<std::pair<double, double>> cpu;
    for (int systems : Sizes)
        if (reporter.Has(Name(task, systems))) cpu.push_back({systems, reporter.Of(Name(task, systems)).cpu});
    if (cpu.size() < 2) return;
    std::cout << task << " growth exponent in CPU time (1 is linear): " << GrowthExponent(cpu) << " fitted over "
              << cpu.front().first << " to " << cpu.back().first << " systems;";
    for (std::size_t i = 1; i < cpu.size(); ++i)
        std::cout << " " << GrowthExponent({cpu[i - 1], cpu[i]}) << " from " << cpu[i - 1].first << " to "
                  << cpu[i].first << ";";
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--keep-maps=", 0) == 0) keptMaps = arg.substr(12);
    }
    if (!keptMaps.empty()) fs::create_directories(keptMaps);
    RegisterAll();
    PrintMachineLoad("before");
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintMachineLoad("after");
    PrintGrowth(reporter, "Load");
    PrintGrowth(reporter, "Save");
    PrintGrowth(reporter, "RawRead");
    for (int systems : Sizes) {
        PrintRatio(reporter, Name("Load", systems), Name("RawRead", systems), 10);
        PrintRatio(reporter, Name("Save", systems), Name("RawWrite", systems), 8);
    }
    PrintRatio(reporter, "Load/3400", "Load/200", 25);
    PrintRatio(reporter, "Save/3400", "Save/200", 25);
    benchmark::Shutdown();
    return 0;
}

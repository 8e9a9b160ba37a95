// Saving and loading a large txt map against the raw cost of writing and
// reading the same bytes. Prints the ratios to raw at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <unistd.h>

#include "mapfile/MapSave.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"

namespace {

namespace fs = std::filesystem;

constexpr int Systems = 200;
constexpr int ObjectsPerSystem = 40;

struct Fixture {
    fs::path folder;
    OpenTypeNames names;
    CUniverse universe;
    std::string text;

    Fixture() {
        folder = fs::temp_directory_path() / ("diz_bench_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        std::ofstream(folder / BlackHoleTemplateName, std::ios::binary)
            << "Number of Black Hole Clouds                       := 1\r\n";
        for (const char* type : {"Yellow Medium Star", "Medium Rock Planet", "Large Asteroid Field", "Ion Storm",
                                 "Small Warp Point"})
            names.OrdinalOfTypeName(type);
        Build();
        text = GenerateMapTxt(universe, names, folder).text;
    }
    ~Fixture() { fs::remove_all(folder); }

    void Build() {
        std::vector<SystemRef> systems;
        for (int s = 0; s < Systems; ++s) {
            SystemRef system = NewSystem();
            system->name = "System " + std::to_string(s);
            system->X = s % GalaxyColumns;
            system->y = s / GalaxyColumns;
            system->PhysicalType = static_cast<std::uint8_t>(s % 10 == 0 ? PhysicalBlackHole : PhysicalNormal);
            CStellarBackground sky;
            sky.Set(2, 1, 1, "Sky.bmp");
            system->addStellarBackground(sky);
            universe.AddSystem(system);
            systems.push_back(system);
        }
        for (int s = 0; s < Systems; ++s)
            for (int k = 0; k < ObjectsPerSystem; ++k) AddObject(systems, s, k);
    }

    // Per system: 1 star, 15 planets with two abilities, 10 asteroid fields,
    // 6 storms, 8 warps to other systems.
    void AddObject(const std::vector<SystemRef>& systems, int s, int k) {
        static const char* const kinds[] = {"STAR", "PLANET", "ASTEROID", "STORM", "WARP"};
        const int kind = k == 0 ? 0 : k <= 15 ? 1 : k <= 25 ? 2 : k <= 31 ? 3 : 4;
        SpaceObjectRef object = NewSpaceObject(kinds[kind]);
        object->coord = CCoord{k % 27 - 13, k / 27};
        object->StellarObjectType = kind + 1;
        object->name = systems[static_cast<std::size_t>(s)]->name + " " + std::to_string(k);
        if (kind == 1) {
            object->Gravity = "0.9";
            for (int a = 0; a < 2; ++a) {
                CAbility ability;
                ability.IniciaCAbility();
                ability.Tipe = "Resource Bonus";
                object->AddAbility(ability);
            }
        }
        if (kind == 4) {
            object->destSystem = systems[static_cast<std::size_t>((s + k) % Systems)];
            object->destCoord = CCoord{3, -2};
        }
        object->systema = systems[static_cast<std::size_t>(s)];
        universe.AddSpaceObject(object, object->systema->ID);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_RawWrite(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::ofstream out(f.folder / "Raw.txt", std::ios::binary | std::ios::trunc);
        out.write(f.text.data(), static_cast<std::streamsize>(f.text.size()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

void BM_Save(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::string error = SaveMapText(f.universe, f.names, f.folder, "Saved");
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

void BM_RawRead(benchmark::State& state) {
    Fixture& f = Shared();
    std::ofstream(f.folder / "Raw.txt", std::ios::binary) << f.text;
    for (auto _ : state) {
        std::ifstream in(f.folder / "Raw.txt", std::ios::binary | std::ios::ate);
        std::string content(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        benchmark::DoNotOptimize(content);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

void BM_Load(benchmark::State& state) {
    Fixture& f = Shared();
    std::ofstream(f.folder / "Load.txt", std::ios::binary) << f.text;
    for (auto _ : state) {
        LoadResult loaded = LoadMapText(f.folder / "Load.txt", f.names);
        if (!loaded.Ok()) state.SkipWithError(loaded.error.c_str());
        benchmark::DoNotOptimize(loaded);
        state.PauseTiming();  // letting the map go is not part of loading it
        loaded.universe.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.text.size()));
}

BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// The console output plus the times of every run (the median when repeated),
// for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    std::map<std::string, Times> times;
};

void PrintRatio(const RatioReporter& reporter, const std::string& task, const std::string& raw, double target) {
    const auto t = reporter.times.find(task), r = reporter.times.find(raw);
    if (t == reporter.times.end() || r == reporter.times.end() || r->second.real <= 0 || r->second.cpu <= 0) return;
    const double real = t->second.real / r->second.real, cpu = t->second.cpu / r->second.cpu;
    std::cout << task << " / " << raw << ": " << real << " x in real time, " << cpu << " x in CPU time (target "
              << target << ", " << (std::max(real, cpu) <= target ? "met" : "missed") << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::cout << "map: " << Systems << " systems, " << Systems * ObjectsPerSystem << " objects, "
              << Shared().text.size() / 1e6 << " MB\n";
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter, "BM_Save", "BM_RawWrite", 8);
    PrintRatio(reporter, "BM_Load", "BM_RawRead", 15);
    benchmark::Shutdown();
    return 0;
}

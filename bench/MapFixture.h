#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "SyntheticGalaxy.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"

// A synthetic map of a given size, its txt text, and that text on disk twice
// (Raw.txt for the raw read, Load.txt for the loader) in a folder of its own.
struct MapFixture {
    MapFixture(int systems, const std::string& folderPrefix) : systems(systems) {
        folder = std::filesystem::temp_directory_path() / (folderPrefix + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / BlackHoleTemplateName, std::ios::binary)
            << "Number of Black Hole Clouds                       := 1\r\n";
        for (const char* type : {"Yellow Medium Star", "Medium Rock Planet", "Large Asteroid Field", "Ion Storm",
                                 "Small Warp Point"})
            names.OrdinalOfTypeName(type);
        BuildSyntheticGalaxy(universe, systems);
        text = GenerateMapTxt(universe, names, folder).text;
        std::ofstream(folder / "Raw.txt", std::ios::binary) << text;
        std::ofstream(folder / "Load.txt", std::ios::binary) << text;
    }
    ~MapFixture() { std::filesystem::remove_all(folder); }

    int systems;
    std::filesystem::path folder;
    OpenTypeNames names;
    CUniverse universe;
    std::string text;
};

// The raw cost of writing the map's bytes: every iteration writes a new file,
// and the previous one is deleted untimed.
inline void WriteRawToFreshFiles(benchmark::State& state, const MapFixture& f) {
    int n = 0;
    for (auto _ : state) {
        const std::filesystem::path file = f.folder / ("Fresh" + std::to_string(++n) + ".txt");
        {
            std::ofstream out(file, std::ios::binary);
            out.write(f.text.data(), static_cast<std::streamsize>(f.text.size()));
        }
        state.PauseTiming();
        std::filesystem::remove(file);
        state.ResumeTiming();
    }
}

// The raw cost of reading the map's bytes: the whole of Raw.txt into memory.
inline void ReadRawWhole(benchmark::State& state, const MapFixture& f) {
    for (auto _ : state) {
        std::ifstream in(f.folder / "Raw.txt", std::ios::binary | std::ios::ate);
        std::string content(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        benchmark::DoNotOptimize(content);
    }
}

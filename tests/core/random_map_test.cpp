#include <gtest/gtest.h>

#include <set>

#include "TempFolder.h"
#include "random/StartUp.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "model/SectorField.h"
#include "random/RandomMap.h"
#include "random/WarpLinks.h"

namespace {

// The shipped data set of the program folder, read as the editor reads it.
struct ShippedData {
    explicit ShippedData(std::uint64_t seed) {
        const StartUpResult result = StartUp(DIZ_PROGRAM_DIR, data, random, seed, reporter);
        EXPECT_TRUE(result.AllFilesRead()) << testing::PrintToString(reporter.Messages());
    }
    GenerationContext Context() { return GenerationContext{universe, data, random, reporter, false, {}}; }

    GameData data;
    RandomSource random;
    RecordingReporter reporter;
    CUniverse universe;
};

std::string MapText(const ShippedData& shipped) {
    const TxtBlock map = GenerateMapTxt(shipped.universe, shipped.data.Stellar, shipped.data.ProgramFolder);
    EXPECT_EQ(map.error, "");
    return map.text;
}

std::string Generate(std::uint64_t seed, const std::string& quadrant, std::int32_t N, const std::string& shape) {
    ShippedData shipped(seed);
    GenerationContext context = shipped.Context();
    RandomMapGenerator().GenerateRandomMap(context, quadrant, N, shape);
    return MapText(shipped);
}

std::int32_t CountKindIn(const CUniverse& universe, std::uint8_t kind) {
    std::int32_t count = 0;
    for (const auto& o : universe.Objects()) count += o->Tipo == kind ? 1 : 0;
    return count;
}

void ExpectSeparateCells(const CUniverse& universe, std::size_t fixedLocations) {
    std::set<std::pair<int, int>> cells;
    for (std::size_t i = fixedLocations; i < universe.Systems().size(); ++i) {
        const auto& s = universe.Systems()[i];
        EXPECT_TRUE(cells.insert({s->X, s->y}).second) << s->name << " at " << s->X << "," << s->y;
    }
}

}  // namespace

TEST(RandomMap, SameSeedSameBytes) {
    for (const char* shape : {"Random", "Spiral", "Grid", "Islands"}) {
        const std::string first = Generate(99, "Balanced Galaxy", 60, shape);
        EXPECT_EQ(first, Generate(99, "Balanced Galaxy", 60, shape)) << shape;
        EXPECT_NE(first, Generate(100, "Balanced Galaxy", 60, shape)) << shape;
    }
}

TEST(RandomMap, ProgressReportsEverySystemAndEveryWarpSource) {
    ShippedData shipped(5);
    GenerationContext context = shipped.Context();
    std::vector<std::string> texts;
    int redraws = 0;
    context.progress.status = [&](const std::string& text) { texts.push_back(text); };
    context.progress.redraw = [&] { ++redraws; };
    RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", 12, "Random");
    ASSERT_EQ(texts.size(), 24u);
    EXPECT_EQ(texts[0], "Generating System 0");
    EXPECT_EQ(texts[11], "Generating System 11");
    EXPECT_EQ(texts[14], shipped.universe.Systems()[2]->name + " (3/12)");
    EXPECT_EQ(redraws, 12 + 1 + 12);
}

// Every shape with every shipped quadrant type over a spread of sizes: the
// generation ends, and the map written out loads back whole with every warp
// point leading to a system of the map.
TEST(RandomMap, SweepOfShapesSizesAndQuadrantTypesLoadsBack) {
    ShippedData shipped(2024);
    ASSERT_FALSE(shipped.data.QuadrantTypes.Types().empty());
    RandomMapGenerator generator;  // one generator for the run, as in the editor
    for (const QuadrantType& quadrant : shipped.data.QuadrantTypes.Types()) {
        for (const char* shape : {"Random", "Spiral", "Grid", "Islands"}) {
            for (std::int32_t N : {10, 45, 80, 119, 200}) {
                if (std::string(shape) == "Grid" && N > 80) continue;
                SCOPED_TRACE(quadrant.Name + " " + shape + " " + std::to_string(N));
                GenerationContext context = shipped.Context();
                generator.GenerateRandomMap(context, quadrant.Name, N, shape);
                ASSERT_EQ(shipped.universe.NSistemas(), N);
                if (std::string(shape) != "Grid") ExpectSeparateCells(shipped.universe, quadrant.Locations.size());
                for (const auto& o : shipped.universe.Objects())
                    ASSERT_TRUE(IsValidSector(o->coord.X, o->coord.y)) << o->name;
                const std::string text = MapText(shipped);
                const LoadResult loaded = LoadMapTextFromMemory(text, "sweep", shipped.data.Stellar);
                ASSERT_TRUE(loaded.Ok()) << loaded.error;
                EXPECT_EQ(loaded.danglingWarps, 0);
                EXPECT_EQ(loaded.universe->NSistemas(), N);
                EXPECT_EQ(loaded.universe->NObjetosU(), shipped.universe.NObjetosU());
            }
        }
    }
}

TEST(RandomMap, GeneratedWarpPointsAreOfALargeType) {
    for (const char* shape : {"Random", "Grid"}) {
        ShippedData shipped(17);
        GenerationContext context = shipped.Context();
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", 40, shape);
        std::set<std::string> names;
        for (const auto& o : shipped.universe.Objects()) {
            if (o->Tipo != KindWarpPoint) continue;
            const StellarTypeEntry& entry = shipped.data.Stellar.FindTypeByOrdinal(o->StellarObjectType);
            EXPECT_EQ(entry.Size, "Large") << shape << ": " << entry.Name;
            names.insert(entry.Name);
        }
        EXPECT_EQ(names.size(), 2u) << shape;  // both large kinds, stable and unstable, are drawn
    }
}

// After the map went through its file, every warp point still leads to a
// system of the map that holds its partner: the warp at the destination
// sector, leading back to this warp's sector.
TEST(RandomMap, EveryWarpReachesItsPartnerAfterSaveAndLoad) {
    for (const char* shape : {"Random", "Spiral", "Grid", "Islands"}) {
        SCOPED_TRACE(shape);
        ShippedData shipped(31);
        GenerationContext context = shipped.Context();
        RandomMapGenerator().GenerateRandomMap(context, "Core Worlds", 70, shape);
        TempFolder folder;
        const auto file = folder.Path() / "Saved.txt";
        ASSERT_EQ(WriteTextContentSafely(file, MapText(shipped)), "");
        const LoadResult loaded = LoadMapText(file, shipped.data.Stellar);
        ASSERT_TRUE(loaded.Ok()) << loaded.error;
        const CUniverse& u = *loaded.universe;
        std::int32_t warps = 0;
        for (const auto& system : u.Systems())
            for (const auto& warp : system->objects) {
                if (warp->Tipo != KindWarpPoint) continue;
                ++warps;
                ASSERT_TRUE(warp->destSystem);
                ASSERT_EQ(u.GetOneSystem(warp->destSystem->ID), warp->destSystem) << warp->destSystem->name;
                std::int32_t partners = 0;
                for (const auto& back : warp->destSystem->objects)
                    partners += back->Tipo == KindWarpPoint && back->destSystem == system &&
                                back->coord.X == warp->destCoord.X && back->coord.y == warp->destCoord.y &&
                                back->destCoord.X == warp->coord.X && back->destCoord.y == warp->coord.y;
                EXPECT_EQ(partners, 1) << system->name << " -> " << warp->destSystem->name;
            }
        EXPECT_EQ(warps, CountKindIn(shipped.universe, KindWarpPoint));
        EXPECT_GT(warps, 70);
    }
}

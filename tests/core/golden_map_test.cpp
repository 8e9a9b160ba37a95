#include <gtest/gtest.h>

#include <filesystem>

#include "random/StartUp.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextWriter.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/RandomMap.h"

namespace {

const std::filesystem::path GoldenFolder = std::filesystem::path(DIZ_TEST_DATA_DIR) / "golden";

// The request the committed map was made from (tests/data/golden/README.txt).
constexpr std::uint64_t GoldenSeed = 2024;
constexpr const char* GoldenQuadrant = "Golden Quadrant";
constexpr std::int32_t GoldenSystems = 14;
constexpr const char* GoldenShape = "Spiral";

}  // namespace

// A fixed seed and a fixed data set give the committed map byte for byte: any
// change to the order or the use of the random draws shows up here.
TEST(GoldenRandomMap, FixedSeedAndDataGiveTheCommittedMap) {
    GameData data;
    RandomSource random;
    RecordingReporter reporter;
    const StartUpResult started = StartUp(GoldenFolder, data, random, GoldenSeed, reporter);
    ASSERT_TRUE(started.AllFilesRead()) << testing::PrintToString(reporter.Messages());

    CUniverse universe;
    GenerationContext context = MakeGenerationContext(universe, data, random, reporter);
    RandomMapGenerator().GenerateRandomMap(context, GoldenQuadrant, GoldenSystems, GoldenShape);
    EXPECT_TRUE(reporter.entries.empty()) << testing::PrintToString(reporter.Messages());
    const TxtBlock map = GenerateMapTxt(universe, data.Stellar, data.ProgramFolder);
    ASSERT_EQ(map.error, "");

    const std::optional<std::string> golden = ReadFileBytes(GoldenFolder / "GoldenMap.txt");
    ASSERT_TRUE(golden) << "GoldenMap.txt is missing";
    if (map.text != *golden) {
        const auto actual = std::filesystem::temp_directory_path() / "GoldenMap.actual.txt";
        EXPECT_EQ(WriteTextContentSafely(actual, map.text), "");
        ADD_FAILURE() << "the generated map differs from GoldenMap.txt; it was written to " << actual.string();
    }
}

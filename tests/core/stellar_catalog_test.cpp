#include <gtest/gtest.h>

#include "TempFolder.h"
#include "catalog/StellarCatalog.h"
#include "model/RandomSource.h"
#include "model/Reporter.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 27, value); }

std::vector<std::string> Filler(int count) { return std::vector<std::string>(count, L("Unused", "x")); }

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<std::string> Star(const std::string& name, const std::string& colour, const std::string& size) {
    return Join({{L("Stellar Object Name", name), L("Physical Type", "Star")}, Filler(5),
                 {L("Picture", "Star_" + colour + ".bmp")}, Filler(2), {L("Size", size), L("Age", "Old"),
                 L("Colour", colour), L("Abilities", "0")}});
}

std::vector<std::string> Planet(const std::string& name, const std::string& size, const std::string& type,
                                const std::string& atmosphere) {
    const bool sphere = name.rfind("Sphereworld", 0) == 0;
    return Join({{L("Stellar Object Name", name), L("Physical Type", "Planet")}, Filler(sphere ? 5 : 4),
                 {L("Picture", name + ".bmp")}, Filler(2),
                 {L("Size", size), L("Type", type), L("Atmosphere", atmosphere)}, Filler(5)});
}

// Storms, asteroid fields and warp points: lines 0 to 9, then their extra lines.
std::vector<std::string> Simple(const std::string& name, const std::string& kind, const std::string& size,
                                std::vector<std::string> extra = {}) {
    return Join({{L("Stellar Object Name", name), L("Physical Type", kind)}, Filler(4),
                 {L("Picture", name + ".bmp")}, Filler(2), {L("Size", size)}, extra});
}

class StellarCatalogTest : public ::testing::Test {
protected:
    bool Parse(const std::vector<std::string>& lines, bool crlf = true) {
        return catalog.ParseStellarObjectTypes(folder.Write("StellarObjectTypes.txt", lines, crlf), reporter);
    }

    TempFolder folder;
    StellarCatalog catalog;
    RecordingReporter reporter;
    RandomSource random{7};
};

TEST_F(StellarCatalogTest, ReadsEveryKindByPositionWithBothLineEnds) {
    const auto lines = Join({Star("Yellow Small Star", "Yellow", "Small"), {""},
                             Planet("Rocky", "Medium", "Rock", "Oxygen"),
                             Planet("Sphereworld Alpha", "Sphereworld", "Ice", "Methane"),
                             Simple("Ion Storm", "Storm", "Large"),
                             Simple("Ice Field", "Asteroids", "Small", {L("Type", "Ice")}),
                             Simple("Big Warp", "Warp Point", "Large", Filler(2))});
    for (bool crlf : {true, false}) {
        ASSERT_TRUE(Parse(lines, crlf));
        const auto& e = catalog.Entries();
        ASSERT_EQ(e.size(), 6u);
        EXPECT_EQ(e[0].Name, "Yellow Small Star");
        EXPECT_EQ(e[0].PictureFile, "Star_Yellow.bmp");
        EXPECT_EQ(e[0].Size, "Small");
        EXPECT_EQ(e[0].Colour, "Yellow");
        EXPECT_EQ(e[1].PictureFile, "Rocky.bmp");
        EXPECT_EQ(e[1].Size, "Medium");
        EXPECT_EQ(e[1].SubType, "Rock");
        EXPECT_EQ(e[1].Atmosphere, "Oxygen");
        EXPECT_EQ(e[2].PictureFile, "Sphereworld Alpha.bmp");
        EXPECT_EQ(e[2].Size, "Sphereworld");
        EXPECT_EQ(e[2].Atmosphere, "Methane");
        EXPECT_EQ(e[3].PhysicalType, "Storm");
        EXPECT_EQ(e[3].Size, "Large");
        EXPECT_EQ(e[4].SubType, "Ice");
        EXPECT_EQ(e[5].PhysicalType, "Warp");
        EXPECT_EQ(e[5].Ordinal, 6);
        EXPECT_EQ(catalog.WarpTypesOf("Large").size(), 1u);
    }
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(StellarCatalogTest, ValueStartsAtColumn31AndShortLinesGiveEmptyValues) {
    // The key part is never checked: only the 31st character on counts.
    auto lines = Star("Odd", "Red", "Huge");
    lines[10] = std::string(30, '#') + "Tiny";
    lines[12] = "Colour";
    ASSERT_TRUE(Parse(lines));
    EXPECT_EQ(catalog.Entries()[0].Size, "Tiny");
    EXPECT_EQ(catalog.Entries()[0].Colour, "");
}

TEST_F(StellarCatalogTest, OnlyTheExactSphereworldPrefixTakesTheLongLayout) {
    ASSERT_TRUE(Parse(Planet("Spehereworld", "Huge", "Rock", "None")));
    EXPECT_EQ(catalog.Entries()[0].Atmosphere, "None");
    EXPECT_EQ(catalog.Entries()[0].PictureFile, "Spehereworld.bmp");
}

TEST_F(StellarCatalogTest, LinesTakenByAnEntryNeverStartAnother) {
    // The storm's line 9 is another entry's name line: it is read as the size.
    auto storm = Simple("Short Storm", "Storm", "Medium");
    storm.resize(9);
    ASSERT_TRUE(Parse(Join({storm, Star("Lost Star", "Red", "Tiny"), Star("Found Star", "Red", "Tiny")})));
    EXPECT_EQ(catalog.FindTypeByName("Lost Star").Ordinal, 0);
    EXPECT_EQ(catalog.OrdinalOfTypeName("Found Star"), 2);
    EXPECT_EQ(catalog.Entries()[0].Size, "Lost Star");
}

TEST_F(StellarCatalogTest, UnknownPhysicalTypeKeepsOnlyNameTypeAndOrdinal) {
    ASSERT_TRUE(Parse(Join({{L("Stellar Object Name", "Cloud"), L("Physical Type", "Nebula")},
                            Simple("Ion Storm", "Storm", "Large")})));
    const auto cloud = catalog.FindTypeByOrdinal(1);
    EXPECT_EQ(cloud.PhysicalType, "Nebula");
    EXPECT_EQ(cloud.PictureFile, "");
    EXPECT_EQ(catalog.StormTypes().size(), 1u);
    EXPECT_EQ(catalog.TypeNameOfOrdinal(2), "Ion Storm");
}

TEST_F(StellarCatalogTest, TruncatedEntryIsReportedAndKeptWithOrdinalZero) {
    auto cut = Star("Cut Star", "Blue", "Large");
    cut.resize(11);
    EXPECT_FALSE(Parse(Join({Star("Whole Star", "Red", "Tiny"), cut})));
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{"The 'StellarObjectTypes.txt' path is incorrect"});
    ASSERT_EQ(catalog.Entries().size(), 2u);
    EXPECT_EQ(catalog.Entries()[1].Ordinal, 0);
    EXPECT_EQ(catalog.Entries()[1].Size, "Large");
    EXPECT_EQ(catalog.TypeNameOfOrdinal(0), "");
    EXPECT_EQ(catalog.OrdinalOfTypeName("Whole Star"), 1);
}

TEST_F(StellarCatalogTest, MissingFileOrFileWithoutEntriesKeepsThePreviousCatalogue) {
    ASSERT_TRUE(Parse(Star("Kept", "Red", "Tiny")));
    EXPECT_FALSE(catalog.ParseStellarObjectTypes(folder.Path() / "missing.txt", reporter));
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{"The 'StellarObjectTypes.txt' path is incorrect"});
    EXPECT_TRUE(Parse({"nothing here"}));
    EXPECT_EQ(catalog.TypeNameOfOrdinal(1), "Kept");
    // A new file with entries replaces the old catalogue entirely.
    ASSERT_TRUE(Parse(Simple("Only Storm", "Storm", "Small")));
    EXPECT_EQ(catalog.Entries().size(), 1u);
}

TEST_F(StellarCatalogTest, LookupsFindTheFirstAndTheLastEntry) {
    ASSERT_TRUE(Parse(Join({Star("Twin", "Red", "Tiny"), Star("Twin", "Blue", "Huge"), Star("Last", "Red", "Tiny")})));
    EXPECT_EQ(catalog.OrdinalOfTypeName("Twin"), 1);
    EXPECT_EQ(catalog.PictureOfTypeName("Twin"), "Star_Red.bmp");
    EXPECT_EQ(catalog.PictureOfOrdinal(2), "Star_Blue.bmp");
    EXPECT_EQ(catalog.OrdinalOfTypeName("Last"), 3);
    EXPECT_EQ(catalog.StarTypesOf("Red", "Tiny").size(), 2u);
    EXPECT_EQ(catalog.OrdinalOfTypeName("twin"), 0);
    EXPECT_EQ(catalog.PictureOfOrdinal(99), "");
    EXPECT_EQ(catalog.PictureFiles(), (std::vector<std::string>{"Star_Red.bmp", "Star_Blue.bmp"}));
}

TEST(AtmospherePicture, KnownNamesAndEverythingElse) {
    EXPECT_EQ(AtmospherePicture("Carbon Dioxide"), "CarbonDioxide.bmp");
    EXPECT_EQ(AtmospherePicture("None"), "None.bmp");
    EXPECT_EQ(AtmospherePicture("oxygen"), "Unknown.bmp");
}

TEST_F(StellarCatalogTest, RandomStarDrawsColoursUntilOneMatches) {
    ASSERT_TRUE(Parse(Join({Star("Only Green Huge", "Green", "Huge"), Star("Red Tiny", "Red", "Tiny")})));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(catalog.RandomStarType("Any", "Huge", random, reporter), 1);
    int seen[3] = {0, 0, 0};
    for (int i = 0; i < 200; ++i) ++seen[catalog.RandomStarType("Any", "Any", random, reporter)];
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(StellarCatalogTest, RandomPicksEndWhenNothingCanMatch) {
    ASSERT_TRUE(Parse(Join({Star("Red Tiny", "Red", "Tiny"), Planet("P", "Small", "Rock", "Oxygen"),
                            Simple("A", "Asteroids", "Small", {L("Type", "Ice")})})));
    EXPECT_EQ(catalog.RandomStarType("Blue", "Any", random, reporter), 0);
    EXPECT_EQ(catalog.RandomStormType(random, reporter), 0);
    EXPECT_EQ(catalog.RandomWarpType("Large", random, reporter), 0);
    EXPECT_EQ(catalog.RandomAsteroidType("Small", "Rock", random, reporter), 0);
    // "Any" atmosphere draws from the first five known atmospheres only.
    const std::vector<std::string> six{"None", "Methane", "Hydrogen", "Carbon Dioxide", "Neon", "Oxygen"};
    EXPECT_EQ(catalog.RandomPlanetType("Small", "Rock", "Any", six, random, reporter), 0);
    EXPECT_EQ(catalog.RandomPlanetType("Small", "Rock", "Any", {}, random, reporter), 0);
    EXPECT_EQ(reporter.Messages(), (std::vector<std::string>{
                                       "There are no entries for that kind of Star",
                                       "There are no entries for that kind of Storm",
                                       "There are no entries for that kind of Warp",
                                       "There are no entries for that kind of Asteroid",
                                       "There are no entries for that kind of Planet",
                                       "There are no entries for that kind of Planet"}));
    EXPECT_EQ(catalog.RandomPlanetType("Any", "Any", "Any", {"Oxygen"}, random, reporter), 2);
    EXPECT_EQ(catalog.RandomAsteroidType("Any", "Any", random, reporter), 3);
}

TEST_F(StellarCatalogTest, ResolvePicturePrefersThePrimaryFolder) {
    const auto primary = folder.Path() / "a", secondary = folder.Path() / "b";
    folder.Write("a/One.bmp", {"x"});
    folder.Write("b/One.bmp", {"x"});
    folder.Write("b/Two.bmp", {"x"});
    std::filesystem::create_directories(primary / "Dir.bmp");
    catalog.SetPictureFolders(primary, secondary);
    EXPECT_EQ(catalog.ResolvePicture("One.bmp"), primary / "One.bmp");
    EXPECT_EQ(catalog.ResolvePicture("Two.bmp"), secondary / "Two.bmp");
    EXPECT_FALSE(catalog.ResolvePicture("Three.bmp"));
    EXPECT_FALSE(catalog.ResolvePicture("Dir.bmp"));
    EXPECT_FALSE(catalog.ResolvePicture(""));
}

}  // namespace

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "catalog/StellarCatalog.h"
#include "model/RandomSource.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 27, value); }

std::vector<std::string> Filler(int count) { return std::vector<std::string>(count, L("Unused", "x")); }

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

// Every field of an entry on one line: ordinal, name, kind, size, subtype, atmosphere, colour, picture.
std::string Described(const StellarTypeEntry& e) {
    return std::to_string(e.Ordinal) + " " + e.Name + "|" + e.PhysicalType + "|" + e.Size + "|" + e.SubType + "|" +
           e.Atmosphere + "|" + e.Colour + "|" + e.PictureFile;
}

class StellarCatalogTest : public DataFileTest<StellarCatalog, &StellarCatalog::ParseStellarObjectTypes> {
protected:
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
        ASSERT_TRUE(Read(lines, crlf));
        const auto& e = table.Entries();
        ASSERT_EQ(e.size(), 6u);
        EXPECT_EQ(Described(e[0]), "1 Yellow Small Star|Star|Small|||Yellow|Star_Yellow.bmp");
        EXPECT_EQ(Described(e[1]), "2 Rocky|Planet|Medium|Rock|Oxygen||Rocky.bmp");
        EXPECT_EQ(Described(e[2]), "3 Sphereworld Alpha|Planet|Sphereworld|Ice|Methane||Sphereworld Alpha.bmp");
        EXPECT_EQ(Described(e[3]), "4 Ion Storm|Storm|Large||||Ion Storm.bmp");
        EXPECT_EQ(Described(e[4]), "5 Ice Field|Asteroids|Small|Ice|||Ice Field.bmp");
        EXPECT_EQ(Described(e[5]), "6 Big Warp|Warp|Large||||Big Warp.bmp");
        EXPECT_EQ(table.WarpTypesOf("Large").size(), 1u);
    }
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(StellarCatalogTest, ValueStartsAtColumn31AndShortLinesGiveEmptyValues) {
    // The key part is never checked: only the 31st character on counts.
    auto lines = Star("Odd", "Red", "Huge");
    lines[10] = std::string(30, '#') + "Tiny";
    lines[12] = "Colour";
    ASSERT_TRUE(Read(lines));
    EXPECT_EQ(table.Entries()[0].Size, "Tiny");
    EXPECT_EQ(table.Entries()[0].Colour, "");
    // Only the exact "Sphereworld" prefix takes the longer layout.
    ASSERT_TRUE(Read(Planet("Spehereworld", "Huge", "Rock", "None")));
    EXPECT_EQ(table.Entries()[0].Atmosphere, "None");
    EXPECT_EQ(table.Entries()[0].PictureFile, "Spehereworld.bmp");
}

TEST_F(StellarCatalogTest, LinesTakenByAnEntryNeverStartAnother) {
    // The storm's line 9 is another entry's name line: it is read as the size.
    auto storm = Simple("Short Storm", "Storm", "Medium");
    storm.resize(9);
    ASSERT_TRUE(Read(Join({storm, Star("Lost Star", "Red", "Tiny"), Star("Found Star", "Red", "Tiny")})));
    EXPECT_EQ(table.FindTypeByName("Lost Star").Ordinal, 0);
    EXPECT_EQ(table.OrdinalOfTypeName("Found Star"), 2);
    EXPECT_EQ(table.Entries()[0].Size, "Lost Star");
}

TEST_F(StellarCatalogTest, UnknownPhysicalTypeKeepsOnlyNameTypeAndOrdinal) {
    ASSERT_TRUE(Read(Join({{L("Stellar Object Name", "Cloud"), L("Physical Type", "Nebula")},
                            Simple("Ion Storm", "Storm", "Large")})));
    const auto cloud = table.FindTypeByOrdinal(1);
    EXPECT_EQ(cloud.PhysicalType, "Nebula");
    EXPECT_EQ(cloud.PictureFile, "");
    EXPECT_EQ(table.StormTypes().size(), 1u);
    EXPECT_EQ(table.TypeNameOfOrdinal(2), "Ion Storm");
}

TEST_F(StellarCatalogTest, ABareWarpTypeHasNoLayoutAndNeverSwallowsTheNextEntry) {
    // Only the file's "Warp Point" is read with the warp-point layout.
    ASSERT_TRUE(Read(Join({{L("Stellar Object Name", "Bare"), L("Physical Type", "Warp")},
                            Simple("Ion Storm", "Storm", "Large"), Simple("Gate", "Warp Point", "Small", Filler(2))})));
    ASSERT_EQ(table.Entries().size(), 3u);
    EXPECT_EQ(Described(table.Entries()[0]), "1 Bare|Warp|||||");
    EXPECT_EQ(Described(table.Entries()[1]), "2 Ion Storm|Storm|Large||||Ion Storm.bmp");
    EXPECT_EQ(Described(table.Entries()[2]), "3 Gate|Warp|Small||||Gate.bmp");
}

TEST_F(StellarCatalogTest, TruncatedEntryIsReportedAndKeptWithOrdinalZero) {
    auto cut = Star("Cut Star", "Blue", "Large");
    cut.resize(11);
    EXPECT_FALSE(Read(Join({Star("Whole Star", "Red", "Tiny"), cut})));
    ASSERT_EQ(reporter.Messages().size(), 1u);
    EXPECT_EQ(reporter.Messages()[0], "The 'StellarObjectTypes.txt' path is incorrect\n\n" +
                                          (folder.Path() / StellarCatalog::FileName).string() +
                                          ", line 26: the file ends inside an entry; expected more lines");
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.Entries()[1].Ordinal, 0);
    EXPECT_EQ(table.Entries()[1].Size, "Large");
    EXPECT_EQ(table.TypeNameOfOrdinal(0), "");
    EXPECT_EQ(table.OrdinalOfTypeName("Whole Star"), 1);
}

TEST_F(StellarCatalogTest, MissingFileOrFileWithoutEntriesKeepsThePreviousCatalogue) {
    ASSERT_TRUE(Read(Star("Kept", "Red", "Tiny")));
    EXPECT_FALSE(table.ParseStellarObjectTypes(folder.Path() / "missing.txt", reporter));
    ASSERT_EQ(reporter.Messages().size(), 1u);
    EXPECT_EQ(reporter.Messages()[0].rfind("The 'StellarObjectTypes.txt' path is incorrect\n\n", 0), 0u);
    // A file without entries reads nothing usable: a failure, the old catalogue stays.
    EXPECT_FALSE(Read({"nothing here"}));
    EXPECT_NE(reporter.Messages().back().find("nothing usable was read"), std::string::npos);
    EXPECT_EQ(table.TypeNameOfOrdinal(1), "Kept");
    // A new file with entries replaces the old catalogue entirely.
    ASSERT_TRUE(Read(Simple("Only Storm", "Storm", "Small")));
    EXPECT_EQ(table.Entries().size(), 1u);
}

TEST_F(StellarCatalogTest, LookupsFindTheFirstAndTheLastEntry) {
    ASSERT_TRUE(Read(Join({Star("Twin", "Red", "Tiny"), Star("Twin", "Blue", "Huge"), Star("Last", "Red", "Tiny")})));
    EXPECT_EQ(table.OrdinalOfTypeName("Twin"), 1);
    EXPECT_EQ(table.PictureOfTypeName("Twin"), "Star_Red.bmp");
    EXPECT_EQ(table.PictureOfOrdinal(2), "Star_Blue.bmp");
    EXPECT_EQ(table.OrdinalOfTypeName("Last"), 3);
    EXPECT_EQ(table.StarTypesOf("Red", "Tiny").size(), 2u);
    EXPECT_EQ(table.OrdinalOfTypeName("twin"), 0);
    EXPECT_EQ(table.PictureOfOrdinal(99), "");
    EXPECT_EQ(table.PictureFiles(), (std::vector<std::string>{"Star_Red.bmp", "Star_Blue.bmp"}));
}

TEST(AtmospherePicture, KnownNamesAndEverythingElse) {
    EXPECT_EQ(AtmospherePicture("Carbon Dioxide"), "CarbonDioxide.bmp");
    EXPECT_EQ(AtmospherePicture("None"), "None.bmp");
    EXPECT_EQ(AtmospherePicture("oxygen"), "Unknown.bmp");
}

TEST_F(StellarCatalogTest, RandomStarDrawsColoursUntilOneMatches) {
    ASSERT_TRUE(Read(Join({Star("Only Green Huge", "Green", "Huge"), Star("Red Tiny", "Red", "Tiny")})));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(table.RandomStarType("Any", "Huge", random, reporter), 1);
    int seen[3] = {0, 0, 0};
    for (int i = 0; i < 200; ++i) ++seen[table.RandomStarType("Any", "Any", random, reporter)];
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(StellarCatalogTest, RandomPicksEndWhenNothingCanMatch) {
    ASSERT_TRUE(Read(Join({Star("Red Tiny", "Red", "Tiny"), Planet("P", "Small", "Rock", "Oxygen"),
                            Simple("A", "Asteroids", "Small", {L("Type", "Ice")})})));
    EXPECT_EQ(table.RandomStarType("Blue", "Any", random, reporter), 0);
    EXPECT_EQ(table.RandomStormType(random, reporter), 0);
    EXPECT_EQ(table.RandomWarpType("Large", random, reporter), 0);
    EXPECT_EQ(table.RandomAsteroidType("Small", "Rock", random, reporter), 0);
    // "Any" atmosphere draws from the first five known atmospheres only.
    const std::vector<std::string> six{"None", "Methane", "Hydrogen", "Carbon Dioxide", "Neon", "Oxygen"};
    EXPECT_EQ(table.RandomPlanetType("Small", "Rock", "Any", six, random, reporter), 0);
    EXPECT_EQ(table.RandomPlanetType("Small", "Rock", "Any", {}, random, reporter), 0);
    EXPECT_EQ(reporter.Messages(), (std::vector<std::string>{
                                       "There are no entries for that kind of Star",
                                       "There are no entries for that kind of Storm",
                                       "There are no entries for that kind of Warp",
                                       "There are no entries for that kind of Asteroid",
                                       "There are no entries for that kind of Planet",
                                       "There are no entries for that kind of Planet"}));
    EXPECT_EQ(table.RandomPlanetType("Any", "Any", "Any", {"Oxygen"}, random, reporter), 2);
    EXPECT_EQ(table.RandomAsteroidType("Any", "Any", random, reporter), 3);
}

TEST_F(StellarCatalogTest, ResolvePicturePrefersThePrimaryFolder) {
    const auto primary = folder.Path() / "a", secondary = folder.Path() / "b";
    folder.Write("a/One.bmp", {"x"});
    folder.Write("b/One.bmp", {"x"});
    folder.Write("b/Two.bmp", {"x"});
    std::filesystem::create_directories(primary / "Dir.bmp");
    table.SetPictureFolders(primary, secondary);
    EXPECT_EQ(table.ResolvePicture("One.bmp"), primary / "One.bmp");
    EXPECT_EQ(table.ResolvePicture("Two.bmp"), secondary / "Two.bmp");
    EXPECT_FALSE(table.ResolvePicture("Three.bmp"));
    EXPECT_FALSE(table.ResolvePicture("Dir.bmp"));
    EXPECT_FALSE(table.ResolvePicture(""));
}

}  // namespace

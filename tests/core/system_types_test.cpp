#include <gtest/gtest.h>

#include <set>

#include "TestFiles.h"
#include "catalog/ModDefinition.h"
#include "catalog/SystemTypes.h"
#include "model/RandomSource.h"

namespace {

std::string L(const std::string& key, const std::string& value) { return Keyed(key, 49, value); }

using SystemTypesTest = DataFileTest<SystemTypeCatalog, &SystemTypeCatalog::ParseSystemTypes>;

TEST_F(SystemTypesTest, ReadsPortraitsBackgroundsAndAtmospheres) {
    const std::vector<std::string> lines{
        L("Number of Stellar Background Images", "2"), L("Image 1", "Sky_A.bmp"), L("Image 2", "Sky_B.bmp"),
        "Obj X Atmosphere: list below", "----", " Any , None,Oxygen , Methane",
        L("Name", "Sol"), L("System Physical Type", "Normal"), L("Portrait Bitmap", "P1.bmp"),
        L("Portrait Picture Index", "3"), "System Physical Type:", L("System Physical Type", "Nebulae"),
        L("Portrait Bitmap", "P2.bmp"), L("Portrait Picture Index", "0"), L("System Physical Type", "Normal"),
        L("Portrait Bitmap", "P3.bmp"), L("Portrait Picture Index", "1")};
    for (bool crlf : {true, false}) {
        ASSERT_TRUE(Read(lines, crlf));
        EXPECT_EQ(table.Atmospheres(), (std::vector<std::string>{"None", "Oxygen", "Methane"}));
        EXPECT_EQ(table.StellarBackgrounds(), (std::vector<std::string>{"Sky_A.bmp", "Sky_B.bmp"}));
        ASSERT_EQ(table.Portraits().size(), 3u);
        EXPECT_EQ(table.Portraits()[0].PortraitIndex, "3");
        const auto normal = table.PortraitsOfPhysicalType("Normal");
        ASSERT_EQ(normal.size(), 2u);
        EXPECT_EQ(normal[1].PortraitBitmap, "P3.bmp");
        EXPECT_EQ(table.FindPortrait("P2.bmp").PhysicalType, "Nebulae");
        EXPECT_EQ(table.FindPortrait("p2.bmp").PhysicalType, "");
        EXPECT_EQ(table.FindBackground("Sky_B.bmp"), "Sky_B.bmp");
        EXPECT_EQ(table.FindBackground("sky_b.bmp"), "");
    }
    EXPECT_TRUE(reporter.entries.empty());
}

// A value holding a CR could never be saved in a generated map.
TEST_F(SystemTypesTest, ACarriageReturnInsideALineReadsAsABlank) {
    const std::vector<std::string> lines{
        L("Number of Stellar Background Images", "1"), L("Image 1", "Sky\rA.bmp"),
        "Obj X Atmosphere: list below", "----", " Any , None",
        L("Name", "Sol"), L("System Physical Type", "Normal"), L("Portrait Bitmap", "P\r1.bmp"),
        L("Portrait Picture Index", "3")};
    ASSERT_TRUE(Read(lines, true));
    EXPECT_EQ(table.StellarBackgrounds(), std::vector<std::string>{"Sky A.bmp"});
    ASSERT_EQ(table.Portraits().size(), 1u);
    EXPECT_EQ(table.Portraits()[0].PortraitBitmap, "P 1.bmp");
}

TEST_F(SystemTypesTest, ZeroBackgroundsGiveTheDefaultSkyAndEveryCountLineAdds) {
    ASSERT_TRUE(Read({L("Number of Stellar Background Images", "0")}));
    EXPECT_EQ(table.StellarBackgrounds(), std::vector<std::string>{"Skybox001.bmp"});
    ASSERT_TRUE(Read({L("Number of Stellar Background Images", "1"), L("a", "A.bmp"),
                       L("Number of Stellar Background Images", "1"), L("b", "B.bmp")}));
    EXPECT_EQ(table.StellarBackgrounds(), (std::vector<std::string>{"A.bmp", "B.bmp"}));
}

TEST_F(SystemTypesTest, RandomBackgroundDrawsEveryNameAndSurvivesAnEmptyList) {
    RandomSource random(3);
    EXPECT_EQ(table.RandomBackground(random), "");
    ASSERT_TRUE(Read({L("Number of Stellar Background Images", "3"), L("1", "A"), L("2", "B"), L("3", "C")}));
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) seen.insert(table.RandomBackground(random));
    EXPECT_EQ(seen, (std::set<std::string>{"A", "B", "C"}));
}

TEST_F(SystemTypesTest, FailuresAreReportedAndKeepWhatWasRead) {
    EXPECT_FALSE(Read({L("System Physical Type", "Normal"), L("Portrait Bitmap", "P1.bmp"),
                        L("Number of Stellar Background Images", "2"), L("1", "A")}));
    EXPECT_FALSE(Read({L("System Physical Type", "Normal"), L("Portrait Bitmap", "P1.bmp"),
                        L("Portrait Picture Index", "0"), L("Number of Stellar Background Images", "two")}));
    EXPECT_EQ(table.Portraits().size(), 1u);
    EXPECT_FALSE(table.ParseSystemTypes(folder.Path() / "none.txt", reporter));
    EXPECT_EQ(Headlines(reporter), std::vector<std::string>(3, "The 'SystemTypes.txt' path is incorrect"));
}

TEST(ModDefinition, ModNameRules) {
    EXPECT_EQ(ModNameOfLine("Mod Name := My Mod"), "My Mod");
    EXPECT_EQ(ModNameOfLine("Mod Name = A = B"), "A");
    EXPECT_EQ(ModNameOfLine("Mod Name"), std::nullopt);

    TempFolder folder;
    RecordingReporter reporter;
    std::string name;
    EXPECT_TRUE(ReadModName(folder.Write("m.txt", {"Mod Name := First", "Other := x", "Mod Name := Second"}), name,
                            reporter));
    EXPECT_EQ(name, "Second");
    EXPECT_TRUE(ReadModName(folder.Write("m.txt", {"mod name := lower"}), name, reporter));
    EXPECT_EQ(name, "Second");
    EXPECT_FALSE(ReadModName(folder.Write("m.txt", {"Mod Name := Third", "Mod Name broken"}), name, reporter));
    EXPECT_EQ(name, "Third");
    EXPECT_FALSE(ReadModName(folder.Path() / "missing.txt", name, reporter));
    EXPECT_EQ(name, "Third");
    EXPECT_EQ(Headlines(reporter), std::vector<std::string>(2, "The 'Mod_Definition.txt' path is incorrect"));
}

}  // namespace

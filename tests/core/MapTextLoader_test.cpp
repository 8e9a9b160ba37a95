#include <gtest/gtest.h>

#include <algorithm>

#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "MapfileTestSupport.h"

using namespace maptest;

namespace {

const std::filesystem::path ShippedProgramFolder = DIZ_PROGRAM_DIR;

// Every kind, abilities, a black hole, a nebula and warps in both directions.
CUniverse RichUniverse() {
    CUniverse u;
    SystemRef home = AddSystem(u, "Home", 0, 0);
    SystemRef abyss = AddSystem(u, "Abyss", 67, 49, PhysicalBlackHole);
    SystemRef fog = AddSystem(u, "Fog", 30, 12, PhysicalNebulae);
    home->EmpireCanStartInSystem = false;
    home->PortraitIndex = 200;
    fog->nhabilidades = 3;  // system abilities are never written: the block says 0
    AddObject(u, home, "STAR", 0, 0, "Home Sun", 1);
    SpaceObjectRef planet = AddObject(u, home, "PLANET", -13, 10, "Home Prime", 2);
    planet->Conditions = "1.5";
    planet->Gravity = "0.9";
    planet->resMinerals = -5;
    planet->Temperature = -40;
    planet->AddAbility(Ability("Bonus", "12.5"));
    planet->AddAbility(Ability("Malus", "-3"));
    SpaceObjectRef rocks = AddObject(u, abyss, "ASTEROID", 13, -10, "Belt", 3);
    rocks->resRadioactives = 77;
    AddObject(u, fog, "STORM", 2, 2, "Swirl", 4);
    SpaceObjectRef forward = AddObject(u, home, "WARP", 5, 5, "", 5);
    forward->destSystem = fog;  // a system later in the file
    forward->destCoord = CCoord{-1, -1};
    SpaceObjectRef back = AddObject(u, fog, "WARP", -5, 5, "", 5);
    back->destSystem = home;
    back->destCoord = CCoord{5, 5};
    back->AddAbility(Ability("Toll"));
    return u;
}

std::string MapText(const CUniverse& u, const std::filesystem::path& programFolder = ShippedProgramFolder) {
    TxtBlock map = GenerateMapTxt(u, FakeTypeNames(), programFolder);
    EXPECT_EQ(map.error, "");
    return map.text;
}

LoadResult Load(const std::string& text, LoadOptions options = {}) {
    return LoadMapTextFromMemory(text, "Test.txt", FakeTypeNames(), options);
}

// The text with line number lineNumber (from 1) replaced.
std::string WithLine(const std::string& text, std::size_t lineNumber, const std::string& replacement) {
    std::vector<std::string> lines = SplitLines(text);
    lines.at(lineNumber - 1) = replacement;
    std::string joined;
    for (const auto& line : lines) joined += line + "\r\n";
    return joined;
}

std::string Key(const std::string& key, const std::string& value) { return PadRight(key, 50) + ":= " + value; }

}  // namespace

TEST(MapTextLoader, RoundTripKeepsEveryFieldAndWritesTheSameBytes) {
    const std::string text = MapText(RichUniverse());
    LoadResult loaded = Load(text);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.danglingWarps, 0);
    EXPECT_EQ(MapText(*loaded.universe), text);
    std::string lf = text;
    std::erase(lf, '\r');
    LoadResult fromLf = Load(lf);  // LF line ends load alike
    ASSERT_TRUE(fromLf.Ok()) << fromLf.error;
    EXPECT_EQ(MapText(*fromLf.universe), text);

    // The same bytes show every written field came back; what they do not show:
    const CUniverse& u = *loaded.universe;
    ASSERT_EQ(u.NSistemas(), 3);
    ASSERT_EQ(u.NObjetosU(), 6);
    EXPECT_EQ(u.Systems()[2]->nhabilidades, 0);
    // Objects come back in file order. Storms and warps come back without a
    // name, warps with their destination system itself.
    EXPECT_EQ(u.Objects()[3]->name, "Belt");
    EXPECT_EQ(u.Objects()[4]->name, "");
    EXPECT_EQ(u.Objects()[2]->name, "");
    EXPECT_EQ(u.Objects()[2]->destSystem, u.Systems()[2]);
    EXPECT_EQ(u.Objects()[5]->destSystem, u.Systems()[0]);
    EXPECT_EQ(u.Systems()[2]->NObjetos(), 2);
    EXPECT_EQ(u.Objects()[5]->systema, u.Systems()[2]);
}

TEST(MapTextLoader, MoreThan99ObjectsLoad) {
    CUniverse u;
    SystemRef s = AddSystem(u, "Busy", 1, 1);
    for (int k = 0; k < 120; ++k) AddObject(u, s, "STORM", k % 27 - 13, k / 27, "", 4);
    const std::string text = MapText(u);
    LoadResult loaded = Load(text);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.universe->NObjetosU(), 120);
    EXPECT_EQ(MapText(*loaded.universe), text);
}

TEST(MapTextLoader, BlackHoleTemplateOfAnyLengthIsPassedByItsKey) {
    TempFolder folder;
    WriteFile(folder.Path() / "BlackHole.dat", CrLf({"Number of Black Hole Clouds := 0", "Cloud := x", "Other"}));
    CUniverse u;
    SystemRef hole = AddSystem(u, "Hole", 2, 2, PhysicalBlackHole);
    AddObject(u, hole, "STAR", 0, 0, "Dim", 1);
    const std::string text = MapText(u, folder.Path());
    LoadResult loaded = Load(text);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.universe->NObjetosU(), 1);
    EXPECT_EQ(MapText(*loaded.universe, folder.Path()), text);
}

TEST(MapTextLoader, BlackHoleBlockWithoutItsObjectCountIsAnError) {
    std::vector<std::string> lines = SplitLines(MapText(RichUniverse()));
    const std::string abyss = Key("System Name", "Abyss");
    auto at = std::find(std::find(lines.begin(), lines.end(), abyss), lines.end(),
                        Key("Number of Space Objects", "1"));
    ASSERT_NE(at, lines.end());
    const auto countLine = static_cast<std::size_t>(at - lines.begin()) + 1;
    lines.erase(at);
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    LoadResult loaded = Load(text);
    EXPECT_FALSE(loaded.Ok());
    EXPECT_NE(loaded.error.find("line " + std::to_string(countLine) + ": expected the black-hole template lines"),
              std::string::npos)
        << loaded.error;
}

TEST(MapTextLoader, EmptyMapAndCapitalisationRules) {
    const std::string sep(87, '=');
    LoadResult empty = Load(CrLf({sep, "MAP DATA FILE", sep, "", "", "", sep, "*BEGIN*", sep, "", sep, "*END*", sep}));
    ASSERT_TRUE(empty.Ok()) << empty.error;
    EXPECT_EQ(empty.universe->NSistemas(), 0);

    CUniverse u;
    AddSystem(u, "Solo", 0, 0);
    const std::string text = WithLine(MapText(u), 23, Key("Empires Can Start In", "True"));
    LoadResult loaded = Load(text);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_FALSE(loaded.universe->Systems()[0]->EmpireCanStartInSystem);
}

TEST(MapTextLoader, WarpsToUnknownSystemsKeepTheNameAndAreCounted) {
    CUniverse u;
    SystemRef a = AddSystem(u, "A", 1, 1);
    SystemRef twin1 = AddSystem(u, "Twin", 2, 2);
    AddSystem(u, "Twin", 3, 3);
    SpaceObjectRef lost = AddObject(u, a, "WARP", 1, 0, "", 5);
    lost->destSystem = NewSystem();
    lost->destSystem->name = "Nowhere";
    AddObject(u, a, "WARP", 2, 0, "", 5);  // no destination
    SpaceObjectRef twin = AddObject(u, a, "WARP", 3, 0, "", 5);
    twin->destSystem = twin1;
    const std::string text = MapText(u);

    LoadResult loaded = Load(text);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.danglingWarps, 2);
    const auto& objects = loaded.universe->Objects();
    ASSERT_TRUE(objects[0]->destSystem);
    EXPECT_EQ(objects[0]->destSystem->name, "Nowhere");
    EXPECT_EQ(objects[0]->destSystem->ID, NoID);
    EXPECT_FALSE(objects[1]->destSystem);
    EXPECT_EQ(objects[2]->destSystem, loaded.universe->Systems()[1]);  // the first of two equal names
    EXPECT_EQ(MapText(*loaded.universe), text);

    LoadResult strict = Load(text, LoadOptions{true, true});
    EXPECT_FALSE(strict.Ok());
    EXPECT_NE(strict.error.find("line 33:"), std::string::npos) << strict.error;
    EXPECT_NE(strict.error.find("\"Nowhere\""), std::string::npos) << strict.error;
}

// Names are matched without their leading and trailing blanks, on either side.
TEST(MapTextLoader, WarpDestinationsMatchSystemNamesWithoutTheirBlanks) {
    CUniverse u;
    SystemRef fog = AddSystem(u, "Fog", 1, 1);
    SystemRef home = AddSystem(u, "Home  ", 2, 2);
    SpaceObjectRef toFog = AddObject(u, home, "WARP", 1, 0, "", 5);
    toFog->destSystem = NewDetachedSystem("  Fog ");
    SpaceObjectRef toHome = AddObject(u, fog, "WARP", -1, 0, "", 5);
    toHome->destSystem = NewDetachedSystem("Home");

    LoadResult loaded = Load(MapText(u), LoadOptions{true, true});
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.danglingWarps, 0);
    const auto& systems = loaded.universe->Systems();
    EXPECT_EQ(systems[1]->objects.at(0)->destSystem, systems[0]);
    EXPECT_EQ(systems[0]->objects.at(0)->destSystem, systems[1]);
}

TEST(MapTextLoader, EveryTruncationBeforeTheFooterIsAnErrorWithALineNumber) {
    const std::vector<std::string> lines = SplitLines(MapText(RichUniverse()));
    for (std::size_t keep = 0; keep + 3 < lines.size(); ++keep) {
        std::string text;
        for (std::size_t i = 0; i < keep; ++i) text += lines[i] + "\r\n";
        LoadResult loaded = Load(text);
        EXPECT_FALSE(loaded.Ok()) << "kept " << keep << " lines";
        EXPECT_EQ(loaded.error.rfind("Test.txt, line " + std::to_string(keep + 1) + ": the file ends early", 0), 0u)
            << loaded.error;
    }
}

TEST(MapTextLoader, MalformedValuesNameTheLineAndWhatWasExpected) {
    CUniverse u;
    SystemRef s = AddSystem(u, "S", 1, 1);
    AddObject(u, s, "PLANET", 1, 1, "P", 2);
    const std::string text = MapText(u);
    struct Case {
        std::size_t line;
        std::string replacement;
        std::string expected;
    };
    const Case cases[] = {
        {13, Key("Quadrant Xpos", "ten"), "expected a whole number from 0 to 67 for \"Quadrant Xpos\""},
        {14, Key("Quadrant Ypos", "50"), "expected a whole number from 0 to 49"},
        {15, Key("System Physical Type", "Pulsar"), "expected \"Normal\", \"Black Hole\" or \"Nebulae\""},
        {17, Key("Portrait Picture Index", "300"), "expected a whole number from 0 to 255"},
        {25, Key("WP Min Radius", "far"), "expected a number for \"WP Min Radius\""},
        {29, Key("Number of Space Objects", "-1"), "expected a whole number from 0 to"},
        {30, Key("Space Object 2 Physical Type", "Planet"), "expected the key \"Space Object 1 Physical Type\""},
        {30, Key("Space Object 1 Physical Type", "Moon"), "expected \"Star\", \"Planet\""},
        {31, Key("Space Object 1 Sector Location", "1; 1"), "expected two whole numbers"},
        {31, Key("Space Object 1 Sector Location", "7"), "expected two whole numbers"},
        {33, Key("Space Object 1 Planet Value Minerals", "99999999999"), "expected a whole number"},
        {41, Key("Space Object 1 Number of Abilities", "x"), "expected a whole number"},
    };
    for (const Case& c : cases) {
        LoadResult loaded = Load(WithLine(text, c.line, c.replacement));
        EXPECT_FALSE(loaded.Ok()) << c.replacement;
        EXPECT_NE(loaded.error.find("Test.txt, line " + std::to_string(c.line) + ": " + c.expected), std::string::npos)
            << loaded.error;
    }
}

TEST(MapTextLoader, KeyCheckingRefusesWhatThePositionalReaderPasses) {
    CUniverse u;
    AddSystem(u, "S", 1, 1);
    const std::string misspelt = WithLine(MapText(u), 12, Key("Descripton", "x"));
    EXPECT_TRUE(Load(misspelt).Ok());
    LoadResult strict = Load(misspelt, LoadOptions{true, false});
    EXPECT_FALSE(strict.Ok());
    EXPECT_NE(strict.error.find("line 12: expected the key \"Description\""), std::string::npos) << strict.error;

    // Sectors outside the field pass the editor's dialogs, so only the compiler's check refuses them.
    SystemRef s = u.Systems()[0];
    SpaceObjectRef star = AddObject(u, s, "STAR", 14, 0, "Far", 1);
    const std::string outside = MapText(u);
    LoadResult lenient = Load(outside);
    ASSERT_TRUE(lenient.Ok()) << lenient.error;
    EXPECT_EQ(lenient.universe->Objects()[0]->coord.X, 14);
    EXPECT_TRUE(Load(outside, LoadOptions{true, true}).Ok());
    EXPECT_NE(Load(outside, LoadOptions{true, false, true}).error.find("line 31: expected two whole numbers \"X, Y\" with X from -13 to 13"),
              std::string::npos);
    u.RemoveSpaceObject(s->ID, star->ID);

    const std::string noBlankLine = WithLine(MapText(u), 30, "junk");
    EXPECT_TRUE(Load(noBlankLine).Ok());
    EXPECT_NE(Load(noBlankLine, LoadOptions{true, false}).error.find("line 30: expected the empty line"),
              std::string::npos);
}

TEST(MapTextLoader, MissingFileAndUnknownTypeNames) {
    LoadResult missing = LoadMapText("/nonexistent/Nothing.txt", FakeTypeNames());
    EXPECT_FALSE(missing.Ok());
    EXPECT_NE(missing.error.find("Nothing.txt"), std::string::npos);

    CUniverse u;
    SystemRef s = AddSystem(u, "S", 1, 1);
    AddObject(u, s, "STAR", 1, 1, "Odd", 1);
    LoadResult loaded = Load(WithLine(MapText(u), 33, Key("Space Object 1 Stellar Object Name", "Unheard Of")));
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.universe->Objects()[0]->StellarObjectType, 0);
}

TEST(MapTextLoader, WholeNumbersAndLocationsConvertAsTheEditorAlwaysDid) {
    CUniverse u;
    SystemRef s = AddSystem(u, "S", 1, 1);
    AddObject(u, s, "PLANET", 1, 1, "P", 2);
    std::string text = MapText(u);
    text = WithLine(text, 13, Key("Quadrant Xpos", "10.0"));
    text = WithLine(text, 17, Key("Portrait Picture Index", "2.5"));  // halves go to the even neighbour
    text = WithLine(text, 31, Key("Space Object 1 Sector Location", "3, -2, 7"));
    text = WithLine(text, 33, Key("Space Object 1 Planet Value Minerals", " 1e2"));
    for (bool strict : {false, true}) {
        LoadResult loaded = Load(text, LoadOptions{strict, strict, strict});
        ASSERT_TRUE(loaded.Ok()) << loaded.error;
        EXPECT_EQ(loaded.universe->Systems()[0]->X, 10);
        EXPECT_EQ(loaded.universe->Systems()[0]->PortraitIndex, 2);
        EXPECT_EQ(loaded.universe->Objects()[0]->coord.X, 3);
        EXPECT_EQ(loaded.universe->Objects()[0]->coord.y, -2);
        EXPECT_EQ(loaded.universe->Objects()[0]->resMinerals, 100);
    }
    EXPECT_FALSE(Load(WithLine(text, 13, Key("Quadrant Xpos", "67.6"))).Ok());
}

TEST(MapTextLoader, AHugeValueIsQuotedShortInTheFailure) {
    CUniverse u;
    AddSystem(u, "S", 1, 1);
    const std::string huge(5 << 20, '7');
    LoadResult loaded = Load(WithLine(MapText(u), 13, Key("Quadrant Xpos", huge)));
    ASSERT_FALSE(loaded.Ok());
    EXPECT_LT(loaded.error.size(), 300u);
    EXPECT_NE(loaded.error.find("found \"" + std::string(80, '7') + "...\""), std::string::npos) << loaded.error;
}

#include <gtest/gtest.h>

#include <algorithm>

#include "text/TextHelpers.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextWriter.h"
#include "MapfileTestSupport.h"

using namespace maptest;

namespace {

CUniverse ExampleUniverse() {
    CUniverse u;
    SystemRef alpha = AddSystem(u, "Alpha", 10, 20);
    alpha->Description = "A quiet system";
    alpha->PortraitBitmap = "Portrait_A.bmp";
    alpha->RemoveStellarBackground();
    CStellarBackground sky;
    sky.Set(2, 1, 1, "Sky_A.bmp");
    alpha->addStellarBackground(sky);
    AddObject(u, alpha, "STAR", 0, 0, "Alpha 1 Star", 1);
    SpaceObjectRef planet = AddObject(u, alpha, "PLANET", 3, -2, "Alpha Prime", 2);
    planet->resMinerals = 120;
    planet->resOrganics = 80;
    planet->resRadioactives = 40;
    planet->Conditions = "1";
    planet->Gravity = "0.9";
    planet->Temperature = 15;
    planet->Radiation = 10;
    CAbility bonus;
    bonus.IniciaCAbility();
    bonus.Tipe = "Resource Bonus";
    bonus.Description = "Extra minerals";
    bonus.Amount1 = "10";
    planet->AddAbility(bonus);
    return u;
}

}  // namespace

TEST(MapTextWriter, WritesTheNormalSystemExampleByteForByte) {
    CUniverse u = ExampleUniverse();
    TxtBlock block = GenerateTxt(*u.Systems()[0], u, FakeTypeNames(), {});
    ASSERT_EQ(block.error, "");
    EXPECT_EQ(block.count, 42);
    EXPECT_EQ(block.text, ReadFile(std::filesystem::path(DIZ_TEST_DATA_DIR) / "maps" / "ExampleBlock.txt"));

    // In a whole map the block sits between header and footer, followed by one empty line.
    TxtBlock map = GenerateMapTxt(u, FakeTypeNames(), {});
    const std::string sep(87, '=');
    const std::string header = CrLf({sep, "MAP DATA FILE", sep, "", "", "", sep, "*BEGIN*", sep, ""});
    EXPECT_EQ(map.text, header + block.text + "\r\n" + CrLf({sep, "*END*", sep}));
}

TEST(MapTextWriter, OneEmptyNormalSystemMapHas33Lines) {
    CUniverse u;
    AddSystem(u, "Solo", 0, 0);
    TxtBlock map = GenerateMapTxt(u, FakeTypeNames(), {});
    ASSERT_EQ(map.error, "");
    EXPECT_EQ(map.count, 33);
    EXPECT_EQ(map.text, ReadFile(std::filesystem::path(DIZ_TEST_DATA_DIR) / "maps" / "Solo.txt"));
}

TEST(MapTextWriter, StormAndWarpWriteLiteralNamesAndWarpDestinationsNeverCrash) {
    CUniverse u;
    SystemRef a = AddSystem(u, "A", 1, 1);
    SystemRef b = AddSystem(u, "B", 2, 2);
    AddObject(u, a, "STORM", 1, 1, "Named Storm", 4);
    SpaceObjectRef toB = AddObject(u, a, "WARP", 2, 0, "Warp to B", 5);
    toB->destSystem = b;
    toB->destCoord = CCoord{-3, 4};
    AddObject(u, a, "WARP", 3, 0, "", 5);  // no destination at all
    SpaceObjectRef detached = AddObject(u, a, "WARP", 4, 0, "", -1);
    detached->destSystem = NewSystem();
    detached->destSystem->name = "Lost World";

    std::vector<std::string> lines = GenerateTxt(*a, u, FakeTypeNames(), {}).Lines();
    auto line = [&](int index) { return lines.at(static_cast<std::size_t>(index)); };
    EXPECT_EQ(line(21), "Space Object 1 Name                               := Storm");
    EXPECT_EQ(line(22), "Space Object 1 Stellar Object Name                := Ion Storm");
    EXPECT_EQ(line(26), "Space Object 2 Name                               := Warp Point");
    EXPECT_EQ(line(27), "Space Object 2 WP Destination System              := B");
    EXPECT_EQ(line(28), "Space Object 2 WP Destination Sector              := -3, 4");
    EXPECT_EQ(line(34), "Space Object 3 WP Destination System              := ");
    EXPECT_EQ(line(41), "Space Object 4 WP Destination System              := Lost World");
    EXPECT_EQ(line(43), "Space Object 4 Stellar Object Name                := ");
}

TEST(MapTextWriter, ObjectsFollowTheUniverseOrderAndNumbersRestartPerSystem) {
    CUniverse u;
    SystemRef a = AddSystem(u, "A", 1, 1);
    SystemRef b = AddSystem(u, "B", 2, 2);
    SpaceObjectRef first = AddObject(u, b, "PLANET", 0, 1, "First");
    AddObject(u, a, "STAR", 0, 0, "Sun A");
    AddObject(u, b, "PLANET", 0, 2, "Second");
    // The system's own list in another order must not matter.
    std::reverse(b->objects.begin(), b->objects.end());
    first->AddAbility(Ability("One"));
    first->AddAbility(Ability("Two"));

    std::vector<std::string> lines = GenerateTxt(*b, u, FakeTypeNames(), {}).Lines();
    EXPECT_EQ(lines[21], "Space Object 1 Name                               := First");
    EXPECT_EQ(lines[37], "Space Object 1 Ability 2 Type                     := Two");
    EXPECT_EQ(lines[43], "Space Object 2 Physical Type                      := Planet");
    EXPECT_EQ(lines[45], "Space Object 2 Name                               := Second");
    EXPECT_EQ(GenerateTxt(*a, u, FakeTypeNames(), {}).Lines()[19],
              "Space Object 1 Physical Type                      := Star");
}

TEST(MapTextWriter, ObjectLimitAllowsThirtyOnePlanetAbilitiesAndAnUnknownKindWritesOnlyItsAbilities) {
    SpaceObjectRef planet = NewSpaceObject("PLANET");
    for (int j = 0; j < 31; ++j) planet->AddAbility(Ability("A" + std::to_string(j)));
    TxtBlock fits = GenerateTxt(*planet, 1, FakeTypeNames());
    EXPECT_EQ(fits.error, "");
    EXPECT_EQ(fits.count, 198);
    planet->AddAbility(Ability("One too many"));
    TxtBlock refused = GenerateTxt(*planet, 7, FakeTypeNames());
    EXPECT_EQ(refused.count, 0);
    EXPECT_EQ(refused.text, "");
    EXPECT_NE(refused.error.find("Space Object 7 needs 204 lines"), std::string::npos) << refused.error;

    SpaceObjectRef odd = NewSpaceObject("comet");
    odd->AddAbility(Ability("Tail", "3"));
    const std::vector<std::string> lines = GenerateTxt(*odd, 2, FakeTypeNames()).Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Space Object 2 Ability 1 Type                     := Tail");
    EXPECT_EQ(lines[4], "Space Object 2 Ability 1 Amount 1 Formula         := 3");
}

TEST(MapTextWriter, BlockLimitIsAnErrorAndTheSaveKeepsTheOldFile) {
    TempFolder folder;
    CUniverse u;
    SystemRef crowded = AddSystem(u, "Crowded", 5, 5);
    for (int k = 0; k < 156; ++k) AddObject(u, crowded, "STORM", k % 27 - 13, 0);  // 19 + 156 * 5 = 799 lines
    ASSERT_EQ(SaveMapText(u, FakeTypeNames(), folder.Path(), "Crowded"), "");
    const std::string saved = ReadFile(folder.Path() / "Crowded.txt");

    AddObject(u, crowded, "STORM", 0, 1);  // 804 lines
    std::string error = SaveMapText(u, FakeTypeNames(), folder.Path(), "Crowded");
    EXPECT_NE(error.find("Crowded"), std::string::npos) << error;
    EXPECT_NE(error.find("804 lines"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(folder.Path() / "Crowded.txt"), saved);
}

TEST(MapTextWriter, BlackHoleBlockCopiesTheTemplateFromTheProgramFolder) {
    TempFolder folder;
    WriteFile(folder.Path() / "BlackHole.dat", "Template line one := 1\r\nTemplate line two\n");
    CUniverse u;
    SystemRef hole = AddSystem(u, "Abyss", 3, 3, PhysicalBlackHole);
    AddObject(u, hole, "ASTEROID", 1, 1, "Rocks", 3);

    std::vector<std::string> lines = GenerateTxt(*hole, u, FakeTypeNames(), folder.Path()).Lines();
    ASSERT_EQ(lines.size(), 16u + 2 + 1 + 8);
    EXPECT_EQ(lines[4], "System Physical Type                              := Black Hole");
    EXPECT_EQ(lines[16], "Template line one := 1");
    EXPECT_EQ(lines[17], "Template line two");
    EXPECT_EQ(lines[18], "Number of Space Objects                           := 1");

    std::filesystem::remove(folder.Path() / "BlackHole.dat");
    TxtBlock missing = GenerateTxt(*hole, u, FakeTypeNames(), folder.Path());
    EXPECT_NE(missing.error.find("BlackHole.dat"), std::string::npos) << missing.error;
    EXPECT_NE(SaveMapText(u, FakeTypeNames(), folder.Path(), "Abyss"), "");
    EXPECT_FALSE(FileExists(folder.Path() / "Abyss.txt"));
}

TEST(MapTextWriter, TemplateLineThatWouldEndTheBlockEarlyIsRefused) {
    TempFolder folder;
    CUniverse u;
    AddSystem(u, "Abyss", 3, 3, PhysicalBlackHole);
    for (const std::string& line : {std::string("Number of Space Objects                           := 0"),
                                    std::string(87, '='), std::string("Space Object 1 Physical Type := Star")}) {
        WriteFile(folder.Path() / "BlackHole.dat", "Number of Black Hole Clouds := 0\r\n" + line + "\r\n");
        const std::string error = SaveMapText(u, FakeTypeNames(), folder.Path(), "Abyss");
        EXPECT_NE(error.find("would end the block early"), std::string::npos) << line;
        EXPECT_FALSE(FileExists(folder.Path() / "Abyss.txt"));
    }
}

TEST(MapTextWriter, AValueWithALineBreakIsRefusedNamingSystemObjectAndField) {
    TempFolder folder;
    WriteFile(folder.Path() / "Map.txt", "old map");
    const auto refusal = [&](CUniverse& u) {
        const std::string error = SaveMapText(u, FakeTypeNames(), folder.Path(), "Map");
        EXPECT_EQ(ReadFile(folder.Path() / "Map.txt"), "old map");
        return error;
    };
    {
        CUniverse u;
        AddSystem(u, "Line\nBreak", 1, 1);
        EXPECT_EQ(refusal(u), "Cannot write system 'Line Break': the value of \"System Name\" holds a line break");
    }
    {
        CUniverse u;
        SystemRef s = AddSystem(u, "Alpha", 1, 1);
        AddObject(u, s, "STAR", 0, 0, "Alpha Star", 1);
        AddObject(u, s, "PLANET", 2, 2, "Rocky", 2)->Gravity = "0.9\r";
        EXPECT_EQ(refusal(u),
                  "Cannot write system 'Alpha': Space Object 2 (Planet): the value of \"Planet Gravity\" holds a line break");
        u.Objects().back()->Gravity = "0.9";
        u.Objects().back()->AddAbility(Ability("Bonus", "1\r\n2"));
        EXPECT_EQ(refusal(u), "Cannot write system 'Alpha': Space Object 2 (Planet): the value of \"Ability 1 Amount 1 "
                              "Formula\" holds a line break");
        SpaceObjectRef warp = AddObject(u, s, "WARP", 3, 3, "", 5);
        u.Objects()[1]->habilidades.clear();
        u.Objects()[1]->nhabilidades = 0;
        warp->destSystem = NewSystem();
        warp->destSystem->name = "Far\naway";
        EXPECT_NE(refusal(u).find("Space Object 3 (Warp Point): the value of \"WP Destination System\""),
                  std::string::npos);
        // A storm's or a warp's own name is never written, so it may hold anything.
        warp->destSystem->name = "Alpha";
        warp->name = "two\nlines";
        EXPECT_EQ(SaveMapText(u, FakeTypeNames(), folder.Path(), "Map"), "");
    }
}

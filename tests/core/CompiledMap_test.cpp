#include <gtest/gtest.h>

#include "text/TextHelpers.h"
#include "mapfile/CompiledMap.h"
#include "mapfile/MapSave.h"
#include "MapfileTestSupport.h"

using namespace maptest;

namespace {

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return value;
}

void SaveTwoSystems(const std::filesystem::path& folder, const std::string& name, const std::string& warpTarget) {
    CUniverse u;
    SystemRef a = AddSystem(u, "A", 1, 1);
    AddSystem(u, "B", 2, 2);
    AddObject(u, a, "PLANET", 1, 1, "Rocky", 2)->AddAbility(Ability("Bonus"));
    SpaceObjectRef warp = AddObject(u, a, "WARP", 2, 2, "", 5);
    warp->destSystem = NewSystem();
    warp->destSystem->name = warpTarget;
    ASSERT_EQ(SaveMapText(u, FakeTypeNames(), folder, name), "");
}

}  // namespace

TEST(CompiledMap, WellFormedMapGivesABinaryMapAndNoErrorFile) {
    TempFolder folder;
    SaveTwoSystems(folder.Path(), "Good", "B");
    WriteFile(folder.Path() / "Good.err", "stale");
    ASSERT_EQ(CompileMapFile(folder.Path(), "Good.txt", "\"Standard Mod\""), "");
    EXPECT_FALSE(FileExists(folder.Path() / "Good.err"));
    const std::string bytes = ReadFile(folder.Path() / "Good.map");
    ASSERT_GE(bytes.size(), 28u);
    EXPECT_EQ(bytes.substr(0, 4), "TDZM");
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(U32At(bytes, 6), 12u);
    EXPECT_EQ(bytes.substr(10, 12), "Standard Mod");
    EXPECT_EQ(U32At(bytes, 22), 2u);  // systems
    // The warp's stellar name is followed by its destination: the index of system B.
    const std::size_t warpType = bytes.find("Small Warp Point");
    ASSERT_NE(warpType, std::string::npos);
    EXPECT_EQ(U32At(bytes, warpType + 16), 1u);
    // Destination, sector, no abilities; then system B begins with its name.
    const std::size_t systemB = warpType + 16 + 4 + 8 + 4;
    EXPECT_EQ(U32At(bytes, systemB), 1u);
    EXPECT_EQ(bytes.substr(systemB + 4, 1), "B");
    EXPECT_NE(bytes.find("Bonus description"), std::string::npos);
}

TEST(CompiledMap, MalformedMapGivesAnErrorFileAndKeepsTheLastGoodMap) {
    TempFolder folder;
    SaveTwoSystems(folder.Path(), "Dangling", "Nowhere");
    WriteFile(folder.Path() / "Dangling.map", "last good map");
    const std::string error = CompileMapFile(folder.Path(), "Dangling.txt", "Mod");
    EXPECT_NE(error.find("\"Nowhere\""), std::string::npos) << error;
    EXPECT_EQ(ReadFile(folder.Path() / "Dangling.map"), "last good map");
    EXPECT_EQ(ReadFile(folder.Path() / "Dangling.err"), error + "\r\n");

    std::vector<std::string> lines = *ReadTextLines(folder.Path() / "Dangling.txt");
    lines[25] = "WP Max  Radius                                    := 400";
    ASSERT_EQ(WriteTextFileSafely(folder.Path() / "Typo.txt", lines), "");
    EXPECT_NE(CompileMapFile(folder.Path(), "Typo.txt", "Mod").find("line 26: expected the key \"WP Max Radius\""),
              std::string::npos);
    EXPECT_FALSE(FileExists(folder.Path() / "Typo.map"));
    EXPECT_TRUE(FileExists(folder.Path() / "Typo.err"));

    EXPECT_NE(CompileMapFile(folder.Path(), "Absent.txt", "Mod"), "");
    EXPECT_TRUE(FileExists(folder.Path() / "Absent.err"));
}

TEST(CompiledMap, AnInputThatIsNotATxtMapIsNeverTouched) {
    TempFolder folder;
    SaveTwoSystems(folder.Path(), "Kept", "B");
    // An input named like the compiler's own output would be overwritten by it.
    for (const char* name : {"Kept.map", "Kept.err", "Kept"}) {
        std::filesystem::copy_file(folder.Path() / "Kept.txt", folder.Path() / name);
        const std::string error = CompileMapFile(folder.Path(), name, "Mod");
        EXPECT_NE(error.find("must be a .txt file"), std::string::npos) << error;
        EXPECT_EQ(ReadFile(folder.Path() / name), ReadFile(folder.Path() / "Kept.txt")) << name;
    }
    EXPECT_FALSE(FileExists(folder.Path() / "Kept.err") && ReadFile(folder.Path() / "Kept.err").find("must be") != std::string::npos);
}

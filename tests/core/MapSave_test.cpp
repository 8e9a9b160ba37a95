#include <gtest/gtest.h>

#include <algorithm>

#include "text/TextHelpers.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"
#include "MapfileTestSupport.h"

using namespace maptest;
namespace fs = std::filesystem;

TEST(MapSave, ShippedSampleMapLoadsAndWritesBackByteForByte) {
    const fs::path sample = fs::path(DIZ_TEST_DATA_DIR) / "maps" / "Sample.txt";
    OpenTypeNames names;
    LoadResult loaded = LoadMapText(sample, names, LoadOptions{true, false});
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.danglingWarps, 1);
    // The black-hole template the sample was written with: the lines of its
    // black-hole block from its 17th line up to "Number of Space Objects".
    const std::vector<std::string> lines = SplitLines(ReadFile(sample));
    const auto physical = std::find(lines.begin(), lines.end(), PadRight("System Physical Type", 50) + ":= Black Hole");
    ASSERT_NE(physical, lines.end());
    const auto begin = physical + 12;
    const auto end = std::find(begin, lines.end(), PadRight("Number of Space Objects", 50) + ":= 2");
    TempFolder folder;
    ASSERT_EQ(WriteTextFileSafely(folder.Path() / "BlackHole.dat", std::vector<std::string>(begin, end)), "");
    TxtBlock written = GenerateMapTxt(*loaded.universe, names, folder.Path());
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.text, ReadFile(sample));
}

TEST(MapSave, SaveReplacesTheFileAndReportsAFolderThatCannotBeWritten) {
    TempFolder folder;
    CUniverse u;
    AddSystem(u, "First", 1, 1);
    WriteFile(folder.Path() / "Map.txt", "old contents");
    ASSERT_EQ(SaveMapText(u, FakeTypeNames(), folder.Path(), "Map"), "");
    EXPECT_EQ(SplitLines(ReadFile(folder.Path() / "Map.txt")).size(), 33u);
    EXPECT_FALSE(FileExists(folder.Path() / "Map.txt.tmp~"));

    const std::string error = SaveMapText(u, FakeTypeNames(), folder.Path() / "missing", "Map");
    EXPECT_EQ(error.rfind(std::to_string(ENOENT) + " - ", 0), 0u) << error;
}

TEST(MapSave, CompileStepsCopyMoveAndCleanUp) {
    TempFolder folder;
    const fs::path program = folder.Path() / "program", compiler = program / "Compiler", maps = folder.Path() / "maps";
    for (const auto& f : {program, compiler, maps}) fs::create_directories(f);
    const CompilePaths paths = MakeCompilePaths(program, compiler, maps, "Alpha");
    const std::string missingTxt = CopyTxtToCompiler(paths);
    EXPECT_NE(missingTxt.find(" - "), std::string::npos);
    EXPECT_NE(missingTxt.find("Alpha.txt"), std::string::npos) << missingTxt;

    WriteFile(paths.localTxt, "map text");
    WriteFile(paths.compilerTxt, "older copy");
    ASSERT_EQ(CopyTxtToCompiler(paths), "");
    EXPECT_EQ(ReadFile(paths.compilerTxt), "map text");
    EXPECT_FALSE(FileExists(paths.compilerMap));
    EXPECT_NE(MoveCompiledMap(paths), "");  // nothing compiled yet
    EXPECT_TRUE(FileExists(paths.compilerTxt));

    WriteFile(paths.compilerMap, "binary");
    WriteFile(paths.finalMap, "old map");
    EXPECT_TRUE(FileExists(paths.compilerMap));
    ASSERT_EQ(MoveCompiledMap(paths), "");
    EXPECT_EQ(ReadFile(paths.finalMap), "binary");
    EXPECT_FALSE(FileExists(paths.compilerMap));
    EXPECT_FALSE(FileExists(paths.compilerTxt));
    EXPECT_TRUE(FileExists(paths.localTxt));
}

TEST(MapSave, CompilerWritingIntoTheMapsFolderKeepsItsMap) {
    TempFolder folder;
    const fs::path program = folder.Path() / "program", maps = folder.Path() / "maps";
    for (const auto& f : {program, maps}) fs::create_directories(f);
    const CompilePaths paths = MakeCompilePaths(program, maps, maps, "Gamma");
    WriteFile(paths.localTxt, "map text");
    ASSERT_EQ(CopyTxtToCompiler(paths), "");
    WriteFile(paths.compilerMap, "binary");
    ASSERT_EQ(MoveCompiledMap(paths), "");
    EXPECT_EQ(ReadFile(maps / "Gamma.map"), "binary");
    EXPECT_FALSE(FileExists(paths.compilerTxt));
    EXPECT_TRUE(FileExists(paths.localTxt));

    // Program, compiler and maps folder all one: both files stay, even when
    // the caller names the map as the compiler's txt to keep the local one.
    CompilePaths same = MakeCompilePaths(program, program, program, "Delta");
    WriteFile(same.localTxt, "map text");
    WriteFile(same.compilerMap, "binary");
    ASSERT_EQ(MoveCompiledMap(same), "");
    same.compilerTxt = same.compilerMap;
    ASSERT_EQ(MoveCompiledMap(same), "");
    EXPECT_EQ(ReadFile(program / "Delta.map"), "binary");
    EXPECT_EQ(ReadFile(program / "Delta.txt"), "map text");
}

TEST(MapSave, CompiledMapIsCopiedLikeASave) {
    TempFolder folder;
    const fs::path program = folder.Path() / "program", compiler = folder.Path() / "compiler",
                   maps = folder.Path() / "maps";
    for (const auto& f : {program, compiler, maps}) fs::create_directories(f);
    const CompilePaths paths = MakeCompilePaths(program, compiler, maps, "Beta");
    WriteFile(paths.compilerMap, "new binary");
    // The maps folder's map is a link the user set up: written through, kept a link.
    WriteFile(folder.Path() / "kept.map", "old binary");
    fs::create_symlink(folder.Path() / "kept.map", paths.finalMap);
    ASSERT_EQ(MoveCompiledMap(paths), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(paths.finalMap)));
    EXPECT_EQ(ReadFile(folder.Path() / "kept.map"), "new binary");

    // A read-only map there is refused and stays; the compiled map is kept for another try.
    WriteFile(paths.compilerMap, "newer binary");
    fs::permissions(folder.Path() / "kept.map", fs::perms::owner_read);
    const std::string error = MoveCompiledMap(paths);
    EXPECT_EQ(error.rfind(std::to_string(EACCES) + " - ", 0), 0u) << error;
    EXPECT_EQ(ReadFile(folder.Path() / "kept.map"), "new binary");
    EXPECT_TRUE(FileExists(paths.compilerMap));
}

#include <gtest/gtest.h>

#include "catalog/TextHelpers.h"
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
    TxtBlock written = GenerateMapTxt(*loaded.universe, names, DIZ_PROGRAM_DIR);
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.text, ReadFile(sample));
}

TEST(MapSave, SaveReplacesTheFileAndReportsAFolderThatCannotBeWritten) {
    TempFolder folder("save");
    CUniverse u;
    AddSystem(u, "First", 1, 1);
    WriteFile(folder.path() / "Map.txt", "old contents");
    ASSERT_EQ(SaveMapText(u, FakeTypeNames(), folder.path(), "Map"), "");
    EXPECT_EQ(SplitLines(ReadFile(folder.path() / "Map.txt")).size(), 33u);
    EXPECT_FALSE(FileExists(folder.path() / "Map.txt.tmp~"));

    const std::string error = SaveMapText(u, FakeTypeNames(), folder.path() / "missing", "Map");
    EXPECT_EQ(error.rfind(std::to_string(ENOENT) + " - ", 0), 0u) << error;
}

TEST(MapSave, CompileStepsCopyMoveAndCleanUp) {
    TempFolder folder("compile_steps");
    const fs::path program = folder.path() / "program", compiler = program / "Compiler", maps = folder.path() / "maps";
    for (const auto& f : {program, compiler, maps}) fs::create_directories(f);
    const CompilePaths paths = MakeCompilePaths(program, compiler, maps, "Alpha");
    EXPECT_EQ(paths.compilerProgram, compiler / "TarsisMapCompiler.exe");
    EXPECT_EQ(CompilerArguments("Alpha", "Standard"), (std::vector<std::string>{"Alpha.txt", "Standard"}));
    EXPECT_EQ(CompilerCommandLine(paths, "Alpha", "Standard"),
              (compiler / "TarsisMapCompiler.exe").string() + " Alpha.txt \"Standard\"");

    const std::string missingTxt = CopyTxtToCompiler(paths);
    EXPECT_NE(missingTxt.find(" - "), std::string::npos);
    EXPECT_NE(missingTxt.find("Alpha.txt"), std::string::npos) << missingTxt;

    WriteFile(paths.localTxt, "map text");
    WriteFile(paths.compilerTxt, "older copy");
    ASSERT_EQ(CopyTxtToCompiler(paths), "");
    EXPECT_EQ(ReadFile(paths.compilerTxt), "map text");
    EXPECT_FALSE(CompiledMapReady(paths));
    EXPECT_NE(MoveCompiledMap(paths), "");  // nothing compiled yet
    EXPECT_TRUE(FileExists(paths.compilerTxt));

    WriteFile(paths.compilerMap, "binary");
    WriteFile(paths.finalMap, "old map");
    EXPECT_TRUE(CompiledMapReady(paths));
    ASSERT_EQ(MoveCompiledMap(paths), "");
    EXPECT_EQ(ReadFile(paths.finalMap), "binary");
    EXPECT_FALSE(FileExists(paths.compilerMap));
    EXPECT_FALSE(FileExists(paths.compilerTxt));
    EXPECT_TRUE(FileExists(paths.localTxt));
}

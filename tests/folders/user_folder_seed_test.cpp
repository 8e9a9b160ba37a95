#include <gtest/gtest.h>

#include <map>

#include "../core/FolderSnapshot.h"
#include "../core/TempFolder.h"
#include "catalog/Settings.h"
#include "folders/UserFolderSeed.h"
#include "model/RandomSource.h"
#include "random/StartUp.h"
#include "text/Reporter.h"

namespace fs = std::filesystem;

namespace {

Settings Read(const fs::path& folder) {
    Settings settings;
    RecordingReporter reporter;
    LoadSettings(folder, settings, reporter);
    return settings;
}

}  // namespace

// The shipped data set as the build lays it out, a stand-in compiler beside
// the "installed" executable, and an empty home.
class SeedTest : public ::testing::Test {
protected:
    SeedTest() {
        fs::create_directories(shipped());
        fs::copy(DIZ_PROGRAM_DIR "/DizIzuzuri.ini", shipped());
        fs::copy(DIZ_PROGRAM_DIR "/Default", shipped() / "Default", fs::copy_options::recursive);
        temp.Write("bin/TarsisMapCompiler.exe", {"#!/bin/sh"});
    }
    fs::path shipped() const { return temp.Path() / "share" / "tarsisdizizuzuri"; }
    fs::path user() const { return temp.Path() / "home" / "TarsisDizIzuzuri"; }
    fs::path compiler() const { return temp.Path() / "bin" / "TarsisMapCompiler.exe"; }
    ProgramFolders folders() const { return {shipped(), user(), true}; }
    TempFolder temp;
};

TEST_F(SeedTest, FirstStartWritesTheSettingsAndPreparesTheWritableFolders) {
    const auto before = Snapshot(shipped());
    ASSERT_EQ(SeedUserFolder(folders(), compiler()), "");
    EXPECT_EQ(Snapshot(shipped()), before);  // nothing written where the program is installed

    const Settings original = Read(shipped());
    const Settings seeded = Read(user());
    EXPECT_EQ(fs::path(seeded.DataDirectory), shipped() / "Default" / "Data");
    EXPECT_EQ(seeded.MapCompilerPath, original.MapCompilerPath);
    EXPECT_EQ(seeded.MapFolder, original.MapFolder);
    EXPECT_EQ(seeded.MultipleObjectsInSameSector, original.MultipleObjectsInSameSector);
    EXPECT_TRUE(fs::is_directory(ResolveFolder(user(), seeded.MapFolder)));
    const fs::path linked = ResolveFolder(user(), seeded.MapCompilerPath) / "TarsisMapCompiler.exe";
    ASSERT_TRUE(fs::is_symlink(linked));
    EXPECT_EQ(fs::read_symlink(linked), compiler());
}

TEST_F(SeedTest, SeededFoldersStartUpOnTheShippedDataWithoutFailures) {
    ASSERT_EQ(SeedUserFolder(folders(), compiler()), "");
    GameData data;
    RandomSource random;
    RecordingReporter reporter;
    const StartUpResult result = StartUp(shipped(), user(), data, random, 1, reporter);
    EXPECT_TRUE(result.AllFilesRead()) << (result.FailedFiles.empty() ? "" : result.FailedFiles.front());
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{});
    EXPECT_FALSE(data.Stellar.Entries().empty());
    EXPECT_FALSE(data.Config.ModName.empty());
    EXPECT_EQ(data.DataFolder(), shipped() / "Default" / "Data");
}

TEST_F(SeedTest, LaterStartsKeepTheUsersSettings) {
    ASSERT_EQ(SeedUserFolder(folders(), compiler()), "");
    Settings changed = Read(user());
    changed.MultipleObjectsInSameSector = "True";
    changed.MapFolder = "/elsewhere/Maps";
    ASSERT_EQ(SaveSettings(user(), changed), "");
    EXPECT_EQ(SeedUserFolder(folders(), compiler()), "");
    EXPECT_EQ(Read(user()).MultipleObjectsInSameSector, "True");
    EXPECT_EQ(Read(user()).MapFolder, "/elsewhere/Maps");
}

TEST_F(SeedTest, AnExistingCompilerInTheUserFolderIsLeftAlone) {
    temp.Write("home/TarsisDizIzuzuri/TarsisMapCompiler.exe", {"the user's own compiler"});
    ASSERT_EQ(SeedUserFolder(folders(), compiler()), "");
    const fs::path own = user() / "TarsisMapCompiler.exe";
    EXPECT_FALSE(fs::is_symlink(own));
    EXPECT_EQ(ReadTextLines(own), std::vector<std::string>{"the user's own compiler"});
}

TEST_F(SeedTest, FailuresAreReportedAndLeaveNoHalfSeededSettings) {
    EXPECT_NE(SeedUserFolder({shipped(), fs::path(), true}, compiler()), "");

    // A file where the user folder should be: no folder, no settings file.
    temp.Write("blocked", {"x"});
    const ProgramFolders blocked{shipped(), temp.Path() / "blocked" / "TarsisDizIzuzuri", true};
    EXPECT_NE(SeedUserFolder(blocked, compiler()), "");

    // No shipped settings: reported, and the next start tries again.
    fs::remove(shipped() / "DizIzuzuri.ini");
    EXPECT_NE(SeedUserFolder(folders(), compiler()), "");
    EXPECT_FALSE(fs::exists(user() / "DizIzuzuri.ini"));
}

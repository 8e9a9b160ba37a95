#include <gtest/gtest.h>

#include "TempFolder.h"
#include "catalog/Settings.h"
#include "text/Reporter.h"

namespace {

TEST(Settings, ReadsEveryOtherLineWhateverTheMarkersSay) {
    TempFolder folder;
    RecordingReporter reporter;
    Settings s;
    folder.Write("DizIzuzuri.ini", {"", "C:\\G\\Data", "[wrong]", " compiler ", "x", "Maps", "", "true"}, false);
    ASSERT_TRUE(LoadSettings(folder.Path(), s, reporter));
    EXPECT_EQ(s.DataDirectory, "C:\\G\\Data");
    EXPECT_EQ(s.MapCompilerPath, " compiler ");
    EXPECT_EQ(s.MapFolder, "Maps");
    EXPECT_EQ(s.MultipleObjectsInSameSector, "true");
    EXPECT_FALSE(s.AllowsMultipleObjects());
    EXPECT_TRUE(reporter.entries.empty());
}

TEST(Settings, MissingOrShortFileIsReportedWithEmptyValues) {
    TempFolder folder;
    RecordingReporter reporter;
    Settings s;
    s.DataDirectory = "old";
    EXPECT_FALSE(LoadSettings(folder.Path(), s, reporter));
    EXPECT_EQ(s.DataDirectory, "");
    folder.Write("DizIzuzuri.ini", {"[Data Directory]", "Data", "[Map Compiler Path]", "Tools", "[Map Folder]"});
    EXPECT_FALSE(LoadSettings(folder.Path(), s, reporter));
    EXPECT_EQ(s.DataDirectory, "Data");
    EXPECT_EQ(s.MapCompilerPath, "Tools");
    EXPECT_EQ(s.MapFolder, "");
    EXPECT_EQ(s.MultipleObjectsInSameSector, "");
    EXPECT_EQ(reporter.entries.size(), 2u);
}

TEST(Settings, SaveWritesTheEightLinesAndReadsBack) {
    TempFolder folder;
    RecordingReporter reporter;
    Settings s;
    s.DataDirectory = "D";
    s.MapCompilerPath = "C";
    s.MapFolder = "M";
    s.MultipleObjectsInSameSector = "false";
    ASSERT_EQ(SaveSettings(folder.Path(), s), "");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "DizIzuzuri.ini"),
              "[Data Directory]\r\nD\r\n[Map Compiler Path]\r\nC\r\n[Map Folder]\r\nM\r\n"
              "[Multiple Objects in same Sector]\r\nfalse\r\n");
    s.MultipleObjectsInSameSector = "True";
    ASSERT_EQ(SaveSettings(folder.Path(), s), "");
    Settings back;
    ASSERT_TRUE(LoadSettings(folder.Path(), back, reporter));
    EXPECT_TRUE(back.AllowsMultipleObjects());
    EXPECT_NE(SaveSettings(folder.Path() / "no" / "such" / "folder", s), "");
}

TEST(Settings, FolderDerivationsNeverFailOnShortValues) {
    EXPECT_EQ(ParentByCutting("C:\\G\\Data"), "C:\\G");
    EXPECT_EQ(ParentByCutting("Default/Data"), "Default");
    EXPECT_EQ(ParentByCutting("Data"), "");
    EXPECT_EQ(ParentByCutting("12345"), "");
    EXPECT_EQ(ParentByCutting(""), "");
    EXPECT_EQ(PictureFolderOf("/g/Data"), "/g/Pictures/Planets/");
    EXPECT_EQ(PictureFolderOf("abc"), "Pictures/Planets/");  // under the program folder, not the root
}

TEST(Settings, RelativeFoldersLieUnderTheProgramFolder) {
    const std::filesystem::path program("/opt/diz");
    EXPECT_EQ(ResolveFolder(program, "Default/Data"), program / "Default/Data");
    EXPECT_EQ(ResolveFolder(program, "Default\\Data"), program / "Default/Data");
    EXPECT_EQ(ResolveFolder(program, "/srv/game/Data"), std::filesystem::path("/srv/game/Data"));
    EXPECT_EQ(ResolveFolder(program, ""), program / "");
}

}  // namespace

#include <gtest/gtest.h>

#include "../core/TempFolder.h"
#include "folders/ProgramFolders.h"

namespace fs = std::filesystem;

// A prefix with bin/ and, when asked, the shipped settings file in share/.
class LayoutTest : public ::testing::Test {
protected:
    fs::path Bin() const { return prefix.Path() / "bin"; }
    fs::path Shipped() const { return InstalledShippedFolder(Bin()); }
    void ShipSettings() {
        prefix.Write(fs::relative(Shipped(), prefix.Path()) / "DizIzuzuri.ini", {"[Data Directory]"});
    }
    TempFolder prefix;
    const fs::path user = "/home/someone/.local/share/TarsisDizIzuzuri";
};

TEST_F(LayoutTest, InstalledProgramReadsShareAndWritesTheUserFolder) {
    fs::create_directories(Bin());
    ShipSettings();
    const ProgramFolders folders = FindProgramFolders(Bin(), user);
    EXPECT_TRUE(folders.Installed);
    EXPECT_EQ(folders.Program, Shipped());
    EXPECT_EQ(folders.User, user);
    // The shipped folder is a folder of our own inside the same prefix.
    const fs::path inside = fs::relative(folders.Program, prefix.Path());
    EXPECT_EQ(inside.begin()->string(), "share");
    EXPECT_NE(folders.Program.filename(), "share");
}

TEST_F(LayoutTest, BuildFolderKeepsEverythingBesideTheExecutable) {
    // Even with an installed copy in the same prefix, a program folder that
    // holds its settings file is used as it stands.
    ShipSettings();
    prefix.Write("bin/DizIzuzuri.ini", {"[Data Directory]"});
    const ProgramFolders folders = FindProgramFolders(Bin(), user);
    EXPECT_FALSE(folders.Installed);
    EXPECT_EQ(folders.Program, Bin());
    EXPECT_EQ(folders.User, Bin());
}

TEST_F(LayoutTest, NoSettingsAnywhereFallsBackToTheExecutableFolder) {
    fs::create_directories(Bin());
    const ProgramFolders folders = FindProgramFolders(Bin(), user);
    EXPECT_FALSE(folders.Installed);
    EXPECT_EQ(folders.User, Bin());
}

TEST(XdgUserFolder, FollowsTheXdgRules) {
    EXPECT_EQ(XdgUserFolder("/data/home", "/home/a"), fs::path("/data/home/TarsisDizIzuzuri"));
    // Unset, empty or relative XDG_DATA_HOME: HOME/.local/share.
    EXPECT_EQ(XdgUserFolder(nullptr, "/home/a"), fs::path("/home/a/.local/share/TarsisDizIzuzuri"));
    EXPECT_EQ(XdgUserFolder("", "/home/a"), fs::path("/home/a/.local/share/TarsisDizIzuzuri"));
    EXPECT_EQ(XdgUserFolder("relative/data", "/home/a"), fs::path("/home/a/.local/share/TarsisDizIzuzuri"));
    EXPECT_TRUE(XdgUserFolder(nullptr, nullptr).empty());
    EXPECT_TRUE(XdgUserFolder("relative", "").empty());
}

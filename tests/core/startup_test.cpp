#include <gtest/gtest.h>

#include "ShippedData.h"
#include "TempFolder.h"
#include "random/StartUp.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void CopyShipped() {
        std::filesystem::copy(ShippedProgramFolder(), folder.Path(), std::filesystem::copy_options::recursive |
                                                                         std::filesystem::copy_options::overwrite_existing);
    }

    TempFolder folder;
    GameData data;
    RandomSource random;
    RecordingReporter reporter;
};

TEST_F(StartUpTest, ShippedFolderReadsCleanlyAndGivesTheStatusTexts) {
    CopyShipped();
    const StartUpResult result = StartUp(folder.Path(), data, random, 42, reporter);
    EXPECT_TRUE(result.AllFilesRead());
    EXPECT_TRUE(reporter.entries.empty()) << reporter.Messages().front();
    EXPECT_EQ(result.Status.LblUsingParse, "Using Files in 'Default/Data' to define objects");
    EXPECT_EQ(result.Status.lblPaths, "Map Compiler: .\rMap Folder: Default/Maps");
    EXPECT_EQ(result.Status.lblAllow, "Allow multiple objects in same sector: FALSE");
    EXPECT_EQ(result.Status.lblMod, "Tarsis Default Data");
    EXPECT_EQ(data.Config.PrimaryPictureFolder, "Default/Pictures/Planets/");
    EXPECT_EQ(data.Config.SecondaryPictureFolder, "Default/Pictures/Planets/");
    EXPECT_EQ(data.ProgramFolder, folder.Path());
    RandomSource same(42);
    EXPECT_EQ(random.Next(), same.Next());

    // The picture folders are taken from the program folder.
    folder.Write("Default/Pictures/Planets/Star_Red.bmp", {"x"});
    EXPECT_EQ(data.Stellar.ResolvePicture("Star_Red.bmp"),
              folder.Path() / "Default/Pictures/Planets/" / "Star_Red.bmp");
}

TEST_F(StartUpTest, EmptyFolderReportsEveryFileAndGoesOn) {
    const StartUpResult result = StartUp(folder.Path(), data, random, 1, reporter);
    EXPECT_EQ(result.FailedFiles,
              (std::vector<std::string>{"DizIzuzuri.ini", "StellarObjectTypes.txt", "StellarAbilityTypes.txt",
                                        "SystemTypes.txt", "SystemNames.txt", "QuadrantTypes.txt",
                                        "SystemTypes.txt", "SystemTypes.txt", "Mod_Definition.txt"}));
    const auto messages = Headlines(reporter);
    ASSERT_EQ(messages.size(), 9u);  // the first names the settings file and the folder
    EXPECT_EQ(std::vector<std::string>(messages.begin() + 1, messages.end()),
              (std::vector<std::string>{"The 'StellarObjectTypes.txt' path is incorrect",
                                        "The 'StellarAbilitiesTypes.txt' path is incorrect",
                                        "The 'SystemTypes.txt' path is incorrect", "Can't load System names",
                                        "Can't load Quadrant types", "Can't load System types",
                                        "Can't load Chance types", "The 'Mod_Definition.txt' path is incorrect"}));
    EXPECT_EQ(result.Status.lblAllow, "Allow multiple objects in same sector: ");
    EXPECT_TRUE(data.Stellar.Entries().empty());
}

TEST_F(StartUpTest, ShortFolderValuesAndLowerCaseTrue) {
    folder.Write("DizIzuzuri.ini", {"", "D", "", "", "", "M", "", "true"});
    const StartUpResult result = StartUp(folder.Path(), data, random, 1, reporter);
    EXPECT_EQ(result.Status.lblAllow, "Allow multiple objects in same sector: TRUE");
    EXPECT_FALSE(data.Config.AllowsMultipleObjects());
    EXPECT_EQ(data.Config.PrimaryPictureFolder, "Pictures/Planets/");
    EXPECT_FALSE(result.AllFilesRead());
}

TEST_F(StartUpTest, ReloadAppliesTheNewFolderWithItsModAndPictures) {
    CopyShipped();
    StartUp(folder.Path(), data, random, 1, reporter);
    const std::size_t shippedTypes = data.Stellar.Entries().size();
    std::filesystem::copy(folder.Path() / "Default", folder.Path() / "Other", std::filesystem::copy_options::recursive);
    folder.Write("Other/Mod_Definition.txt", {"Mod Name := Other Mod"});
    folder.Write("Other/Data/StellarObjectTypes.txt",
                 {Keyed("Stellar Object Name", 27, "Lone Storm"), Keyed("Physical Type", 27, "Storm"), "", "", "", "",
                  Keyed("Picture", 27, "S.bmp"), "", "", Keyed("Size", 27, "Small")});

    Settings pending = data.Config;
    pending.DataDirectory = "Other/Data";
    pending.MultipleObjectsInSameSector = "True";
    const StartUpResult result = ReloadWithSettings(data, pending, reporter);
    EXPECT_TRUE(result.AllFilesRead());
    EXPECT_EQ(result.Status.LblUsingParse, "Using Files in 'Other/Data' to define objects");
    EXPECT_EQ(result.Status.lblAllow, "Allow multiple objects in same sector: TRUE");
    EXPECT_EQ(result.Status.lblMod, "Other Mod");
    EXPECT_EQ(data.Config.ModName, "Other Mod");
    EXPECT_NE(shippedTypes, 1u);
    EXPECT_EQ(data.Stellar.Entries().size(), 1u);
    EXPECT_EQ(data.Config.PrimaryPictureFolder, "Other/Pictures/Planets/");
    EXPECT_TRUE(data.Config.AllowsMultipleObjects());
    Settings saved;
    ASSERT_TRUE(LoadSettings(folder.Path(), saved, reporter));
    EXPECT_EQ(saved.DataDirectory, "Other/Data");
}

}  // namespace

#include <QListWidget>

#include <cstdlib>
#include <map>

#include "../core/FolderSnapshot.h"
#include "../core/TempFolder.h"
#include "EditorFixture.h"
#include "folders/UserFolderSeed.h"
#include "text/TextHelpers.h"
#include "ui/ApplicationIdentity.h"

namespace fs = std::filesystem;

namespace {

// The shipped files in one folder, the user's files in another, seeded as an
// installed editor does on its first start.
struct InstalledData {
    InstalledData() {
        const ProgramFolders folders{shipped.Path(), home.Path() / "TarsisDizIzuzuri", true};
        seedError = SeedUserFolder(folders, fs::path(DIZ_PROGRAM_DIR) / "TarsisMapCompiler.exe");
        data.ProgramFolder = folders.Program;
        data.UserFolder = folders.User;
    }
    ProgramFolderCopy shipped;
    TempFolder home;
    std::string seedError;
    GameData data;
};

}  // namespace

class InstalledEditorTest : public ::testing::Test, protected InstalledData {
protected:
    InstalledEditorTest() : window(data, prompts, random) {
        window.SetContextMenusShown(false);
        EXPECT_EQ(seedError, "");
        before = Snapshot(shipped.Path());
        window.RunStartUp(7);
    }
    void AddTwoSystems() {
        AddTestSystem(window.Universe(), "Alpha", 3, 4);
        AddTestSystem(window.Universe(), "Beta", 20, 30);
    }
    fs::path User() const { return data.UserFolder; }

    RecordingPrompts prompts;
    RandomSource random;
    FMapEditor window;
    std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>> before;
};

TEST_F(InstalledEditorTest, StartsOnTheShippedDataAndKeepsMapsInTheUserFolder) {
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
    EXPECT_FALSE(data.Stellar.Entries().empty());

    AddTwoSystems();
    window.Shared().MapName = "mine";
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages().back(), "Work Done,'mine.txt' saved in '" + User().string() + "'");
    EXPECT_TRUE(FileExists(User() / "mine.txt"));
    auto* list = window.findChild<QListWidget*>("F");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "mine.txt");

    window.Shared().MapName = "compiled";
    window.MapCommand(0);
    EXPECT_EQ(prompts.Messages().back(), "Work Done,'compiled.map' created in 'Default/Maps'");
    EXPECT_TRUE(FileExists(User() / "Default" / "Maps" / "compiled.map"));

    prompts.QueueAnswer(true);
    window.Shared().MapName = "mine";
    window.LoadCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    // Nothing of this touched the shipped files.
    EXPECT_EQ(Snapshot(shipped.Path()), before);
}

TEST_F(InstalledEditorTest, SettingsAreSavedInTheUserFolder) {
    Settings pending = data.Config;
    pending.MultipleObjectsInSameSector = "True";
    ReloadWithSettings(data, pending, prompts);
    EXPECT_TRUE(data.Config.AllowsMultipleObjects());
    Settings reread;
    EXPECT_TRUE(LoadSettings(User(), reread, prompts));
    EXPECT_EQ(reread.MultipleObjectsInSameSector, "True");
    EXPECT_EQ(Snapshot(shipped.Path()), before);
}

// The editor asks Qt for its folder; the command-line tool works it out by
// the XDG rules. Both must name the same folder.
TEST(ApplicationIdentity, EditorAndCommandLineToolAgreeOnTheUserFolder) {
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    SetApplicationIdentity();
    TempFolder home;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home.Path() / "data").string()));
    EXPECT_EQ(UserDataFolder(), XdgUserFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    EXPECT_EQ(UserDataFolder(), home.Path() / "data" / "TarsisDizIzuzuri");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataFolder(), XdgUserFolder(nullptr, std::getenv("HOME")));
    if (!savedXdg.isEmpty()) qputenv("XDG_DATA_HOME", savedXdg);
}

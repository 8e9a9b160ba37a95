#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QTimer>

#include <fstream>

#include "EditorFixture.h"
#include "text/TextHelpers.h"
#include "ui/MapDialogs.h"

#if defined(__unix__)
#include <signal.h>
#endif

class MapFilesTest : public EditorFixture {
protected:
    void AddSmallMap() {
        const SystemRef a = AddSystem("Alpha", 3, 4);
        const SystemRef b = AddSystem("Beta", 20, 30);
        AddObject(a, "STAR", 0, 0, FirstOrdinal("Star"));
        AddObject(a, "WARP", 2, 3, FirstOrdinal("Warp"))->destSystem = b;
        AddObject(b, "WARP", -1, 4, FirstOrdinal("Warp"))->destSystem = a;
        for (const SystemRef& s : window.Universe().Systems()) {
            CStellarBackground sky;
            sky.Set(3, 1, 6, data.SystemTypes.StellarBackgrounds().front());
            s->addStellarBackground(sky);
        }
    }
    // The stand-in compiler the build made, copied into a folder of the test's program folder.
    void InstallCompiler(const std::string& subfolder) {
        std::filesystem::create_directories(folder.Path() / subfolder);
        std::filesystem::copy_file(std::filesystem::path(DIZ_PROGRAM_DIR) / "TarsisMapCompiler.exe",
                                   folder.Path() / subfolder / "TarsisMapCompiler.exe");
    }
    void Generate(const std::string& compilerFolder, const std::string& mapName) {
        data.Config.MapCompilerPath = compilerFolder;
        window.Shared().MapName = mapName;
        window.MapCommand(0);
    }
    static void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::filesystem::path Local(const std::string& name) const { return folder.Path() / (name + ".txt"); }
    // Highlights a file of "Available Maps", as a click would.
    void Highlight(const QString& file) {
        window.RefreshFileList();
        auto* list = window.findChild<QListWidget*>("F");
        const auto items = list->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << file.toStdString();
        list->setCurrentItem(items.front());
    }
};

TEST_F(MapFilesTest, SaveRefusesAnEmptyMapAndAnEmptyName) {
    window.Shared().MapName = "empty";
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"There are no Systems in this map"});
    EXPECT_FALSE(FileExists(Local("empty")));
    AddSmallMap();
    window.Shared().MapName = "";
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages().back(), "Write a name for the Map");
}

TEST_F(MapFilesTest, SavingTwiceAsksBeforeOverwriting) {
    AddSmallMap();
    window.Shared().MapName = "two";
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages().back(),
              "Work Done,'two.txt' saved in '" + folder.Path().string() + "'");
    ASSERT_TRUE(FileExists(Local("two")));
    const auto before = ReadTextLines(Local("two"));
    window.Universe().Systems().front()->name = "Changed";
    prompts.QueueAnswer(false);
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages().back(), "The File 'two.txt' exists, Overwrite?");
    EXPECT_EQ(ReadTextLines(Local("two")), before);
    window.MapCommand(1);  // Yes
    EXPECT_NE(ReadTextLines(Local("two")), before);
}

TEST_F(MapFilesTest, GenerateRunsTheCompilerAndPlacesTheMapAndTheTxt) {
    AddSmallMap();
    InstallCompiler("Compiler");
    Generate("Compiler", "compiled");
    ASSERT_FALSE(prompts.Messages().empty());
    EXPECT_EQ(prompts.Messages().back(), "Work Done,'compiled.map' created in 'Default/Maps'");
    EXPECT_TRUE(FileExists(folder.Path() / "Default" / "Maps" / "compiled.map"));
    EXPECT_TRUE(FileExists(Local("compiled")));
    EXPECT_FALSE(FileExists(folder.Path() / "Compiler" / "compiled.txt"));
    EXPECT_FALSE(FileExists(folder.Path() / "Compiler" / "compiled.map"));
    EXPECT_FALSE(window.Busy());

    // With the compiler in the program folder the map's own txt stays.
    InstallCompiler(".");
    Generate(".", "here");
    EXPECT_EQ(prompts.Messages().back(), "Work Done,'here.map' created in 'Default/Maps'");
    EXPECT_TRUE(FileExists(Local("here")));
    EXPECT_TRUE(FileExists(folder.Path() / "Default" / "Maps" / "here.map"));
}

TEST_F(MapFilesTest, GenerateWithoutACompilerReportsTheFailedStart) {
    AddSmallMap();
    std::filesystem::create_directories(folder.Path() / "NoCompilerHere");
    Generate("NoCompilerHere", "nocompiler");
    const std::string last = prompts.Messages().back();
    EXPECT_NE(last.find(" - "), std::string::npos) << last;
    EXPECT_NE(last.find("TarsisMapCompiler.exe"), std::string::npos) << last;
    EXPECT_TRUE(FileExists(Local("nocompiler")));
}

TEST_F(MapFilesTest, ACompilerThatWritesNoMapEndsTheWaitWithAnError) {
    AddSmallMap();
    // A program that starts and exits without writing anything; the wait ends
    // with the process, and an old map in the compiler folder does not count.
    if (!std::filesystem::exists("/bin/true")) GTEST_SKIP() << "needs /bin/true";
    std::filesystem::create_directories(folder.Path() / "Silent");
    std::filesystem::copy_file("/bin/true", folder.Path() / "Silent" / "TarsisMapCompiler.exe");
    WriteBytes(folder.Path() / "Silent" / "silent.map", "from an earlier run");
    Generate("Silent", "silent");
    EXPECT_EQ(prompts.Messages().back(),
              "There have been errors generating the Map\n\nThe map compiler wrote no 'silent.map'.");
    EXPECT_FALSE(FileExists(folder.Path() / "Default" / "Maps" / "silent.map"));
    EXPECT_TRUE(FileExists(folder.Path() / "Silent" / "silent.txt"));  // left for a look
    EXPECT_TRUE(FileExists(Local("silent")));
    EXPECT_FALSE(window.Busy());
}

TEST_F(MapFilesTest, AFailedCompileShowsTheCompilersReasonsAndKeepsTheOldMaps) {
    AddSmallMap();
    // The stand-in compiler refuses a warp to a system the map does not hold.
    InstallCompiler(".");
    window.Universe().Objects()[1]->destSystem = NewDetachedSystem("Nowhere");
    WriteBytes(folder.Path() / "broken.map", "last good map");
    Generate(".", "broken");
    const std::string last = prompts.Messages().back();
    EXPECT_EQ(last.rfind("There have been errors generating the Map\n\n", 0), 0u) << last;
    EXPECT_NE(last.find("\"Nowhere\""), std::string::npos) << last;
    EXPECT_EQ(ReadFileBytes(folder.Path() / "broken.map"), "last good map");

    // A compiler that fails without a word is reported with its status.
    std::filesystem::create_directories(folder.Path() / "Failing");
    WriteBytes(folder.Path() / "Failing" / "TarsisMapCompiler.exe", "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions(folder.Path() / "Failing" / "TarsisMapCompiler.exe",
                                 std::filesystem::perms::owner_all);
    Generate("Failing", "failing");
    EXPECT_EQ(prompts.Messages().back(),
              "There have been errors generating the Map\n\nThe map compiler ended with status 3.");
}

TEST_F(MapFilesTest, LoadBringsBackTheSavedMap) {
    AddSmallMap();
    window.Shared().MapName = "roundtrip";
    window.MapCommand(1);
    window.NewMapCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 0);
    Highlight("roundtrip.txt");
    window.LoadCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().NObjetosU(), 3);
    const SystemRef alpha = window.Universe().Systems().front();
    EXPECT_EQ(alpha->name, "Alpha");
    // Warps were resolved by name.
    for (const SpaceObjectRef& o : window.Universe().Objects()) {
        if (o->Tipo == KindWarpPoint) {
            EXPECT_NE(window.Universe().GetOneSystem(o->destSystem->ID)->ID, NoID);
        }
    }
    EXPECT_EQ(Label("LblXG"), "0");
    EXPECT_FALSE(window.SystemMapEnabled());
    // Left of the disc's centre, away from the warp line to Beta.
    EXPECT_EQ(window.GalaxyImage().pixelColor(4 * 3 + 1, 4 * 4 + 2), QColor(255, 255, 0));
}

TEST_F(MapFilesTest, ATruncatedMapIsReportedWithItsLineAndTheCurrentMapStays) {
    AddSmallMap();
    std::filesystem::copy_file(std::filesystem::path(DIZ_TEST_DATA_DIR) / "maps" / "Truncated.txt", Local("broken"));
    Highlight("broken.txt");
    window.LoadCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().NObjetosU(), 3);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_NE(prompts.Messages()[0].find("line 41"), std::string::npos) << prompts.Messages()[0];
}

TEST_F(MapFilesTest, MenuDialogsSaveAndLoadByName) {
    AddSmallMap();
    prompts.QueueDialog([](QDialog& dialog) {
        auto* save = qobject_cast<FMapName*>(&dialog);
        save->TxtFileName->setText("listed");
        save->Ok();
        return dialog.result();
    });
    window.SaveMenuCommand();
    EXPECT_EQ(window.Shared().MapName, "listed");
    window.Shared().MapName = "";
    prompts.QueueDialog([](QDialog& dialog) {
        auto* load = qobject_cast<FLoad*>(&dialog);
        EXPECT_GT(load->F->count(), 0);
        load->F->setCurrentItem(load->F->findItems("listed.txt", Qt::MatchExactly).value(0));
        EXPECT_EQ(load->TxtFileName->text(), "listed");
        load->Ok();
        return dialog.result();
    });
    window.LoadMenuCommand();
    EXPECT_EQ(prompts.openedDialogs, (std::vector<std::string>{"Save Map", "Load Map"}));
    EXPECT_EQ(window.Shared().MapName, "listed");
    EXPECT_EQ(window.Universe().NSistemas(), 2);
}

TEST_F(MapFilesTest, RandomMapOfEachShapeFillsTheGalaxyWithCommandsDisabledMeanwhile) {
    prompts.QueueDialog([](QDialog& dialog) {
        auto* random = qobject_cast<FRandom*>(&dialog);
        random->TxtMaxNumber->setText("5");
        random->Ok();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        random->TxtMaxNumber->setText("12");
        random->Ok();
        return dialog.result();
    });
    bool disabledMeanwhile = false, closeRefused = false;
    QTimer::singleShot(0, &window, [&] {
        disabledMeanwhile = window.Busy() && !window.centralWidget()->isEnabled();
        closeRefused = !window.close();
    });
    window.RandomMapCommand();
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(closeRefused);
    EXPECT_TRUE(window.centralWidget()->isEnabled());
    EXPECT_EQ(window.Universe().NSistemas(), 12);
    ASSERT_FALSE(prompts.Messages().empty());
    EXPECT_EQ(prompts.Messages().front().rfind("The number of systems must be between 10 and ", 0), 0u);

    // Each shape fills the galaxy, and the window answers a press on a system after it.
    for (const char* shape : {"Random", "Spiral", "Grid", "Islands"}) {
        prompts.QueueDialog([shape](QDialog& dialog) {
            auto* random = qobject_cast<FRandom*>(&dialog);
            random->CmbShape->setEditText(shape);
            random->TxtMaxNumber->setText("40");
            random->Ok();
            return dialog.result();
        });
        prompts.saveChoices.push_back(SaveChoice::Discard);  // the map before was never saved
        window.RandomMapCommand();
        ASSERT_EQ(window.Universe().NSistemas(), 40) << shape;
        EXPECT_TRUE(window.centralWidget()->isEnabled() && !window.Busy()) << shape;
        const SystemRef last = window.Universe().Systems().back();
        SelectSystem(last);
        EXPECT_EQ(window.State().SelectedSystem, last->ID) << shape;
        EXPECT_TRUE(window.SystemMapEnabled()) << shape;
    }
}

TEST_F(MapFilesTest, RandomSystemAtThePressedCell) {
    PressCell(30, 20, 2);
    prompts.QueueDialog([this](QDialog& dialog) {
        auto* type = qobject_cast<FSystemType*>(&dialog);
        type->cmbType->setEditText("no such type");
        type->Ok();
        type->cmbType->setEditText(FromBytes(data.RandomSystemTypes.Types().front().Name));
        type->txtname->setText("Lonely");
        type->Ok();
        return dialog.result();
    });
    window.RandomSystemCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    const SystemRef made = window.Universe().Systems().front();
    EXPECT_EQ(made->name, "Lonely");
    EXPECT_EQ(made->X, 30);
    EXPECT_EQ(made->y, 20);
    EXPECT_TRUE(window.State().SystemIsSelected);
    EXPECT_EQ(prompts.Messages().front(), "Select a valid System Type");
    // An occupied cell opens nothing.
    window.RandomSystemCommand();
    EXPECT_EQ(prompts.Messages().back(), "There's a system in that coordinates yet");
    EXPECT_EQ(prompts.openedDialogs.size(), 1u);
}

namespace {

// Presses Cancel on the progress window as soon as it is up.
void CancelProgressSoon(FMapEditor& window, int afterMs) {
    QTimer::singleShot(afterMs, &window, [&window] {
        if (auto* progress = window.findChild<QProgressDialog*>("LongWorkProgress")) progress->cancel();
    });
}

}  // namespace

TEST_F(MapFilesTest, CancellingARandomMapKeepsThePreviousMap) {
    AddSmallMap();
    window.DrawSystems();
    prompts.QueueDialog([](QDialog& dialog) {
        auto* random = qobject_cast<FRandom*>(&dialog);
        random->TxtMaxNumber->setText("60");
        random->Ok();
        return dialog.result();
    });
    CancelProgressSoon(window, 0);
    window.RandomMapCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().Systems().front()->name, "Alpha");
    EXPECT_TRUE(window.centralWidget()->isEnabled() && !window.Busy());
    // The galaxy on screen is the kept map again.
    EXPECT_EQ(window.GalaxyPicture().Systems().size(), 2u);
}

#if defined(__unix__)
TEST_F(MapFilesTest, CancellingGenerateEndsTheCompilerAndKeepsThePreviousMap) {
    AddSmallMap();
    // A compiler that never finishes: it notes its process ID and waits.
    std::filesystem::create_directories(folder.Path() / "Slow");
    const std::filesystem::path script = folder.Path() / "Slow" / "TarsisMapCompiler.exe";
    ASSERT_EQ(WriteTextContentSafely(script, "#!/bin/sh\necho $$ > pid.txt\nexec sleep 30\n"), "");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    std::filesystem::create_directories(folder.Path() / "Default" / "Maps");
    const std::filesystem::path previous = folder.Path() / "Default" / "Maps" / "slow.map";
    ASSERT_EQ(WriteTextContentSafely(previous, "the map compiled before"), "");
    CancelProgressSoon(window, 400);
    Generate("Slow", "slow");
    EXPECT_EQ(ReadTextLines(previous).value_or(std::vector<std::string>{}), std::vector<std::string>{"the map compiled before"});
    // Nothing is reported: the user asked for it.
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
    const auto pid = ReadTextLines(folder.Path() / "Slow" / "pid.txt").value_or(std::vector<std::string>{});
    ASSERT_EQ(pid.size(), 1u);
    EXPECT_NE(::kill(std::stoi(pid.front()), 0), 0) << "the compiler still runs";
    EXPECT_TRUE(window.centralWidget()->isEnabled() && !window.Busy());
}
#endif

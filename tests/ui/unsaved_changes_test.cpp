#include <QUndoStack>
#include <fstream>
#include <optional>

#include "EditorFixture.h"
#include "model/SystemEdits.h"
#include "text/TextHelpers.h"
#include "ui/MapDialogs.h"
#include "ui/RecoveryCopy.h"

namespace {

class UnsavedChangesTest : public EditorFixture {
protected:
    UnsavedChangesTest() {
        AddSystem("Alpha", 3, 3);
        window.SaveUnder("mine", 1);  // mine.txt holds Alpha alone
        prompts.ClearMessages();
    }
    // An unsaved change: a system added through the history; returns its name.
    std::string Change() {
        SystemRef added = NewSystem();
        added->name = "Beta" + std::to_string(++changes);
        added->X = 9 + changes;
        window.Document().Submit(std::make_unique<AddSystemEdit>(added));
        EXPECT_TRUE(window.Document().IsModified());
        return added->name;
    }
    std::string Saved() const { return ReadFileBytes(folder.Path() / "mine.txt"); }
    static std::string ReadFileBytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    struct Command {
        const char* name;
        // Runs the command; true when it went ahead (the map was set aside).
        std::function<bool()> run;
    };
    // Whether running the command replaced the map's systems.
    bool Replaces(const std::function<void()>& command) {
        const std::vector<SystemRef> before = window.Universe().Systems();
        command();
        return window.Universe().Systems() != before;
    }
    std::vector<Command> Commands() {
        return {
            {"New Map", [this] { return Replaces([this] { window.NewMapCommand(); }); }},
            {"Load Map", [this] { return Replaces([this] { window.LoadMapFile("mine.txt"); }); }},
            {"Random Map", [this] { return Replaces([this] {
                 prompts.QueueDialog([](QDialog& dialog) {
                     auto* random = qobject_cast<FRandom*>(&dialog);
                     random->TxtMaxNumber->setText("10");
                     random->Ok();
                     return dialog.result();
                 });
                 window.RandomMapCommand();
             }); }},
            {"Exit", [this] { return window.close(); }},
        };
    }
    int changes = 0;
};

}  // namespace

TEST_F(UnsavedChangesTest, CancelKeepsEverythingOnEachCommand) {
    for (const Command& command : Commands()) {
        window.show();
        Change();
        const std::string saved = Saved();
        prompts.ClearMessages();
        prompts.saveChoices.push_back(SaveChoice::Cancel);
        EXPECT_FALSE(command.run()) << command.name;
        EXPECT_EQ(window.Universe().NSistemas(), 2) << command.name;
        EXPECT_TRUE(window.Document().IsModified()) << command.name;
        EXPECT_EQ(Saved(), saved) << command.name;
        EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Save changes to mine?"}) << command.name;
        window.Document().History().undo();
    }
}

TEST_F(UnsavedChangesTest, DiscardGoesAheadWithoutSavingOnEachCommand) {
    for (const Command& command : Commands()) {
        window.show();
        Change();
        const std::string saved = Saved();
        prompts.saveChoices.push_back(SaveChoice::Discard);
        EXPECT_TRUE(command.run()) << command.name;
        EXPECT_EQ(Saved(), saved) << command.name;
        EXPECT_TRUE(prompts.saveChoices.empty()) << command.name;
    }
}

TEST_F(UnsavedChangesTest, SaveWritesTheMapFirstOnEachCommand) {
    for (const Command& command : Commands()) {
        window.show();
        window.SetMapName("mine");  // New Map and Random Map leave a map without one
        if (window.Universe().NSistemas() == 0) AddSystem("Alpha", 3, 3);
        const std::string added = Change();
        prompts.saveChoices.push_back(SaveChoice::Save);
        prompts.QueueAnswer(true);  // overwrite mine.txt
        EXPECT_TRUE(command.run()) << command.name;
        EXPECT_NE(Saved().find(added), std::string::npos) << command.name;
    }
}

TEST_F(UnsavedChangesTest, AFailedSaveStopsTheCommand) {
    Change();
    prompts.saveChoices.push_back(SaveChoice::Save);
    prompts.QueueAnswer(false);  // do not overwrite mine.txt
    window.NewMapCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_TRUE(window.Document().IsModified());
}

TEST_F(UnsavedChangesTest, AMapWithoutUnsavedChangesIsSetAsideWithoutTheQuestion) {
    window.NewMapCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 0);
    EXPECT_TRUE(prompts.Messages().empty());
    // Closing still asks the plain question.
    window.show();
    prompts.QueueAnswer(false);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Are you sure to quit?"});
}

class RecoveryTest : public UnsavedChangesTest {
protected:
    RecoveryTest() {
        copies = folder.Path() / "user-data" / "Recovery";
        window.SetRecoveryFolder(copies);
    }
    // The next editor, started after this one was killed, looks for a copy
    // and answers the offer as given (no answer: none is expected).
    void StartNext(FMapEditor& next, std::optional<bool> restore) {
        next.SetRecoveryFolder(copies);
        if (restore) prompts.restoreAnswers.push_back(*restore);
        next.OfferRecovery();
    }
    std::filesystem::path copies;
};

TEST_F(RecoveryTest, AKilledEditorsChangesAreOfferedBackAtTheNextStart) {
    window.WriteRecoveryCopy();  // nothing unsaved: no copy
    EXPECT_FALSE(std::filesystem::exists(copies / "mine.txt"));
    Change();
    window.WriteRecoveryCopy();
    ASSERT_TRUE(FileExists(copies / "mine.txt"));
    EXPECT_EQ(Saved().find("Beta1"), std::string::npos);  // the user's map is untouched

    // The editor is killed here; the next one finds the copy.
    FMapEditor next(data, prompts, random);
    StartNext(next, true);
    EXPECT_EQ(prompts.Messages().back(), RestoreQuestion("mine"));
    ASSERT_EQ(next.Universe().NSistemas(), 2);
    EXPECT_EQ(next.Universe().Systems()[1]->name, "Beta1");
    EXPECT_EQ(next.Shared().MapName, "mine");
    EXPECT_TRUE(next.Document().IsModified());
    EXPECT_EQ(next.windowTitle(), "mine[*] - TarsisDizIzuzuri");
    // Saving it leaves nothing to recover.
    prompts.QueueAnswer(true);  // overwrite mine.txt
    next.MapCommand(1);
    EXPECT_FALSE(FileExists(copies / "mine.txt"));
}

TEST_F(RecoveryTest, DiscardRemovesTheCopyAndACleanExitLeavesNone) {
    Change();
    window.WriteRecoveryCopy();
    FMapEditor next(data, prompts, random);
    StartNext(next, false);
    EXPECT_EQ(next.Universe().NSistemas(), 0);
    EXPECT_FALSE(FileExists(copies / "mine.txt"));

    window.WriteRecoveryCopy();
    ASSERT_TRUE(FileExists(copies / "mine.txt"));
    window.show();
    prompts.saveChoices.push_back(SaveChoice::Discard);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(FileExists(copies / "mine.txt"));
}

TEST_F(RecoveryTest, ACopyOlderThanItsSavedMapIsNotOffered) {
    Change();
    window.WriteRecoveryCopy();
    // The map was saved after the copy (by another session, say).
    std::filesystem::last_write_time(copies / "mine.txt",
                                     std::filesystem::last_write_time(folder.Path() / "mine.txt") -
                                         std::chrono::hours(1));
    prompts.ClearMessages();
    FMapEditor next(data, prompts, random);
    StartNext(next, std::nullopt);
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_FALSE(FileExists(copies / "mine.txt"));
}

// A map never saved comes back without a name, so Save asks for one rather
// than writing a file named after the copy.
TEST_F(RecoveryTest, AMapNeverSavedComesBackWithoutAName) {
    prompts.saveChoices.push_back(SaveChoice::Discard);
    Change();
    window.NewMapCommand();
    ASSERT_EQ(window.Shared().MapName, "");
    Change();
    window.WriteRecoveryCopy();
    FMapEditor next(data, prompts, random);
    StartNext(next, true);
    EXPECT_EQ(prompts.Messages().back(), RestoreQuestion(""));
    EXPECT_NE(prompts.Messages().back().find("copy of Untitled"), std::string::npos);
    EXPECT_EQ(next.Universe().NSistemas(), 1);
    EXPECT_EQ(next.Shared().MapName, "");
    EXPECT_TRUE(next.Document().IsModified());
}

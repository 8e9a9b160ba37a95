// One current map name that belongs to the map on screen, and the listed file
// is the file that is opened, whatever its name.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <fstream>

#include "EditorFixture.h"
#include "text/TextHelpers.h"
#include "mapfile/MapCommandTexts.h"
#include "model/SystemEdits.h"
#include "ui/MapDialogs.h"

class CurrentMapNameTest : public EditorFixture {
protected:
    CurrentMapNameTest() { list = window.findChild<QListWidget*>("F"); }

    void AddMap() {
        AddSystem("Alpha", 3, 4);
        AddSystem("Beta", 20, 30);
        for (const SystemRef& s : window.Universe().Systems()) {
            CStellarBackground sky;
            sky.Set(3, 1, 6, data.SystemTypes.StellarBackgrounds().front());
            s->addStellarBackground(sky);
        }
    }
    // Map > Load Map…: choose works the dialog as a user would, then OK.
    void LoadThroughDialog(std::function<void(FLoad&)> choose) {
        prompts.QueueDialog([choose = std::move(choose)](QDialog& dialog) {
            auto& load = dynamic_cast<FLoad&>(dialog);
            choose(load);
            load.Ok();
            return dialog.result();
        });
        window.LoadMenuCommand();
    }
    void SaveAs(const std::string& name) {
        window.Shared().MapName.clear();
        prompts.QueueDialog([name](QDialog& dialog) {
            auto& save = dynamic_cast<FMapName&>(dialog);
            save.TxtFileName->setText(QString::fromStdString(name));
            save.Ok();
            return dialog.result();
        });
        window.SaveMenuCommand();
    }
    std::filesystem::path Local(const std::string& file) const { return folder.Path() / file; }
    void Highlight(const QString& file) {
        window.RefreshFileList();
        const auto items = list->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << file.toStdString();
        list->setCurrentItem(items.front());
    }
    QString Field(const char* name) const { return window.findChild<QLineEdit*>(name)->text(); }

    QListWidget* list = nullptr;
};

TEST_F(CurrentMapNameTest, AFailedLoadLeavesTheNameOfTheMapOnScreen) {
    AddMap();
    SaveAs("good");
    ASSERT_EQ(window.Shared().MapName, "good");
    std::filesystem::copy_file(std::filesystem::path(DIZ_TEST_DATA_DIR) / "maps" / "Truncated.txt", Local("broken.txt"));
    const auto broken = ReadTextLines(Local("broken.txt"));
    Highlight("broken.txt");
    window.LoadCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Shared().MapName, "good");
    EXPECT_EQ(window.windowTitle(), "good[*] - TarsisDizIzuzuri");
    // Save goes to the map's own file, never to the one that failed.
    prompts.ClearMessages();
    prompts.QueueAnswer(false);
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{MapCommandTexts::Overwrite("good")});
    EXPECT_EQ(ReadTextLines(Local("broken.txt")), broken);
}

TEST_F(CurrentMapNameTest, NewAndRandomMapsHaveNoNameSoSaveAsksForOne) {
    AddMap();
    SaveAs("first");
    EXPECT_EQ(Field("TxtFileName"), "first");
    EXPECT_EQ(Field("TxtMapSave"), "first");
    window.NewMapCommand();
    EXPECT_EQ(window.Shared().MapName, "");
    EXPECT_EQ(window.windowTitle(), "TarsisDizIzuzuri[*]");
    EXPECT_EQ(Field("TxtFileName"), "");

    SaveAs("second");
    AddMap();
    SaveAs("second");  // overwriting asks; Yes by default
    ASSERT_EQ(window.Shared().MapName, "second");
    const auto saved = ReadTextLines(Local("second.txt"));
    prompts.QueueDialog([](QDialog& dialog) {
        auto& random = dynamic_cast<FRandom&>(dialog);
        random.TxtMaxNumber->setText("12");
        random.Ok();
        return dialog.result();
    });
    prompts.ClearMessages();
    window.RandomMapCommand();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});  // the map on screen was saved: no question
    ASSERT_EQ(window.Universe().NSistemas(), 12);
    EXPECT_EQ(window.Shared().MapName, "");
    window.MapCommand(1);
    EXPECT_EQ(prompts.Messages().back(), MapCommandTexts::WriteAName);
    EXPECT_EQ(ReadTextLines(Local("second.txt")), saved);
}

TEST_F(CurrentMapNameTest, RandomMapCancelledAtTheSaveQuestionKeepsTheMap) {
    AddMap();
    SystemRef added = NewSystem();
    added->name = "Gamma";
    added->X = 40;
    window.Document().Submit(std::make_unique<AddSystemEdit>(added));
    prompts.QueueDialog([](QDialog& dialog) {
        auto& random = dynamic_cast<FRandom&>(dialog);
        random.TxtMaxNumber->setText("12");
        random.Ok();
        return dialog.result();
    });
    prompts.saveChoices.push_back(SaveChoice::Cancel);
    window.RandomMapCommand();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{SaveChangesText("Untitled")});
    EXPECT_EQ(window.Universe().NSistemas(), 3);
    EXPECT_EQ(window.Universe().Systems().front()->name, "Alpha");
}

TEST_F(CurrentMapNameTest, TheEntryHighlightedByKeysIsTheOneThatLoads) {
    AddMap();
    SaveAs("aaa");
    window.Universe().Systems().front()->name = "Other";
    SaveAs("bbb");
    window.NewMapCommand();
    prompts.ClearMessages();
    window.RefreshFileList();
    list->setCurrentItem(nullptr);
    list->clearSelection();
    window.LoadCommand();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{NoMapChosenText});
    EXPECT_EQ(Field("TxtMapLoad"), "");

    window.show();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    while (list->currentItem() && list->currentItem()->text() != "bbb.txt") QTest::keyClick(list, Qt::Key_Down);
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(Field("TxtMapLoad"), "bbb");
    window.LoadCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().Systems().front()->name, "Other");
    EXPECT_EQ(window.Shared().MapName, "bbb");
    EXPECT_EQ(Field("TxtFileName"), "bbb");
}

TEST_F(CurrentMapNameTest, TheLoadDialogLoadsItsHighlightedEntryOrSaysNoneIsChosen) {
    AddMap();
    SaveAs("ccc");
    window.NewMapCommand();
    prompts.ClearMessages();
    LoadThroughDialog([](FLoad& load) {
        load.Ok();
        EXPECT_NE(load.result(), QDialog::Accepted);
        EXPECT_EQ(load.TxtFileName->text(), "");
        load.show();
        load.F->setFocus();
        QTest::keyClick(load.F, Qt::Key_Home);
        while (load.F->currentItem() && load.F->currentItem()->text() != "ccc.txt") QTest::keyClick(load.F, Qt::Key_Down);
        EXPECT_EQ(load.TxtFileName->text(), "ccc");
    });
    EXPECT_EQ(prompts.Messages(), (std::vector<std::string>{NoMapChosenText}));
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Shared().MapName, "ccc");
}

// A list that takes the focus makes its first entry current without
// selecting it; the field names that entry and OK loads it, with no key pressed.
TEST_F(CurrentMapNameTest, TheEntryTheFieldNamesIsTheOneThatLoads) {
    AddMap();
    SaveAs("only");
    window.NewMapCommand();
    prompts.ClearMessages();
    LoadThroughDialog([](FLoad& load) {
        load.F->setCurrentItem(load.F->item(0), QItemSelectionModel::NoUpdate);
        EXPECT_EQ(load.TxtFileName->text(), "only");
    });
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(window.Shared().MapName, "only");
    EXPECT_EQ(window.Universe().NSistemas(), 2);
}

TEST_F(CurrentMapNameTest, TheListFollowsTheFolder) {
    {
        std::ofstream outside(Local("outside.txt"));
        outside << "written by another program\r\n";
    }
    // The folder watcher reports the new file through the event loop.
    QElapsedTimer waited;
    waited.start();
    while (list->findItems("outside.txt", Qt::MatchExactly).isEmpty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(list->findItems("outside.txt", Qt::MatchExactly).size(), 1);
}

TEST_F(CurrentMapNameTest, ListedFilesOpenWhateverTheirCaseOrLetters) {
    AddMap();
    SaveAs("Señor");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / std::filesystem::path(u8"Señor.txt")));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Señor[*] - TarsisDizIzuzuri"));
    std::filesystem::copy_file(Local("Señor.txt"), folder.Path() / std::filesystem::path(u8"地图.txt"));
    std::filesystem::copy_file(Local("Señor.txt"), Local("UPPER.TXT"));
    window.Universe().Systems().front()->name = "Changed";
    for (const char* file : {"UPPER.TXT", "地图.txt", "Señor.txt"}) {
        const QString listed = QString::fromUtf8(file);
        Highlight(listed);
        prompts.ClearMessages();
        window.LoadCommand();
        EXPECT_EQ(prompts.Messages(), std::vector<std::string>{}) << file;  // nothing unsaved
        ASSERT_EQ(window.Universe().NSistemas(), 2) << file;
        EXPECT_EQ(window.Universe().Systems().front()->name, "Alpha") << file;
        EXPECT_EQ(QString::fromStdString(window.Shared().MapName), listed.left(listed.size() - 4)) << file;
        window.Universe().Systems().front()->name = "Changed";
    }
    EXPECT_EQ(MessageText(MapCommandTexts::Overwrite("Señor")), QString::fromUtf8("The File 'Señor.txt' exists, Overwrite?"));
}

#include <QAction>
#include <QUndoStack>
#include <QUndoView>

#include "EditorFixture.h"
#include "model/SystemEdits.h"
#include "ui/MapDialogs.h"

namespace {

class UndoHistoryTest : public EditorWindowTest {
protected:
    QAction* Action(const char* name) { return window.findChild<QAction*>(name); }
    QUndoStack& History() { return window.Document().History(); }
    void Undo() { Action("undo")->trigger(); }
    void Redo() { Action("redo")->trigger(); }
    std::string StepName(int index) { return ToBytes(History().text(index)); }
    // Drags with the left button from one sector to another, passing others.
    void Drag(CCoord from, CCoord to) {
        const auto [px, py] = SectorPixel(from.X, from.y);
        window.SystemMapPress(1, px, py);
        for (int X = from.X; X != to.X; X += to.X > from.X ? 1 : -1) {
            const auto [mx, my] = SectorPixel(X, from.y);
            window.SystemMapMove(mx, my);
        }
        const auto [rx, ry] = SectorPixel(to.X, to.y);
        window.SystemMapRelease(1, rx, ry);
    }
};

}  // namespace

TEST_F(UndoHistoryTest, EachEditIsOneNamedStepAndUndoRedoSelectWhatItTouched) {
    Create(KindStar, 0, 0, StarDriver());
    ASSERT_EQ(ObjectsOf(alpha).size(), 1u);
    const SpaceObjectRef star = ObjectsOf(alpha)[0];
    EXPECT_EQ(Action("undo")->text().toStdString(), "Undo Create Star 'Alpha 1 Star'");
    EXPECT_FALSE(Action("redo")->isEnabled());

    // A drag across five sectors is one step, the drop.
    Press(0, 0);
    Drag({0, 0}, {5, -2});
    EXPECT_EQ(star->coord, (CCoord{5, -2}));
    ASSERT_EQ(History().count(), 2);
    EXPECT_EQ(StepName(1), "Move Star 'Alpha 1 Star'");

    // Looking at Beta meanwhile: the undo shows Alpha and the star again.
    SelectSystem(beta);
    Undo();
    EXPECT_EQ(star->coord, (CCoord{0, 0}));
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
    EXPECT_EQ(window.State().SelectedObject, star->ID);
    EXPECT_EQ(Label("lblselected"), "Star Alpha 1 Star");
    Undo();
    EXPECT_TRUE(ObjectsOf(alpha).empty());
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
    EXPECT_EQ(Action("redo")->text().toStdString(), "Redo Create Star 'Alpha 1 Star'");
    Redo();
    Redo();
    ASSERT_EQ(ObjectsOf(alpha).size(), 1u);
    EXPECT_EQ(ObjectsOf(alpha)[0], star);
    EXPECT_EQ(star->coord, (CCoord{5, -2}));
    EXPECT_EQ(window.State().SelectedObject, star->ID);
}

TEST_F(UndoHistoryTest, TheShortcutsAreTheUsualOnes) {
    EXPECT_EQ(Action("undo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(Action("redo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
}

TEST_F(UndoHistoryTest, RemovingASystemAndTheWarpsToItIsOneStepThatComesBackWhole) {
    AddObject(beta, "WARP", 2, 2, FirstOrdinal("Warp Point"))->destSystem = alpha;
    AddObject(alpha, "STAR", 0, 0, FirstOrdinal("Star"));
    PressCell(alpha->X, alpha->y);
    window.RemoveCommand();  // both questions answered Yes
    EXPECT_EQ(window.Universe().NSistemas(), 1);
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    EXPECT_EQ(StepName(0), "Remove System 'Alpha' and 1 warp");
    Undo();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().Systems()[0], alpha);
    EXPECT_EQ(ObjectsOf(beta).size(), 1u);
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
    EXPECT_EQ(Label("lblSystemSel"), "System: ALPHA");
}

// The way back of a mirror warp follows the moved warp, and one undo puts
// both ends back.
TEST_F(UndoHistoryTest, MovingAMirroredWarpIsOneStepWithItsWayBack) {
    prompts.QueueAnswer(true);  // with a mirror
    Create(KindWarpPoint, 2, 2, WarpDriver("Beta", 4, 4));
    ASSERT_EQ(ObjectsOf(alpha).size(), 1u);
    ASSERT_EQ(ObjectsOf(beta).size(), 1u);
    const SpaceObjectRef warp = ObjectsOf(alpha)[0], back = ObjectsOf(beta)[0];
    ASSERT_EQ(back->destCoord, (CCoord{2, 2}));
    Press(2, 2);
    Drag({2, 2}, {6, 0});
    EXPECT_EQ(warp->coord, (CCoord{6, 0}));
    EXPECT_EQ(back->destCoord, (CCoord{6, 0}));
    ASSERT_EQ(History().count(), 2);
    EXPECT_EQ(StepName(1), "Move Warp Point to 'Beta'");
    Undo();
    EXPECT_EQ(warp->coord, (CCoord{2, 2}));
    EXPECT_EQ(back->destCoord, (CCoord{2, 2}));
    Redo();
    EXPECT_EQ(back->destCoord, (CCoord{6, 0}));
}

// The history panel jumps over several steps at once.
TEST_F(UndoHistoryTest, TheHistoryPanelGoesBackSeveralStepsAtOnce) {
    Create(KindStorm, 1, 1, StormDriver());
    Create(KindStorm, 2, 2, StormDriver());
    Create(KindStorm, 3, 3, StormDriver());
    auto* view = window.findChild<QUndoView*>("undoView");
    ASSERT_NE(view, nullptr);
    // Row 0 is the map as opened; row 1 the first storm.
    view->setCurrentIndex(view->model()->index(1, 0));
    EXPECT_EQ(ObjectsOf(alpha).size(), 1u);
    EXPECT_EQ(History().index(), 1);
    EXPECT_EQ(window.State().SelectedSystem, alpha->ID);
}

// An object changed through its dialog: one step that undoes every value.
TEST_F(UndoHistoryTest, AnObjectEditedInItsDialogIsOneStepBackToItsOldValues) {
    Create(KindStorm, 1, 1, StormDriver());
    const SpaceObjectRef storm = ObjectsOf(alpha).at(0);
    const std::int32_t before = storm->StellarObjectType;
    Press(1, 1);
    prompts.QueueDialog(Confirm<FStorm>([](FStorm& dialog) {
        dialog.cmbExact->setEditText("Plasma Storm");
        dialog.txtStormX->setText("3");
    }));
    window.SystemMapDoubleClick();
    ASSERT_EQ(History().count(), 2);
    EXPECT_EQ(StepName(1), "Edit Storm");
    EXPECT_NE(storm->StellarObjectType, before);
    EXPECT_EQ(storm->coord, (CCoord{3, 1}));
    Undo();
    EXPECT_EQ(storm->StellarObjectType, before);
    EXPECT_EQ(storm->coord, (CCoord{1, 1}));
    EXPECT_EQ(window.State().SelectedObject, storm->ID);
}

TEST_F(UndoHistoryTest, AnEditThatChangesNothingIsNoStep) {
    window.GalaxyDoubleClick();  // the system dialog, OK without changes
    AddObject(alpha, "STORM", 1, 1, FirstOrdinal("Storm"));
    Press(1, 1);
    prompts.QueueDialog(StormDriver());
    window.SystemMapDoubleClick();
    Drag({1, 1}, {1, 1});
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(window.Document().IsModified());
}

TEST_F(UndoHistoryTest, TheTitleShowsTheMapNameAndTheUnsavedMark) {
    EXPECT_EQ(window.windowTitle(), "TarsisDizIzuzuri[*]");
    EXPECT_FALSE(window.isWindowModified());
    Create(KindStorm, 2, 2, StormDriver());
    EXPECT_TRUE(window.isWindowModified());
    window.SaveUnder("marked", 1);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(window.windowTitle(), "marked[*] - TarsisDizIzuzuri");
    // Back to the saved state and away from it through the history.
    Undo();
    EXPECT_TRUE(window.isWindowModified());
    Redo();
    EXPECT_FALSE(window.isWindowModified());
}

TEST_F(UndoHistoryTest, LoadingStartsAFreshCleanHistory) {
    Create(KindStorm, 2, 2, StormDriver());
    window.SaveUnder("fresh", 1);
    Create(KindStorm, 3, 3, StormDriver());
    prompts.saveChoices.push_back(SaveChoice::Discard);
    window.LoadMapFile("fresh.txt");
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(window.Document().IsModified());
    EXPECT_EQ(window.Universe().NObjetosU(), 1);
    EXPECT_FALSE(Action("undo")->isEnabled());
}

TEST_F(UndoHistoryTest, ARandomMapIsAStepThatUndoesToTheMapBefore) {
    prompts.QueueDialog([](QDialog& dialog) {
        auto* random = qobject_cast<FRandom*>(&dialog);
        random->TxtMaxNumber->setText("12");
        random->Ok();
        return dialog.result();
    });
    window.SetMapName("before");
    window.RandomMapCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 12);
    EXPECT_EQ(StepName(0), "Random Map (12 systems)");
    EXPECT_EQ(window.Shared().MapName, "");  // not the file of the map it replaced
    Undo();
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().Systems()[0], alpha);
    EXPECT_FALSE(window.Document().IsModified());
    // The map that is back is the named one again, so Save goes to its file.
    EXPECT_EQ(window.Shared().MapName, "before");
    EXPECT_EQ(window.windowTitle(), "before[*] - TarsisDizIzuzuri");
    Redo();
    EXPECT_EQ(window.Shared().MapName, "");
}

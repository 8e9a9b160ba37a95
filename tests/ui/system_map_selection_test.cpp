#include "EditorFixture.h"

// Selecting, moving and removing what the system map shows.

namespace {

using Messages = std::vector<std::string>;

}  // namespace

TEST_F(EditorWindowTest, DragMovesTheObjectUnlessTheReleaseIsLevelWithThePress) {
    Create(KindStorm, 2, 2, StormDriver());
    const SpaceObjectRef storm = ObjectsOf(alpha).at(0);
    const auto [fromX, fromY] = SectorPixel(2, 2);
    const auto [toX, toY] = SectorPixel(-3, -2);
    ASSERT_NE(fromY, toY);

    window.SystemMapPress(1, fromX, fromY);
    window.SystemMapRelease(1, toX, fromY);  // level with the press
    EXPECT_EQ(storm->coord.X, 2);

    window.SystemMapPress(1, fromX, fromY);
    window.SystemMapRelease(1, toX, toY);
    EXPECT_EQ(storm->coord.X, -3);
    EXPECT_EQ(storm->coord.y, -2);
    EXPECT_EQ(data.Stellar.TypeNameOfOrdinal(storm->StellarObjectType), "Ion Storm");
    EXPECT_EQ(window.Universe().NObjetosU(), 1);

    window.SystemMapPress(1, toX, toY);
    window.SystemMapRelease(1, 2000, 3000);  // outside the field
    EXPECT_EQ(storm->coord.X, -3);
}

TEST_F(EditorWindowTest, PressSelectsAndDescribesAnObjectAndAnEmptySectorClearsTheSelection) {
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 4, 1, WarpDriver("Beta", 0, 0));
    Press(4, 1);
    EXPECT_EQ(window.TypeText(), "Warp");
    EXPECT_EQ(window.SelectedLabel(), "Warp to Beta");
    EXPECT_EQ(window.SectorLabelX(), "4");
    EXPECT_TRUE(window.State().SystemMapActive);
    EXPECT_TRUE(window.Shared().ObjectDialogAllowed);
    EXPECT_EQ(window.Shared().CurrentObject.DestinationName, "Beta");
    EXPECT_EQ(window.Shared().CurrentObject.Size, "Large");

    Press(-4, 1, 2);
    EXPECT_EQ(window.TypeText(), "Nothing");
    EXPECT_EQ(window.SelectedLabel(), "");
    EXPECT_EQ(window.State().SelectedObject, NoID);
    EXPECT_FALSE(window.State().SystemMapActive);
    EXPECT_FALSE(window.Shared().ObjectDialogAllowed);

    window.SystemMapPress(1, 5000, 5000);
    EXPECT_EQ(window.SectorLabelX(), "");
    EXPECT_FALSE(window.State().Dragging);
}

TEST_F(EditorWindowTest, DoubleClickOnACrowdedSectorEditsThePickedObject) {
    data.Config.MultipleObjectsInSameSector = "True";
    Create(KindStorm, 3, 3, StormDriver());
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 3, 3, WarpDriver("Beta", 0, 0));
    const auto objects = ObjectsOf(alpha);
    ASSERT_EQ(objects.size(), 2u);

    Press(3, 3);
    std::vector<std::string> offered;
    prompts.QueueDialog([&](QDialog& d) {
        auto& picker = dynamic_cast<FSelectObject&>(d);
        for (int i = 0; i < picker.cmbObject->count(); ++i) offered.push_back(picker.cmbObject->itemText(i).toStdString());
        picker.cmbObject->setCurrentIndex(1);
        picker.cmdOk->click();
        return d.result();
    });
    prompts.QueueDialog(Confirm<FWarp>([](FWarp& warp) {
        EXPECT_EQ(warp.TxtWarpDestX->text(), "0");  // an existing warp shows its destination
        EXPECT_EQ(warp.cmbExact->currentText(), "Large Warp Point");
        warp.TxtWarpDestY->setText("7");
    }));
    window.SystemMapDoubleClick();
    EXPECT_EQ(offered, (std::vector<std::string>{"Storm", "Warp Point to Beta"}));
    EXPECT_EQ(objects[1]->destCoord.y, 7);
    EXPECT_EQ(objects[1]->coord.X, 3);
    EXPECT_EQ(data.Stellar.TypeNameOfOrdinal(objects[1]->StellarObjectType), "Large Warp Point");
    // The picked object stays selected on later presses of its sector.
    Press(3, 3);
    EXPECT_EQ(window.State().SelectedObject, objects[1]->ID);

    // A cancelled picker opens no object dialog.
    const std::size_t opened = prompts.openedDialogs.size();
    window.SystemMapDoubleClick();
    ASSERT_EQ(prompts.openedDialogs.size(), opened + 1);
    EXPECT_EQ(prompts.openedDialogs.back(), "Select Object");
}

TEST_F(EditorWindowTest, RemoveObjectAsksAndNeedsASelection) {
    Create(KindStorm, 1, 1, StormDriver());
    Press(-2, -2);
    window.RemoveCommand();
    EXPECT_EQ(prompts.Messages(),
              (Messages{"Do you want to delete the Selected Object?", "There's no Object selected"}));
    Press(1, 1);
    prompts.QueueAnswer(false);
    window.RemoveCommand();
    EXPECT_EQ(window.Universe().NObjetosU(), 1);
    window.RemoveCommand();
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    EXPECT_EQ(window.SelectedLabel(), "");
}

TEST_F(EditorWindowTest, RemovingASystemKeepsOrRemovesTheWarpsHeadingToIt) {
    const SystemRef gamma = AddSystem("Gamma", 50, 40);
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 1, 1, WarpDriver("Beta", 0, 0));
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 2, 2, WarpDriver("Gamma", 0, 0));
    SelectSystem(gamma);
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 1, 1, WarpDriver("Beta", 0, 0));
    ASSERT_EQ(window.Universe().NObjetosU(), 3);

    // Gamma goes with its incoming warp; its own warp goes with it.
    SelectSystem(gamma);
    prompts.ClearMessages();
    prompts.QueueAnswer(true);
    prompts.QueueAnswer(true);
    window.RemoveCommand();
    EXPECT_EQ(prompts.Messages(), (Messages{"Do you want to delete the Selected System?",
                                            "Do you want to delete the Warp Points heading that system?"}));
    ASSERT_EQ(window.Universe().NObjetosU(), 1);
    EXPECT_EQ(window.Universe().Objects()[0]->destSystem, beta);
    EXPECT_FALSE(window.SystemMapEnabled());

    // Beta goes but the warp heading to it stays, and the galaxy says so.
    SelectSystem(beta);
    prompts.ClearMessages();
    prompts.QueueAnswer(true);
    prompts.QueueAnswer(false);
    window.RemoveCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 1);
    EXPECT_EQ(window.Universe().NObjetosU(), 1);
    const Messages messages = prompts.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2], "A Warp in the system Alpha points to a non existent System (Beta)");
    window.DrawSystems();  // every redraw reports it again
    EXPECT_EQ(prompts.Messages().size(), 4u);

    // With nothing selected on the galaxy map nothing is removed.
    window.GalaxyPress(1, 1, 1);
    prompts.ClearMessages();
    window.RemoveCommand();
    EXPECT_EQ(prompts.Messages(),
              (Messages{"Do you want to delete the Selected System?", "There's no System selected"}));
    EXPECT_EQ(window.Universe().NSistemas(), 1);
}

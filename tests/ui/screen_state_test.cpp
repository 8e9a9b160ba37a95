// What the window shows describes what exists and is selected now, and a
// drag moves an object only where a placement would be allowed.
#include "EditorFixture.h"

namespace {

const char* const SectorTaken = "That coordinates have an Object yet";

}  // namespace

class ScreenStateTest : public EditorWindowTest {
protected:
    // A left drag from one sector to another, as the mouse makes it.
    void Drag(std::int32_t fromX, std::int32_t fromY, std::int32_t toX, std::int32_t toY) {
        const auto [px, py] = SectorPixel(fromX, fromY);
        window.SystemMapPress(1, px, py);
        const auto [qx, qy] = SectorPixel(toX, toY);
        window.SystemMapRelease(1, qx, qy);
    }
    void ExpectNoObjectShown() {
        EXPECT_EQ(Label("LblObjectSelected"), "NONE");
        EXPECT_EQ(Label("lblselected"), "");
        EXPECT_EQ(window.State().SelectedObject, NoID);
    }
};

TEST_F(ScreenStateTest, RemovingASystemLeavesNothingOfItOnScreen) {
    PressCell(10, 10);
    ASSERT_EQ(Label("lblSystem"), "Alpha");
    window.RemoveCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 1);
    EXPECT_EQ(Label("lblSystem"), "");
    EXPECT_EQ(Label("lblSystemSel"), "System: NONE");
    EXPECT_EQ(Label("LbLSystemSelected"), "NONE");
    EXPECT_EQ(Label("lblDescription"), "");
    EXPECT_EQ(window.TypeText(), "Nothing");
    EXPECT_FALSE(window.State().SystemIsSelected);
}

TEST_F(ScreenStateTest, TheSelectionFollowsADraggedObjectAndEndsWithItsSystem) {
    AddObject(alpha, "STORM", 2, 2, FirstOrdinal("Storm"));
    Drag(2, 2, 4, -3);
    EXPECT_EQ(Label("LblXS"), "4");
    EXPECT_EQ(Label("lblYS"), "-3");
    EXPECT_EQ(Label("lblselected"), "Storm");
    EXPECT_EQ(window.State().LastSector.X, 4);
    EXPECT_EQ(window.State().LastSector.Y, -3);

    SelectSystem(beta);  // another system: nothing of Alpha's sector stays
    EXPECT_EQ(Label("LblXS"), "");
    EXPECT_EQ(Label("lblYS"), "");
    ExpectNoObjectShown();
}

TEST_F(ScreenStateTest, DeletingTheObjectOrStartingANewMapClearsItsLabels) {
    const SpaceObjectRef storm = AddObject(alpha, "STORM", 2, 2, FirstOrdinal("Storm"));
    Press(2, 2);
    ASSERT_EQ(Label("LblObjectSelected"), QString::number(storm->ID));
    window.RemoveCommand();
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    ExpectNoObjectShown();
    EXPECT_EQ(window.TypeText(), "Nothing");

    AddObject(alpha, "STORM", 3, 3, FirstOrdinal("Storm"));
    Press(3, 3);
    prompts.saveChoices.push_back(SaveChoice::Discard);  // the removal is unsaved
    window.NewMapCommand();
    ExpectNoObjectShown();
    EXPECT_EQ(Label("LblXS"), "");
    EXPECT_EQ(Label("lblSystemSel"), "System: NONE");
}

TEST_F(ScreenStateTest, ADragOntoATakenSectorIsRefusedLikeAPlacement) {
    const SpaceObjectRef moving = AddObject(alpha, "STORM", 2, 2, FirstOrdinal("Storm"));
    AddObject(alpha, "STORM", 5, 5, FirstOrdinal("Storm"));
    AddObject(alpha, "STAR", -5, -5, FirstOrdinal("Star"));
    Drag(2, 2, 5, 5);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{SectorTaken});
    EXPECT_EQ(std::pair(moving->coord.X, moving->coord.y), std::pair(2, 2));

    // With several objects allowed only a star's footprint refuses.
    data.Config.MultipleObjectsInSameSector = "True";
    prompts.ClearMessages();
    Drag(2, 2, -4, -4);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{SectorTaken});
    Drag(2, 2, 5, 5);
    EXPECT_EQ(std::pair(moving->coord.X, moving->coord.y), std::pair(5, 5));
    EXPECT_EQ(prompts.Messages().size(), 1u);

    // A star moved by one sector overlaps only its own footprint.
    data.Config.MultipleObjectsInSameSector = "false";
    prompts.ClearMessages();
    Drag(-5, -5, -4, -6);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(ScreenStateTest, MovingOneEndOfAWarpPairMovesTheOtherEndsDestination) {
    const SpaceObjectRef there = AddObject(alpha, "WARP", 2, 3, FirstOrdinal("Warp"));
    there->destSystem = beta;
    there->destCoord = {-1, 4};
    const SpaceObjectRef back = AddObject(beta, "WARP", -1, 4, FirstOrdinal("Warp"));
    back->destSystem = alpha;
    back->destCoord = {2, 3};
    Drag(2, 3, 6, -2);
    ASSERT_EQ(std::pair(there->coord.X, there->coord.y), std::pair(6, -2));
    EXPECT_EQ(std::pair(back->destCoord.X, back->destCoord.y), std::pair(6, -2));
    EXPECT_EQ(std::pair(there->destCoord.X, there->destCoord.y), std::pair(-1, 4));

    SelectSystem(beta);
    Drag(-1, 4, 0, 7);
    EXPECT_EQ(std::pair(there->destCoord.X, there->destCoord.y), std::pair(0, 7));
}

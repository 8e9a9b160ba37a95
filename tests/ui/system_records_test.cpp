#include <gtest/gtest.h>

#include "model/CUniverse.h"
#include "model/Reporter.h"
#include "ui/DialogKind.h"
#include "ui/EditorState.h"
#include "ui/KindDispatch.h"
#include "ui/SystemRecords.h"

namespace {

CurrentObjectRecord SystemRecord(const std::string& type, int X = 4, int Y = 7) {
    CurrentObjectRecord current;
    current.Name = "  Rigel  ";
    current.X = X;
    current.Y = Y;
    current.Type = type;
    current.Description = "Blue";
    current.PortraitBitmap = "P.bmp";
    current.PortraitIndex = "3";
    current.SkyBox = "Sky.bmp";
    current.CanStart = true;
    return current;
}

}  // namespace

TEST(SystemRecords, AddBuildsTheSystemByPhysicalType) {
    CUniverse universe;
    RecordingReporter reporter;
    ASSERT_TRUE(AddSystemFromCurrent(universe, SystemRecord("Normal"), reporter));
    ASSERT_TRUE(AddSystemFromCurrent(universe, SystemRecord("Black Hole", 5), reporter));
    ASSERT_TRUE(AddSystemFromCurrent(universe, SystemRecord("Nebulae", 6), reporter));
    ASSERT_TRUE(AddSystemFromCurrent(universe, SystemRecord("Swamp", 8), reporter));
    const auto& s = universe.Systems();
    EXPECT_EQ(s[0]->name, "Rigel");
    EXPECT_EQ(s[0]->PortraitIndex, 3);
    EXPECT_EQ(s[0]->GetSkyBox(), "Sky.bmp");
    EXPECT_EQ(s[0]->NStellarBackGround(), 1);
    EXPECT_EQ(s[0]->PhysicalType, PhysicalNormal);
    EXPECT_TRUE(s[0]->EmpireCanStartInSystem);
    EXPECT_EQ(s[1]->PhysicalType, PhysicalBlackHole);
    EXPECT_TRUE(s[1]->HasBlackHole);
    EXPECT_FALSE(s[1]->EmpireCanStartInSystem);
    EXPECT_EQ(s[2]->PhysicalType, PhysicalNebulae);
    EXPECT_FALSE(s[2]->EmpireCanStartInSystem);
    EXPECT_EQ(s[3]->PhysicalType, PhysicalNormal);
    EXPECT_TRUE(s[3]->EmpireCanStartInSystem);
    EXPECT_TRUE(reporter.entries.empty());
}

TEST(SystemRecords, AddRefusesAnOccupiedCell) {
    CUniverse universe;
    RecordingReporter reporter;
    AddSystemFromCurrent(universe, SystemRecord("Normal"), reporter);
    EXPECT_FALSE(AddSystemFromCurrent(universe, SystemRecord("Normal"), reporter));
    EXPECT_EQ(universe.NSistemas(), 1);
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{"That coordinates have a System yet"});
}

TEST(SystemRecords, EditKeepsTheTypeForAnUnknownWordAndReplacesTheBackground) {
    CUniverse universe;
    RecordingReporter reporter;
    AddSystemFromCurrent(universe, SystemRecord("Nebulae"), reporter);
    const std::int32_t id = universe.Systems().front()->ID;
    CurrentObjectRecord edit = SystemRecord("Swamp", 20, 30);
    edit.SkyBox = "Other.bmp";
    EditSystemFromCurrent(universe, edit, id);
    const SystemRef system = universe.GetOneSystem(id);
    EXPECT_EQ(system->PhysicalType, PhysicalNebulae);
    EXPECT_EQ(system->X, 20);
    EXPECT_EQ(system->y, 30);
    EXPECT_EQ(system->NStellarBackGround(), 1);
    EXPECT_EQ(system->GetSkyBox(), "Other.bmp");
    // An ID that is no longer in the universe changes nothing.
    EditSystemFromCurrent(universe, SystemRecord("Normal"), 999);
    EXPECT_EQ(universe.NSistemas(), 1);
}

TEST(SystemRecords, LoadAndFind) {
    CUniverse universe;
    RecordingReporter reporter;
    AddSystemFromCurrent(universe, SystemRecord("Black Hole", 2, 3), reporter);
    EXPECT_EQ(FindSystemAt(universe, 3, 2)->ID, NoID);
    const SystemRef found = FindSystemAt(universe, 2, 3);
    ASSERT_NE(found->ID, NoID);
    CurrentObjectRecord current;
    current.Type = "kept";
    LoadSystemIntoCurrent(*found, current);
    EXPECT_EQ(current.Name, "Rigel");
    EXPECT_EQ(current.Type, "Black Hole");
    EXPECT_EQ(current.PhysicalTypeName, "Black Hole");
    EXPECT_EQ(current.PortraitIndex, "3");
    EXPECT_FALSE(current.CanStart);
    EXPECT_EQ(current.SkyBox, "Sky.bmp");
    found->PhysicalType = 9;
    LoadSystemIntoCurrent(*found, current);
    EXPECT_EQ(current.Type, "Black Hole");  // left as it was
}

TEST(KindDispatch, DefaultsAndRefusals) {
    SystemMapState state;
    CurrentObjectRecord current;
    KindDispatchInput input{"Star", "10", "5", "-3", "4"};
    KindDispatchResult result = DispatchKind(input, state, current);
    EXPECT_EQ(result.information, "Select a System first");
    EXPECT_FALSE(result.dialog);

    state.SystemMapActive = true;
    result = DispatchKind(input, state, current);
    EXPECT_EQ(result.dialog, DialogKind::Star);
    EXPECT_EQ(state.EditKind, KindStar);
    EXPECT_EQ(current.X, -3);
    EXPECT_EQ(current.Y, 4);
    EXPECT_EQ(current.Size, "Medium");

    input.text = "Asteroids";
    EXPECT_EQ(DispatchKind(input, state, current).dialog, DialogKind::Asteroid);
    EXPECT_EQ(current.Type, "Rock");
    input.text = "Warp";
    EXPECT_EQ(DispatchKind(input, state, current).dialog, DialogKind::Warp);
    EXPECT_EQ(state.EditKind, KindWarpPoint);
    EXPECT_EQ(current.Size, "Large");

    input.text = "System";
    EXPECT_EQ(DispatchKind(input, state, current).information, "Exit the Universe Map first");
    state.SystemMapActive = false;
    result = DispatchKind(input, state, current);
    EXPECT_EQ(result.dialog, DialogKind::System);
    EXPECT_EQ(state.EditKind, SystemEditKind);
    EXPECT_EQ(current.X, 10);
    EXPECT_EQ(current.Y, 5);
    EXPECT_EQ(current.Description, "An unknown System");

    input.text = "Nothing";
    result = DispatchKind(input, state, current);
    EXPECT_FALSE(result.dialog);
    EXPECT_TRUE(result.information.empty());
}

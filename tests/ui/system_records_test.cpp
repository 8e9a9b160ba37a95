#include <gtest/gtest.h>

#include "ApplyingSink.h"
#include "model/CUniverse.h"
#include "text/Reporter.h"
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

TEST(SystemRecords, AddBuildsTheSystemByPhysicalTypeAndRefusesAnOccupiedCell) {
    CUniverse universe;
    ApplyingSink edits(universe);
    RecordingReporter reporter;
    // An unknown type word gives a normal system.
    const std::pair<const char*, std::uint8_t> types[] = {
        {"Normal", PhysicalNormal}, {"Black Hole", PhysicalBlackHole}, {"Nebulae", PhysicalNebulae}, {"Swamp", PhysicalNormal}};
    int X = 0;
    for (const auto& [word, physical] : types) {
        ASSERT_TRUE(AddSystemFromCurrent(universe, edits, SystemRecord(word, ++X), reporter));
        const SystemRef s = universe.Systems().back();
        EXPECT_EQ(s->PhysicalType, physical) << word;
        EXPECT_EQ(s->EmpireCanStartInSystem, physical == PhysicalNormal) << word;
        EXPECT_EQ(s->HasBlackHole, physical == PhysicalBlackHole) << word;
    }
    const SystemRef first = universe.Systems().front();
    EXPECT_EQ(first->name, "Rigel");
    EXPECT_EQ(first->PortraitIndex, 3);
    EXPECT_EQ(first->GetSkyBox(), "Sky.bmp");
    EXPECT_EQ(first->NStellarBackGround(), 1);
    EXPECT_TRUE(reporter.entries.empty());

    EXPECT_FALSE(AddSystemFromCurrent(universe, edits, SystemRecord("Normal", 1), reporter));
    EXPECT_EQ(universe.NSistemas(), 4);
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{"That coordinates have a System yet"});
    EXPECT_EQ(edits.names.size(), 4u);
    EXPECT_EQ(edits.names.front(), "Create System 'Rigel'");
}

TEST(SystemRecords, EditKeepsTheTypeForAnUnknownWordAndReplacesTheBackground) {
    CUniverse universe;
    ApplyingSink edits(universe);
    RecordingReporter reporter;
    AddSystemFromCurrent(universe, edits, SystemRecord("Nebulae"), reporter);
    const std::int32_t id = universe.Systems().front()->ID;
    CurrentObjectRecord edit = SystemRecord("Swamp", 20, 30);
    edit.SkyBox = "Other.bmp";
    EditSystemFromCurrent(universe, edits, edit, id);
    const SystemRef system = universe.GetOneSystem(id);
    EXPECT_EQ(system->PhysicalType, PhysicalNebulae);
    EXPECT_EQ(system->X, 20);
    EXPECT_EQ(system->y, 30);
    EXPECT_EQ(system->NStellarBackGround(), 1);
    EXPECT_EQ(system->GetSkyBox(), "Other.bmp");
    // An ID that is no longer in the universe changes nothing.
    EditSystemFromCurrent(universe, edits, SystemRecord("Normal"), 999);
    EXPECT_EQ(universe.NSistemas(), 1);
    // The same values again are no edit, so the map does not count as changed.
    EditSystemFromCurrent(universe, edits, edit, id);
    EXPECT_EQ(edits.names, (std::vector<std::string>{"Create System 'Rigel'", "Edit System 'Rigel'"}));

    // Loading it back for the dialog; a physical type out of range leaves the word as it was.
    CurrentObjectRecord current;
    LoadSystemIntoCurrent(*system, current);
    EXPECT_EQ(current.Type, "Nebulae");
    EXPECT_EQ(current.PortraitIndex, "3");
    system->PhysicalType = 9;
    LoadSystemIntoCurrent(*system, current);
    EXPECT_EQ(current.Type, "Nebulae");
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

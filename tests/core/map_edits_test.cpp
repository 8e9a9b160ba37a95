#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "UniverseFingerprint.h"
#include "model/EditGroup.h"
#include "model/ObjectEdits.h"
#include "model/SystemEdits.h"

namespace {

SpaceObjectRef AddWarp(CUniverse& u, const SystemRef& from, const SystemRef& to, int x, int y) {
    SpaceObjectRef warp = AddTestObject(u, from, "WARP", x, y);
    warp->destSystem = to;
    return warp;
}

// Alpha (star, warp to Beta, planet), Beta (star, planet), Gamma (warp to
// Beta, storm): the warps into Beta sit in the middle of their lists.
struct ThreeSystems {
    ThreeSystems() {
        alpha = AddTestSystem(u, "Alpha", 1, 1);
        beta = AddTestSystem(u, "Beta", 5, 5);
        gamma = AddTestSystem(u, "Gamma", 9, 9);
        AddTestObject(u, alpha, "STAR", 0, 0)->name = "Sol";
        AddWarp(u, alpha, beta, 4, 4);
        AddTestObject(u, beta, "STAR", 0, 0)->name = "Vega";
        AddWarp(u, gamma, beta, -4, 4);
        AddTestObject(u, alpha, "PLANET", 3, 0)->name = "Earth";
        AddTestObject(u, beta, "PLANET", 2, 2)->name = "Rock";
        AddTestObject(u, gamma, "STORM", 1, 1);
    }
    CUniverse u;
    SystemRef alpha, beta, gamma;
};

}  // namespace

TEST(MapEdits, RemovingASystemTakesItsObjectsAndTheWarpsLeadingThereAndUndoPutsAllBack) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    RemoveSystemEdit edit(t.beta->ID, true);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Remove System 'Beta' and 2 warps");
    EXPECT_EQ(t.u.NSistemas(), 2);
    ASSERT_EQ(t.u.NObjetosU(), 3);  // Sol, Earth, the storm
    for (const SpaceObjectRef& o : t.u.Objects()) EXPECT_NE(o->Tipo, KindWarpPoint);
    EXPECT_EQ(t.alpha->NObjetos(), 2);
    edit.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
    EXPECT_EQ(t.u.GetOneSystem(2), t.beta);
    edit.Apply(t.u);
    EXPECT_EQ(t.u.NObjetosU(), 3);
}

TEST(MapEdits, RemovingASystemWithoutItsWarpsLeavesThemAndNamesNoWarps) {
    ThreeSystems t;
    RemoveSystemEdit edit(t.beta->ID, false);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Remove System 'Beta'");
    EXPECT_EQ(t.u.NObjetosU(), 5);
    EXPECT_EQ(t.alpha->objects[1]->destSystem, t.beta);
}

TEST(MapEdits, RemovedMiddleObjectReturnsToItsPlaceWithItsId) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    const SpaceObjectRef warp = t.alpha->objects[1];
    RemoveObjectEdit edit(warp->ID);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Remove Warp Point to 'Beta'");
    EXPECT_EQ(t.alpha->NObjetos(), 2);
    edit.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
    EXPECT_EQ(t.alpha->objects[1], warp);
    // An object added now takes the next ID after the last, as before.
    AddObjectEdit add(NewSpaceObject("STORM"), t.gamma->ID);
    add.Apply(t.u);
    EXPECT_EQ(add.Focus().object, 8);
}

TEST(MapEdits, EditingASystemKeepsItsRecordSoWarpsSeeTheNewNameUntilUndone) {
    ThreeSystems t;
    CSystem values = *t.beta;
    values.name = "Betelgeuse";
    values.X = 30;
    values.ID = 77;       // ignored
    values.objects.clear();  // ignored: the system keeps its objects
    EditSystemEdit edit(t.beta->ID, values);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Edit System 'Betelgeuse'");
    EXPECT_EQ(t.u.GetOneSystem(2), t.beta);
    EXPECT_EQ(t.alpha->objects[1]->destSystem->name, "Betelgeuse");
    EXPECT_EQ(t.beta->X, 30);
    EXPECT_EQ(t.beta->NObjetos(), 2);
    edit.Undo(t.u);
    EXPECT_EQ(t.alpha->objects[1]->destSystem->name, "Beta");
    EXPECT_EQ(t.beta->X, 5);
    EXPECT_EQ(t.beta->ID, 2);
    EXPECT_EQ(t.beta->NObjetos(), 2);
}

TEST(MapEdits, EditingAnObjectKeepsItsIdSystemAndPlace) {
    ThreeSystems t;
    const SpaceObjectRef earth = t.alpha->objects[2];
    CSpaceObject values = *earth;
    values.name = "Terra";
    values.resMinerals = 200;
    values.ID = 99;
    EditObjectEdit edit(earth->ID, values);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Edit Planet 'Terra'");
    EXPECT_EQ(t.u.GetOneSpaceObject(5), earth);
    EXPECT_EQ(earth->name, "Terra");
    EXPECT_EQ(earth->systema, t.alpha);
    edit.Undo(t.u);
    EXPECT_EQ(earth->name, "Earth");
    EXPECT_EQ(earth->resMinerals, 0);
    EXPECT_EQ(earth->ID, 5);
}

TEST(MapEdits, MovingAnObjectChangesOnlyItsSector) {
    ThreeSystems t;
    const SpaceObjectRef sol = t.alpha->objects[0];
    MoveObjectEdit edit(sol->ID, {2, 3});
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Move Star 'Sol'");
    EXPECT_EQ(edit.Focus().system, t.alpha->ID);
    EXPECT_EQ(sol->coord.X, 2);
    EXPECT_EQ(sol->coord.y, 3);
    edit.Undo(t.u);
    EXPECT_EQ(sol->coord.X, 0);
    EXPECT_EQ(sol->coord.y, 0);
    edit.Apply(t.u);
    EXPECT_EQ(sol->coord.X, 2);
}

TEST(MapEdits, SettingAbilitiesReplacesListAndCountAndUndoRestoresBoth) {
    ThreeSystems t;
    const SpaceObjectRef rock = t.beta->objects[1];
    CAbility a;
    a.IniciaCAbility();
    a.Tipe = "Mining";
    rock->AddAbility(a);
    a.Tipe = "Shield";
    SetAbilitiesEdit edit(rock->ID, {a, a});
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Set Abilities of Planet 'Rock'");
    EXPECT_EQ(rock->HeldAbilities(), 2);
    EXPECT_EQ(rock->habilidades[1].Tipe, "Shield");
    edit.Undo(t.u);
    EXPECT_EQ(rock->HeldAbilities(), 1);
    EXPECT_EQ(rock->habilidades[0].Tipe, "Mining");
    edit.Apply(t.u);
    EXPECT_EQ(rock->HeldAbilities(), 2);
}

TEST(MapEdits, AMirrorWarpIsOneStepWithBothEnds) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    SpaceObjectRef warp = NewSpaceObject("WARP"), mirror = NewSpaceObject("WARP");
    warp->systema = t.alpha;
    warp->destSystem = t.gamma;
    mirror->systema = t.gamma;
    mirror->destSystem = t.alpha;
    AddMirrorWarpEdit edit(warp, t.alpha->ID, mirror, t.gamma->ID);
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Create Warp Point to 'Gamma' and its mirror");
    EXPECT_EQ(edit.Focus().object, 8);
    EXPECT_EQ(t.alpha->objects.back(), warp);
    EXPECT_EQ(t.gamma->objects.back(), mirror);
    edit.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
}

// A warp moved with the way back of its mirror: the group undoes its parts
// last to first, so two changes of one object return to the first state.
TEST(MapEdits, AGroupIsOneStepNamedForItsFirstEditAndUndoesInReverse) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    const SpaceObjectRef warp = t.alpha->objects[1];
    const SpaceObjectRef back = t.gamma->objects[0];
    EditGroup group(std::make_unique<MoveObjectEdit>(warp->ID, CCoord{6, 6}));
    group.Add(std::make_unique<MoveObjectEdit>(warp->ID, CCoord{7, 7}));
    CSpaceObject followed = *back;
    followed.destCoord = {7, 7};
    group.Add(std::make_unique<EditObjectEdit>(back->ID, followed));
    group.Apply(t.u);
    EXPECT_EQ(group.Name(), "Move Warp Point to 'Beta'");
    EXPECT_EQ(group.Focus().object, warp->ID);
    EXPECT_EQ(warp->coord, (CCoord{7, 7}));
    EXPECT_EQ(back->destCoord, (CCoord{7, 7}));
    const std::string after = UniverseFingerprint(t.u);
    group.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
    group.Apply(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), after);
}

TEST(MapEdits, AGeneratedSystemJoinsWithNewIdsAndLeavesWithoutTrace) {
    CUniverse scratch;
    const SystemRef made = AddTestSystem(scratch, "Made", 3, 3);
    AddTestObject(scratch, made, "STAR", 0, 0);
    AddTestObject(scratch, made, "PLANET", 4, 0);
    GeneratedSystem generated = DetachSystem(scratch, made->ID);
    EXPECT_EQ(scratch.NSistemas(), 0);
    EXPECT_EQ(scratch.NObjetosU(), 0);
    ASSERT_EQ(generated.objects.size(), 2u);
    EXPECT_EQ(generated.objects[1]->systema, made);

    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    AddRandomSystemEdit edit(std::move(generated));
    edit.Apply(t.u);
    EXPECT_EQ(edit.Name(), "Random System 'Made'");
    EXPECT_EQ(edit.Focus().system, 4);
    EXPECT_EQ(made->NObjetos(), 2);
    EXPECT_EQ(t.u.NObjetosU(), 9);
    EXPECT_EQ(t.u.Objects().back()->ID, 9);
    edit.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
    edit.Apply(t.u);
    EXPECT_EQ(made->NObjetos(), 2);
}

TEST(MapEdits, ReplacingTheMapSwapsWholeUniversesBothWays) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    CUniverse other;
    AddTestSystem(other, "Lonely");
    ReplaceMapEdit edit(std::move(other), "Random Map (1 systems)");
    edit.Apply(t.u);
    ASSERT_EQ(t.u.NSistemas(), 1);
    EXPECT_EQ(t.u.Systems()[0]->name, "Lonely");
    edit.Undo(t.u);
    EXPECT_EQ(UniverseFingerprint(t.u), before);
    // The links of the map that was put aside survived the exchange.
    EXPECT_EQ(t.alpha->objects[1]->destSystem, t.beta);
}

TEST(MapEdits, EditsOfItemsThatAreGoneChangeNothing) {
    ThreeSystems t;
    const std::string before = UniverseFingerprint(t.u);
    std::vector<std::unique_ptr<MapEdit>> edits;
    edits.push_back(std::make_unique<RemoveObjectEdit>(42));
    edits.push_back(std::make_unique<MoveObjectEdit>(42, CCoord{1, 1}));
    edits.push_back(std::make_unique<SetAbilitiesEdit>(42, std::vector<CAbility>{}));
    edits.push_back(std::make_unique<EditObjectEdit>(42, CSpaceObject{}));
    edits.push_back(std::make_unique<EditSystemEdit>(42, CSystem{}));
    edits.push_back(std::make_unique<RemoveSystemEdit>(42, true));
    for (auto& edit : edits) {
        edit->Apply(t.u);
        EXPECT_EQ(UniverseFingerprint(t.u), before) << edit->Name();
        edit->Undo(t.u);
        EXPECT_EQ(UniverseFingerprint(t.u), before) << edit->Name();
    }
}

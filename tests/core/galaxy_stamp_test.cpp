// The universe's galaxy stamp changes with everything the galaxy map shows
// and with nothing else, so the map need not be gathered again after an edit
// inside a system, and is gathered after every edit that shows.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "model/ObjectEdits.h"

namespace {

struct Stamped {
    CUniverse u;
    SystemRef alpha = AddTestSystem(u, "Alpha", 1, 1);
    SystemRef beta = AddTestSystem(u, "Beta", 9, 4);
    SpaceObjectRef planet = AddTestObject(u, alpha, "PLANET", 2, 2);
    SpaceObjectRef warp = [this] {
        SpaceObjectRef w = AddTestObject(u, alpha, "WARP", 3, -1);
        w->destSystem = beta;
        return w;
    }();
};

// Whether the step changed the stamp.
template <class Step>
bool Changes(Stamped& s, Step step) {
    const std::uint64_t before = s.u.GalaxyStamp();
    step();
    return s.u.GalaxyStamp() != before;
}

}  // namespace

TEST(GalaxyStamp, EditsInsideASystemLeaveItAndEverythingTheGalaxyShowsChangesIt) {
    Stamped s;
    // Objects other than warp points are not on the galaxy.
    EXPECT_FALSE(Changes(s, [&] { AddTestObject(s.u, s.alpha, "STAR", 0, 0); }));
    EXPECT_FALSE(Changes(s, [&] {
        SpaceObjectRef moved = NewSpaceObject("PLANET");
        *moved = *s.planet;
        moved->coord = CCoord{4, 4};
        s.u.EditSpaceObject(moved, s.alpha->ID, s.planet->ID);
    }));
    EXPECT_FALSE(Changes(s, [&] { s.u.RemoveSpaceObject(s.alpha->ID, s.planet->ID); }));

    // Systems and warp points are.
    EXPECT_TRUE(Changes(s, [&] { AddTestSystem(s.u, "Gamma", 20, 20); }));
    EXPECT_TRUE(Changes(s, [&] { s.u.EditSystem(s.beta, s.beta->ID); }));
    EXPECT_TRUE(Changes(s, [&] {
        s.warp->destSystem = s.alpha;  // changed in place, then handed back
        s.u.EditSpaceObject(s.warp, s.alpha->ID, s.warp->ID);
    }));
    EXPECT_TRUE(Changes(s, [&] { s.u.RemoveSpaceObject(s.alpha->ID, s.warp->ID); }));
    EXPECT_TRUE(Changes(s, [&] { AddTestObject(s.u, s.beta, "WARP", 1, 1); }));
    EXPECT_TRUE(Changes(s, [&] { s.u.RemoveSystem(s.beta->ID); }));
    EXPECT_TRUE(Changes(s, [&] { s.u.Clear(); }));
}

TEST(GalaxyStamp, UndoingAnEditChangesItAgain) {
    Stamped s;
    const std::uint64_t before = s.u.GalaxyStamp();
    RemoveObjectEdit removal(s.warp->ID);
    removal.Apply(s.u);
    const std::uint64_t removed = s.u.GalaxyStamp();
    removal.Undo(s.u);
    // Back to the same content, but not to a stamp seen before: whoever
    // gathered in between must gather again.
    EXPECT_NE(removed, before);
    EXPECT_NE(s.u.GalaxyStamp(), removed);
    EXPECT_NE(s.u.GalaxyStamp(), before);
}

TEST(GalaxyStamp, NoTwoUniversesShareOne) {
    Stamped first;
    CUniverse second;
    EXPECT_NE(first.u.GalaxyStamp(), second.GalaxyStamp());
    const std::uint64_t moved = first.u.GalaxyStamp();
    second = std::move(first.u);
    // The emptied universe and the one that took the content both differ from
    // anything seen before the move.
    EXPECT_NE(second.GalaxyStamp(), moved);
    EXPECT_NE(first.u.GalaxyStamp(), moved);
    EXPECT_NE(first.u.GalaxyStamp(), second.GalaxyStamp());
}

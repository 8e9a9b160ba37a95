// The universe's lookups by ID and by system answer what a walk through the
// whole lists answers, whatever was done to the map before.
#include <gtest/gtest.h>

#include <random>

#include "MapfileTestSupport.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"

namespace {

using namespace maptest;

// The answers of the universe's lookups, found by walking the lists from the
// start as the lookups are defined.
SystemRef WalkForSystem(const CUniverse& u, std::int32_t id) {
    for (const SystemRef& s : u.Systems())
        if (s->ID == id) return s;
    return nullptr;
}

SpaceObjectRef WalkForObject(const CUniverse& u, std::int32_t id) {
    for (const SpaceObjectRef& o : u.Objects())
        if (o->ID == id) return o;
    return nullptr;
}

std::vector<SpaceObjectRef> WalkForObjectsOf(const CUniverse& u, std::int32_t systemId) {
    std::vector<SpaceObjectRef> found;
    for (const SpaceObjectRef& o : u.Objects())
        if (o->systema && o->systema->ID == systemId) found.push_back(o);
    return found;
}

std::int32_t LargestId(const CUniverse& u) {
    std::int32_t largest = 0;
    for (const SystemRef& s : u.Systems()) largest = std::max(largest, s->ID);
    for (const SpaceObjectRef& o : u.Objects()) largest = std::max(largest, o->ID);
    return largest;
}

// Every lookup by ID (known, removed and never given) and by system, and the
// sector queries of every system, against the walks.
void ExpectLookupsAgreeWithWalks(const CUniverse& u, const std::string& after) {
    SCOPED_TRACE(after);
    for (std::int32_t id = -1; id <= LargestId(u) + 2; ++id) {
        const SystemRef system = WalkForSystem(u, id);
        const SystemRef looked = u.GetOneSystem(id);
        if (system)
            EXPECT_EQ(looked, system) << "system " << id;
        else
            EXPECT_EQ(looked->ID, NoID) << "system " << id;
        EXPECT_EQ(u.GetOneSpaceObject(id), WalkForObject(u, id)) << "object " << id;
        EXPECT_EQ(u.SpaceObjectsOf(id), WalkForObjectsOf(u, id)) << "objects of system " << id;
    }
    for (const SystemRef& s : u.Systems()) {
        const std::vector<SpaceObjectRef> objects = WalkForObjectsOf(u, s->ID);
        EXPECT_EQ(s->objects, objects) << "own list of system " << s->ID;
        for (const SpaceObjectRef& o : objects) {
            EXPECT_TRUE(u.GetOccupiedSystem(o->coord.X, o->coord.y, s->ID));
            EXPECT_TRUE(u.GetSpaceObjectOccupied(o->coord.X, o->coord.y, s->ID));
            std::vector<SpaceObjectRef> here;
            std::int32_t count = 0;
            u.GetObjectsPerSector(o->coord.X, o->coord.y, s->ID, here, count);
            EXPECT_NE(std::find(here.begin(), here.end(), o), here.end());
        }
    }
}

// A map changed at random in every way the editor and the generator change
// one: systems and objects added and removed, objects moved to another
// system and edited, systems edited.
class RandomEdits {
public:
    explicit RandomEdits(CUniverse& u) : u_(u) {}

    std::string Step() {
        const int choice = Draw(0, 9);
        if (u_.NSistemas() < 3 || choice == 0) return AddSystemStep();
        if (choice == 1 && u_.NSistemas() > 3) return RemoveSystemStep();
        if (u_.NObjetosU() < 4 || choice <= 4) return AddObjectStep();
        if (choice == 5) return RemoveObjectStep();
        if (choice <= 7) return MoveObjectStep();
        if (choice == 8) return EditObjectStep();
        return EditSystemStep();
    }

private:
    int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    SystemRef AnySystem() { return u_.Systems()[static_cast<std::size_t>(Draw(0, u_.NSistemas() - 1))]; }
    SpaceObjectRef AnyObject() { return u_.Objects()[static_cast<std::size_t>(Draw(0, u_.NObjetosU() - 1))]; }

    std::string AddSystemStep() {
        const SystemRef s = AddSystem(u_, "S" + std::to_string(++names_), Draw(0, 67), Draw(0, 49));
        return "adding system " + std::to_string(s->ID);
    }
    std::string RemoveSystemStep() {
        const std::int32_t id = AnySystem()->ID;
        u_.RemoveSystem(id);
        return "removing system " + std::to_string(id);
    }
    std::string AddObjectStep() {
        const SystemRef s = AnySystem();
        const SpaceObjectRef o = AddObject(u_, s, Draw(0, 1) ? "PLANET" : "STAR", Draw(-13, 13), Draw(-10, 10));
        return "adding object " + std::to_string(o->ID) + " to system " + std::to_string(s->ID);
    }
    std::string RemoveObjectStep() {
        const SpaceObjectRef o = AnyObject();
        u_.RemoveSpaceObject(o->systema->ID, o->ID);
        return "removing object " + std::to_string(o->ID);
    }
    // An object moves between systems by removal and re-adding.
    std::string MoveObjectStep() {
        const SpaceObjectRef o = AnyObject();
        const std::int32_t old = o->ID;
        u_.RemoveSpaceObject(o->systema->ID, o->ID);
        o->systema = AnySystem();
        u_.AddSpaceObject(o, o->systema->ID);
        return "moving object " + std::to_string(old) + " as " + std::to_string(o->ID);
    }
    // Edits put a changed copy in place of the original, as the dialogs do.
    std::string EditObjectStep() {
        const SpaceObjectRef o = AnyObject();
        auto copy = std::make_shared<CSpaceObject>(*o);
        copy->coord = {Draw(-13, 13), Draw(-10, 10)};
        u_.EditSpaceObject(copy, o->systema->ID, o->ID);
        return "editing object " + std::to_string(o->ID);
    }
    std::string EditSystemStep() {
        const SystemRef s = AnySystem();
        auto copy = std::make_shared<CSystem>(*s);
        copy->name += "'";
        u_.EditSystem(copy, s->ID);
        for (const SpaceObjectRef& o : copy->objects) o->systema = copy;
        return "editing system " + std::to_string(s->ID);
    }

    CUniverse& u_;
    std::mt19937 engine_{15};
    int names_ = 0;
};

TEST(UniverseIndex, LookupsAgreeWithWalksThroughEveryKindOfChange) {
    CUniverse u;
    RandomEdits edits(u);
    for (int step = 0; step < 400; ++step) {
        const std::string done = edits.Step();
        ExpectLookupsAgreeWithWalks(u, "step " + std::to_string(step) + ", " + done);
        if (HasFailure()) return;
    }
    EXPECT_GT(u.NObjetosU(), 20);
}

// Replacing an element by one with another ID breaks the order the fast
// lookups rely on; lookups must still find every element afterwards.
TEST(UniverseIndex, AnEditThatPutsAnotherIdInPlaceKeepsLookupsRight) {
    CUniverse u;
    const SystemRef a = AddSystem(u, "A", 1, 1), b = AddSystem(u, "B", 2, 2), c = AddSystem(u, "C", 3, 3);
    for (const SystemRef& s : {a, b, c})
        for (int k = 0; k < 3; ++k) AddObject(u, s, "PLANET", k, 0);
    auto renumbered = std::make_shared<CSpaceObject>(*u.GetOneSpaceObject(2));
    renumbered->ID = 50;
    u.EditSpaceObject(renumbered, a->ID, 2);
    auto system = std::make_shared<CSystem>(*b);
    system->ID = 40;
    u.EditSystem(system, b->ID);
    for (const SpaceObjectRef& o : system->objects) o->systema = system;
    ExpectLookupsAgreeWithWalks(u, "renumbering edits");
    EXPECT_EQ(u.GetOneSpaceObject(50), renumbered);
    EXPECT_EQ(u.GetOneSpaceObject(2), nullptr);
    EXPECT_EQ(u.GetOneSystem(40), system);
    EXPECT_EQ(u.GetOneSystem(b->ID)->ID, NoID);

    // New elements still follow the last one, and are found.
    const SpaceObjectRef added = AddObject(u, c, "STORM", 5, 5);
    EXPECT_EQ(added->ID, 10);
    ExpectLookupsAgreeWithWalks(u, "adding after the renumbering");

    // Emptying the universe starts over in order.
    u.Clear();
    const SystemRef d = AddSystem(u, "D", 4, 4);
    AddObject(u, d, "STAR", 0, 0);
    ExpectLookupsAgreeWithWalks(u, "after clearing");
}

TEST(UniverseIndex, RemovingASystemTakesExactlyItsObjectsFromBothLists) {
    CUniverse u;
    std::vector<SystemRef> systems;
    for (int s = 0; s < 4; ++s) systems.push_back(AddSystem(u, "S" + std::to_string(s), s, 0));
    // Objects of the systems interleaved in the flat list.
    for (int k = 0; k < 5; ++k)
        for (const SystemRef& s : systems) AddObject(u, s, "PLANET", k, 1);
    const std::vector<SpaceObjectRef> kept = WalkForObjectsOf(u, systems[3]->ID);
    u.RemoveSystem(systems[2]->ID);
    EXPECT_EQ(u.NSistemas(), 3);
    EXPECT_EQ(u.NObjetosU(), 15);
    EXPECT_TRUE(WalkForObjectsOf(u, systems[2]->ID).empty());
    EXPECT_EQ(u.SpaceObjectsOf(systems[3]->ID), kept);
    ExpectLookupsAgreeWithWalks(u, "removing a system");
    // The first system's objects, then the last one's, still number in order.
    u.RemoveSystem(systems[0]->ID);
    u.RemoveSystem(systems[3]->ID);
    ExpectLookupsAgreeWithWalks(u, "removing the first and last systems");
    EXPECT_EQ(u.NObjetosU(), 5);
}

// A map saved and read back, into a fresh universe and into one moved over
// the current map, answers every lookup as the walks do.
TEST(UniverseIndex, AReloadedMapAnswersLookupsAsTheWalksDo) {
    TempFolder folder;
    WriteFile(folder.Path() / BlackHoleTemplateName, "Number of Black Hole Clouds                       := 1\r\n");
    FakeTypeNames names;
    CUniverse original;
    RandomEdits edits(original);
    for (int step = 0; step < 150; ++step) edits.Step();
    const TxtBlock text = GenerateMapTxt(original, names, folder.Path());
    ASSERT_TRUE(text.error.empty()) << text.error;

    LoadResult loaded = LoadMapTextFromMemory(text.text, "map", names);
    ASSERT_TRUE(loaded.Ok()) << loaded.error;
    EXPECT_EQ(loaded.universe->NObjetosU(), original.NObjetosU());
    ExpectLookupsAgreeWithWalks(*loaded.universe, "loading");

    CUniverse current;
    RandomEdits(current).Step();
    current = std::move(*loaded.universe);
    ExpectLookupsAgreeWithWalks(current, "moving the loaded map over the current one");
    EXPECT_EQ(GenerateMapTxt(current, names, folder.Path()).text, text.text);
}

}  // namespace

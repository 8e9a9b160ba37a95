#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "model/CUniverse.h"
#include "model/RomanNumeral.h"

namespace {

std::vector<int> Ids(const std::vector<SpaceObjectRef>& objects) {
    std::vector<int> ids;
    for (const auto& o : objects) ids.push_back(o->ID);
    return ids;
}

}  // namespace

// The kind word read from a map decides the kind, in any letter case.
TEST(Records, KindWordsGiveTheKind) {
    EXPECT_EQ(NewSpaceObject("warp")->Tipo, KindWarpPoint);
    EXPECT_EQ(NewSpaceObject("Planet")->Tipo, KindPlanet);
    EXPECT_EQ(NewSpaceObject("ASTEROID")->Tipo, KindAsteroids);
    EXPECT_EQ(NewSpaceObject("comet")->Tipo, 0);
}

TEST(Records, AbilitiesAreCountedApartFromTheInitialSlot) {
    auto star = NewSpaceObject("STAR");
    std::vector<CAbility> abilities{CAbility{}};
    int count = -1;
    star->GetAbilities(abilities, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(abilities.size(), 1u);  // left as it was

    CAbility a;
    a.IniciaCAbility();
    a.Tipe = "First";
    star->AddAbility(a);
    a.Tipe = "Second";
    star->AddAbility(a);
    star->GetAbilities(abilities, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(abilities[0].Tipe, "First");
    EXPECT_EQ(abilities[1].Tipe, "Second");
    star->RemoveAbilities();
    EXPECT_EQ(star->nhabilidades, 0);

    // A count set by hand past the list never lets a writer read beyond it.
    star->AddAbility(a);
    star->nhabilidades = 5;
    EXPECT_EQ(star->HeldAbilities(), 1);
    star->nhabilidades = -2;
    EXPECT_EQ(star->HeldAbilities(), 0);
}

TEST(System, RemovalKeepsTheOrderOfTheRest) {
    auto s = NewSystem();
    for (int id = 1; id <= 3; ++id) {
        auto o = NewSpaceObject("PLANET");
        o->ID = id;
        s->addObject(o);
    }
    s->removeObject(7);  // no such object: nothing is dropped
    EXPECT_EQ(s->NObjetos(), 3);
    s->removeObject(2);
    EXPECT_EQ(Ids(s->objects), (std::vector<int>{1, 3}));

    CStellarBackground sky;
    sky.Set(1, 2, 300, "Sky.bmp");
    EXPECT_EQ(sky.z, 44);  // cut to 8 bits
    s->addStellarBackground(sky);
    EXPECT_EQ(s->GetSkyBox(), "Sky.bmp");
    s->RemoveStellarBackground();
    EXPECT_EQ(s->GetSkyBox(), "");
}

TEST(Universe, IdsFollowTheLastElementAndAreReusedAfterRemovingIt) {
    CUniverse u;
    AddTestSystem(u, "A");
    AddTestSystem(u, "B");
    AddTestSystem(u, "C");
    u.RemoveSystem(2);
    EXPECT_EQ(AddTestSystem(u, "D")->ID, 4);
    u.RemoveSystem(4);
    EXPECT_EQ(AddTestSystem(u, "E")->ID, 4);
    u.RemoveSystem(4);
    u.RemoveSystem(3);
    EXPECT_EQ(AddTestSystem(u, "F")->ID, 2);
    EXPECT_EQ(u.NSistemas(), 2);
}

TEST(Universe, UnknownSystemIsADetachedPlaceholder) {
    CUniverse u;
    AddTestSystem(u, "A");
    SystemRef none = u.GetOneSystem(77);
    EXPECT_EQ(none->ID, NoID);
    EXPECT_EQ(none->name, "Unknown System");
    EXPECT_EQ(u.NSistemas(), 1);
    EXPECT_EQ(u.FindSystemByName("  A "), u.GetOneSystem(1));
    EXPECT_EQ(u.FindSystemByName("a"), nullptr);
}

TEST(Universe, RemovingASystemTakesItsObjectsAndKeepsOtherIds) {
    CUniverse u;
    auto a = AddTestSystem(u, "A");
    auto b = AddTestSystem(u, "B", 1, 1);
    AddTestObject(u, a, "STAR", 0, 0);
    AddTestObject(u, b, "PLANET", 2, 2);
    AddTestObject(u, a, "PLANET", 3, 3);
    AddTestObject(u, b, "STORM", 4, 4);
    u.RemoveSystem(a->ID);
    EXPECT_EQ(Ids(u.Objects()), (std::vector<int>{2, 4}));
    EXPECT_EQ(Ids(b->objects), (std::vector<int>{2, 4}));
    EXPECT_EQ(u.NSistemas(), 1);

    // Unknown IDs remove nothing (the last element is never dropped instead).
    u.RemoveSpaceObject(b->ID, 99);
    u.RemoveSystem(99);
    EXPECT_EQ(Ids(u.Objects()), (std::vector<int>{2, 4}));
    EXPECT_EQ(Ids(b->objects), (std::vector<int>{2, 4}));
    EXPECT_EQ(u.NSistemas(), 1);
}

TEST(Universe, EditingReplacesTheReferenceInBothLists) {
    CUniverse u;
    auto a = AddTestSystem(u, "A");
    auto first = AddTestObject(u, a, "PLANET", 1, 1);
    auto replacement = NewSpaceObject("PLANET");
    replacement->ID = first->ID;
    replacement->systema = a;
    replacement->name = "New";
    u.EditSpaceObject(replacement, a->ID, first->ID);
    EXPECT_EQ(u.GetOneSpaceObject(first->ID)->name, "New");
    EXPECT_EQ(a->objects[0], replacement);
}

TEST(Universe, OccupancyQueries) {
    CUniverse u;
    auto a = AddTestSystem(u, "A", 5, 5);
    auto b = AddTestSystem(u, "B", 6, 5);
    SystemRef found;
    bool occupied = false;
    u.GetWhichOccupied(5, 5, found, a->ID, occupied);
    EXPECT_FALSE(occupied);
    u.GetWhichOccupied(6, 5, found, a->ID, occupied);
    EXPECT_TRUE(occupied);
    EXPECT_EQ(found, b);
    b->Checked = true;
    u.GetWhichOccupied(6, 5, found, a->ID, occupied);
    EXPECT_FALSE(occupied);
    u.GetWhichOccupied(68, 0, found, -1, occupied);
    EXPECT_FALSE(occupied);
    u.GetWhichOccupied(0, 50, found, -1, occupied);
    EXPECT_FALSE(occupied);
    EXPECT_TRUE(u.GetOccupied(6, 5));

    auto star = AddTestObject(u, a, "STAR", 0, 0);
    auto planet = AddTestObject(u, a, "PLANET", 1, 1);
    AddTestObject(u, b, "PLANET", 1, 0);
    std::vector<SpaceObjectRef> here;
    int count = 0;
    u.GetObjectsPerSector(1, 0, a->ID, here, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(here[0], star);
    u.GetObjectsPerSector(1, 1, a->ID, here, count);
    EXPECT_EQ(Ids(here), (std::vector<int>{star->ID, planet->ID}));
    EXPECT_TRUE(u.GetStarOccupied(-1, -1, a->ID));
    EXPECT_FALSE(u.GetStarOccupied(2, 2, a->ID));
    EXPECT_TRUE(u.GetSpaceObjectOccupied(1, 1, a->ID));
    EXPECT_FALSE(u.GetOccupiedSystem(1, 0, a->ID));  // stars count with their own sector only
    EXPECT_TRUE(u.GetOccupiedSystem(0, 0, a->ID));
}

TEST(Universe, WarpQueries) {
    CUniverse u;
    auto a = AddTestSystem(u, "A");
    auto b = AddTestSystem(u, "B", 1, 0);
    auto warp = AddTestObject(u, a, "WARP", -3, 4);
    warp->destSystem = b;
    EXPECT_TRUE(u.ExistWarpInQuadrant(a->ID, 3));
    EXPECT_FALSE(u.ExistWarpInQuadrant(a->ID, 0));
    EXPECT_TRUE(u.ExistWarpTo(a->ID, "B"));
    EXPECT_FALSE(u.ExistWarpTo(a->ID, "B "));
    EXPECT_FALSE(u.ExistWarpTo(b->ID, "A"));
    EXPECT_EQ(SectorQuadrant(0, 0), 0);
    EXPECT_EQ(SectorQuadrant(8, -1), 1);
    EXPECT_EQ(SectorQuadrant(9, 9), 2);
}

TEST(Universe, NextObjectNames) {
    CUniverse u;
    auto vega = AddTestSystem(u, "Vega");
    EXPECT_EQ(u.GetNextObjectName(vega->ID, KindStar), "Vega 1 Star");
    AddTestObject(u, vega, "STORM", 0, 0);
    AddTestObject(u, vega, "STORM", 1, 0);
    EXPECT_EQ(u.GetNextObjectName(vega->ID, KindStorm), "Vega III Storm");
    AddTestObject(u, vega, "PLANET", 2, 0);
    EXPECT_EQ(u.GetNextObjectName(vega->ID, KindPlanet), "Vega II ");
    EXPECT_EQ(u.GetNextObjectName(vega->ID, KindAsteroids), "Vega I Ast.");
}

TEST(Roman, Numerals) {
    const std::pair<int, const char*> cases[] = {{0, "0"},   {1, "I"},   {4, "IV"},  {9, "IX"},
                                                 {14, "XIV"}, {40, "XL"}, {90, "XC"}, {400, "CD"},
                                                 {1994, "MCMXCIV"}, {-3, "-III"}, {3999, "MMMCMXCIX"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(RomanNumeral(n), text) << n;
}

TEST(Universe, ClearingCutsTheLinksAndEmptiesBothLists) {
    CUniverse u;
    auto a = AddTestSystem(u, "A");
    auto warp = AddTestObject(u, a, "WARP", 0, 0);
    warp->destSystem = a;
    std::weak_ptr<CSystem> watch = a;
    a.reset();
    u.Clear();
    EXPECT_EQ(u.NSistemas(), 0);
    EXPECT_EQ(u.NObjetosU(), 0);
    warp.reset();
    EXPECT_TRUE(watch.expired());
}

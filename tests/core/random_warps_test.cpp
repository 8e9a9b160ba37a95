#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "ModelTestSupport.h"
#include "RandomTestSupport.h"
#include "random/RandomMap.h"
#include "random/SystemQueries.h"
#include "random/WarpLinks.h"

using randomtest::Fixture;

namespace {

std::vector<SpaceObjectRef> WarpsOf(const CSystem& system) {
    std::vector<SpaceObjectRef> warps;
    for (const auto& o : system.objects)
        if (o->Tipo == KindWarpPoint) warps.push_back(o);
    return warps;
}

// Every warp point has a partner in its destination leading back, at the
// mirrored sector; no system links twice to the same system.
void ExpectMutualMirroredLinks(const CUniverse& universe) {
    std::int32_t warps = 0;
    for (const auto& system : universe.Systems()) {
        std::set<const CSystem*> destinations;
        for (const auto& warp : WarpsOf(*system)) {
            ++warps;
            ASSERT_TRUE(warp->destSystem);
            EXPECT_TRUE(destinations.insert(warp->destSystem.get()).second) << system->name << " links twice";
            EXPECT_EQ(warp->destCoord.X, -warp->coord.X);
            EXPECT_EQ(warp->destCoord.y, -warp->coord.y);
            std::int32_t partners = 0;
            for (const auto& back : WarpsOf(*warp->destSystem))
                if (back->destSystem == system && back->coord.X == -warp->coord.X && back->coord.y == -warp->coord.y &&
                    back->StellarObjectType == warp->StellarObjectType)
                    ++partners;
            EXPECT_EQ(partners, 1) << system->name << " -> " << warp->destSystem->name;
        }
    }
    EXPECT_GT(warps, 0);
    EXPECT_EQ(warps % 2, 0);
}

}  // namespace

TEST(WarpLinks, LinksAreMutualMirroredAndOnePerQuadrant) {
    for (const char* shape : {"Random", "Spiral", "Islands"}) {
        Fixture f;
        f.GenerateMap("Open", 60, shape);
        SCOPED_TRACE(shape);
        ExpectMutualMirroredLinks(f.universe);
        for (const auto& system : f.universe.Systems()) {
            EXPECT_LE(CountWarpPoints(*system), 4);
            std::set<std::int32_t> quadrants;
            for (const auto& warp : WarpsOf(*system)) {
                EXPECT_TRUE(quadrants.insert(SectorQuadrant(warp->coord.X, warp->coord.y)).second) << system->name;
                for (const auto& other : system->objects)  // no object shares the warp's sector
                    EXPECT_TRUE(other == warp || !other->GetOccupied(warp->coord.X, warp->coord.y)) << system->name;
            }
        }
    }
}

TEST(WarpLinks, GridLinksNeighboursWithoutTheQuadrantRule) {
    Fixture f;
    f.GenerateMap("Open", 80, "Grid");
    ExpectMutualMirroredLinks(f.universe);
    bool twoInAQuadrant = false;
    for (const auto& system : f.universe.Systems()) {
        EXPECT_GE(CountWarpPoints(*system), 2);
        std::map<std::int32_t, int> perQuadrant;
        for (const auto& warp : WarpsOf(*system))
            twoInAQuadrant |= ++perQuadrant[SectorQuadrant(warp->coord.X, warp->coord.y)] > 1;
    }
    EXPECT_TRUE(twoInAQuadrant);
}

TEST(WarpLinks, ArmEndsStartNoSecondLink) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef end = AddTestSystem(f.universe, "End", 10, 10);
    end->EndOfArm = true;
    const SystemRef B = AddTestSystem(f.universe, "B", 20, 5);
    const SystemRef C = AddTestSystem(f.universe, "C", 20, 20);
    const SystemRef D = AddTestSystem(f.universe, "D", 2, 20);
    EXPECT_TRUE(CreateWarpPair(context, 0, end, B, false));
    EXPECT_FALSE(CreateWarpPair(context, 1, end, C, false));  // its own second link
    EXPECT_TRUE(CreateWarpPair(context, 3, D, end, false));   // others may still link to it
    EXPECT_EQ(CountWarpPoints(*end), 2);
    EXPECT_TRUE(CreateWarpPair(context, 1, end, C, true));  // the grid shape knows no arm ends
}

TEST(WarpLinks, QuadrantCodesAndTheirOpposites) {
    CSystem S, C;
    S.X = 10;
    S.y = 10;
    const std::pair<std::pair<int, int>, int> cases[] = {
        {{10, 10}, 0}, {{12, 5}, 0}, {{12, 11}, 1}, {{9, 11}, 2}, {{9, 10}, 3}, {{9, 2}, 3}};
    for (const auto& [at, code] : cases) {
        C.X = at.first;
        C.y = at.second;
        EXPECT_EQ(QuadrantCode(S, C), code) << at.first << "," << at.second;
    }
    for (int code = 0; code < 4; ++code) EXPECT_EQ(OppositeCode(code), (code + 2) % 4);
}

TEST(WarpLinks, WindowSearchOrderAndItsEnd) {
    CUniverse universe;
    const SystemRef S = AddTestSystem(universe, "S", 10, 10);
    AddTestSystem(universe, "Right", 11, 10);
    AddTestSystem(universe, "Left", 9, 10);
    AddTestSystem(universe, "Far", 60, 45);
    AddTestSystem(universe, "Outside", 70, 10);  // off the grid: never found
    const GalaxyOccupancy occupancy(universe);
    const WarpSearch search(occupancy);
    std::vector<SystemRef> found = search.FindWarpCandidates(*S, 10);
    ASSERT_EQ(found.size(), 3u);  // fewer than asked for: the search ends at the galaxy's edge
    EXPECT_EQ(found[0]->name, "Left");   // columns left to right
    EXPECT_EQ(found[1]->name, "Right");
    EXPECT_EQ(found[2]->name, "Far");
    EXPECT_DOUBLE_EQ(found[0]->Hypo, 1.0);
    for (const auto& c : found) EXPECT_TRUE(c->Checked);
    EXPECT_TRUE(search.FindWarpCandidates(*S, 10).empty());  // all taken now

    SortByDistance(found);
    EXPECT_EQ(found[0]->name, "Left");  // equal distances keep their order
    EXPECT_EQ(found[2]->name, "Far");
    std::reverse(found.begin(), found.end());
    SortByDistance(found);
    EXPECT_EQ(found[0]->name, "Right");
    EXPECT_EQ(found[1]->name, "Left");
    EXPECT_EQ(found[2]->name, "Far");

    for (const auto& s : universe.Systems()) s->Checked = false;
    EXPECT_TRUE(search.FindClusterCenterCandidates(*S).empty());
    universe.Systems()[3]->ClusterCenter = true;
    const auto centres = search.FindClusterCenterCandidates(*S);
    ASSERT_EQ(centres.size(), 1u);
    EXPECT_EQ(centres[0]->name, "Far");
    EXPECT_FALSE(universe.Systems()[1]->Checked);  // passed over, not marked
}

TEST(WarpLinks, ACellHoldingTwoSystemsYieldsBoth) {
    CUniverse universe;
    const SystemRef S = AddTestSystem(universe, "S", 3, 3);
    AddTestSystem(universe, "A", 9, 3);
    AddTestSystem(universe, "B", 9, 3);
    const GalaxyOccupancy occupancy(universe);
    const auto found = WarpSearch(occupancy).FindWarpCandidates(*S, 5);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->name, "A");
    EXPECT_EQ(found[1]->name, "B");
}

TEST(WarpLinks, APairThatCannotFitIsDroppedInsteadOfRetriedForever) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef A = AddTestSystem(f.universe, "A", 10, 10);
    const SystemRef B = AddTestSystem(f.universe, "B", 20, 5);
    for (std::int32_t x = 1; x <= 8; ++x)
        for (std::int32_t y = 5; y <= 8; ++y) {
            SpaceObjectRef planet = NewSpaceObject("PLANET");
            planet->systema = A;
            planet->coord = {x, y};
            f.universe.AddSpaceObject(planet, A->ID);
        }
    const std::int32_t before = f.universe.NObjetosU();
    EXPECT_FALSE(CreateWarpPair(context, 0, A, B, false));
    EXPECT_EQ(f.universe.NObjetosU(), before);
    // The lower half of the quadrant is free: code 1 fits.
    EXPECT_TRUE(CreateWarpPair(context, 1, A, B, false));
    EXPECT_EQ(f.universe.NObjetosU(), before + 2);
    EXPECT_TRUE(ExistWarpToName(*A, "B"));
    EXPECT_TRUE(ExistWarpToName(*B, "A"));
    // A second link in the same quadrant is refused outside the grid shape.
    EXPECT_FALSE(CreateWarpPair(context, 1, A, B, false));
    EXPECT_TRUE(CreateWarpPair(context, 1, A, B, true));
}

TEST(WarpLinks, TheLimitIsDrawnFromThreeToTheQuadrantTypesMaximum) {
    RandomSource random(8);
    std::set<std::int32_t> drawn, grid, small;
    for (int k = 0; k < 400; ++k) {
        drawn.insert(DrawWarpLimit(random, false, 6));
        grid.insert(DrawWarpLimit(random, true, 6));
        small.insert(DrawWarpLimit(random, false, 1));
    }
    EXPECT_EQ(drawn, (std::set<std::int32_t>{3, 4, 5, 6}));
    EXPECT_EQ(grid, (std::set<std::int32_t>{4}));
    EXPECT_EQ(small, (std::set<std::int32_t>{3}));

    // On a whole map: a maximum of 3 is never exceeded, a maximum of 6 lets
    // systems fill all four quadrants of their field.
    auto mostWarps = [](const std::string& quadrant) {
        Fixture f;
        f.GenerateMap(quadrant, 60, "Random");
        std::int32_t most = 0;
        for (const auto& system : f.universe.Systems()) most = std::max(most, CountWarpPoints(*system));
        return most;
    };
    EXPECT_EQ(mostWarps("Tight"), 3);
    EXPECT_EQ(mostWarps("Open"), 4);
}

TEST(WarpLinks, IslandCentresLinkToEachOther) {
    Fixture f;
    f.GenerateMap("Open", 50, "Islands");
    std::int32_t centres = 0;
    for (const auto& system : f.universe.Systems()) {
        if (!system->ClusterCenter) continue;
        ++centres;
        const auto warps = WarpsOf(*system);
        EXPECT_TRUE(std::any_of(warps.begin(), warps.end(),
                                [](const SpaceObjectRef& w) { return w->destSystem->ClusterCenter; }))
            << system->name << " is linked to no other island";
    }
    EXPECT_EQ(centres, 4);
}

// S's two candidates lie in the same quadrant of its field and the window
// search meets the farther one first: the nearer one gets the link.
TEST(WarpLinks, TheNearerOfTwoCandidatesInOneQuadrantGetsTheLink) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef S = AddTestSystem(f.universe, "S", 10, 10);
    AddTestSystem(f.universe, "Far", 8, 8);
    AddTestSystem(f.universe, "Near", 9, 8);
    ConnectWarps(context, "Random", 3);
    EXPECT_TRUE(ExistWarpToName(*S, "Near"));
    EXPECT_FALSE(ExistWarpToName(*S, "Far"));
    ExpectMutualMirroredLinks(f.universe);
}

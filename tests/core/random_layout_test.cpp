#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "RandomTestSupport.h"
#include "random/QuadrantLayout.h"
#include "random/RandomMap.h"

using randomtest::Fixture;

namespace {

std::vector<GalaxyPoint> Positions(const CUniverse& universe) {
    std::vector<GalaxyPoint> points;
    for (const auto& s : universe.Systems()) points.push_back({s->X, s->y});
    return points;
}

bool Touching(const GalaxyPoint& a, const GalaxyPoint& b) {
    return std::abs(a.X - b.X) <= 1 && std::abs(a.Y - b.Y) <= 1;
}

// Every system has a free ring: no other system in its cell or the eight around it.
void ExpectFreeRings(const CUniverse& universe) {
    const auto points = Positions(universe);
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            EXPECT_FALSE(Touching(points[i], points[j])) << "systems " << i << " and " << j;
}

}  // namespace

TEST(QuadrantLayout, RandomShapeKeepsFreeRingsAndStaysNearThePrevious) {
    for (int N : {10, 50, 150}) {
        Fixture f;
        GenerationContext context = f.Context();
        RandomMapGenerator generator;
        generator.GenerateRandomMap(context, "Open", N, "Random");
        ASSERT_EQ(f.universe.NSistemas(), N);
        ExpectFreeRings(f.universe);
        GalaxyPoint previous{0, 0};  // what a fresh generator starts from
        for (const auto& p : Positions(f.universe)) {
            EXPECT_TRUE(InGalaxyBounds(p.X, p.Y));
            EXPECT_TRUE(std::abs(p.X - previous.X) <= 7 || std::abs(p.Y - previous.Y) <= 7)
                << p.X << "," << p.Y << " after " << previous.X << "," << previous.Y;
            previous = p;
        }
        EXPECT_EQ(generator.PreviousPosition(), previous);
    }
}

TEST(QuadrantLayout, SpiralOfFiftyHasThreeArmsOfSeventeen) {
    const LayoutState state = SetUpLayout("Spiral", 50);
    EXPECT_EQ(state.arms, 3);
    EXPECT_EQ(state.perArm, 17);
    EXPECT_EQ(SetUpLayout("Spiral", 20).arms, 1);
    EXPECT_EQ(SetUpLayout("Spiral", 30).arms, 3);

    Fixture f;
    f.GenerateMap("Open", 50, "Spiral");
    const auto& systems = f.universe.Systems();
    ASSERT_EQ(systems.size(), 50u);
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < systems.size(); ++i)
        if (systems[i]->EndOfArm) ends.push_back(i);
    EXPECT_EQ(ends, (std::vector<std::size_t>{15, 32, 49}));
    EXPECT_EQ(systems[0]->X, 34);
    EXPECT_EQ(systems[0]->y, 24);
    ExpectFreeRings(f.universe);
}

TEST(QuadrantLayout, GridOfEightyFillsTenColumnsOfEight) {
    Fixture f;
    f.GenerateMap("Open", 80, "Grid");
    std::vector<GalaxyPoint> expected;
    for (int X = 3; X <= 57; X += 6)
        for (int Y = 3; Y <= 45; Y += 6) expected.push_back({X, Y});
    EXPECT_EQ(Positions(f.universe), expected);
}

TEST(QuadrantLayout, IslandsOfFiftyStartOnTheNineCentres) {
    const LayoutState state = SetUpLayout("Islands", 50);
    EXPECT_EQ(state.islandCount, 4);
    EXPECT_EQ(state.islandBase, 12);
    EXPECT_EQ(state.islandSizes, (std::vector<std::int32_t>{13, 13, 12, 12}));

    Fixture f;
    f.GenerateMap("Open", 50, "Islands");
    const auto& systems = f.universe.Systems();
    std::vector<std::size_t> centres;
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (!systems[i]->ClusterCenter) continue;
        centres.push_back(i);
        const std::int32_t X = systems[i]->X, Y = systems[i]->y;
        EXPECT_TRUE((X >= 9 && X <= 11) || (X >= 31 && X <= 33) || (X >= 53 && X <= 55)) << X;
        EXPECT_TRUE((Y >= 5 && Y <= 7) || (Y >= 21 && Y <= 23) || (Y >= 42 && Y <= 44)) << Y;
    }
    // Islands of 14, 14, 13 and the remaining 9 systems.
    EXPECT_EQ(centres, (std::vector<std::size_t>{0, 14, 28, 41}));
    ExpectFreeRings(f.universe);

    // Beyond nine centres it still finishes without shared cells.
    EXPECT_EQ(SetUpLayout("Islands", 150).islandCount, 12);
    Fixture g;
    g.GenerateMap("Open", 150, "Islands");
    ASSERT_EQ(g.universe.NSistemas(), 150);
    ExpectFreeRings(g.universe);
    std::int32_t count = 0;
    for (const auto& s : g.universe.Systems()) count += s->ClusterCenter ? 1 : 0;
    EXPECT_EQ(count, 12);  // six islands of 14, five of 13 and one system left for the twelfth
}

TEST(QuadrantLayout, FixedLocationsComeFirstAndOnlyAsManyAsRequested) {
    Fixture f;
    const QuadrantType fixed = f.data.QuadrantTypes.FindQuadrantType("Fixed");
    ASSERT_EQ(fixed.Locations.size(), 12u);
    f.GenerateMap("Fixed", 10, "Random");
    ASSERT_EQ(f.universe.NSistemas(), 10);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(f.universe.Systems()[i]->X, fixed.Locations[i].X);
        EXPECT_EQ(f.universe.Systems()[i]->y, fixed.Locations[i].Y);
        // A location's type overrides the chance list ("Nebula" only).
        EXPECT_EQ(f.universe.Systems()[i]->Description, "Vega Type system");
    }
}

TEST(QuadrantLayout, DrawsBeyondTheChanceSumTakeTheLargestChance) {
    Fixture f;
    const QuadrantType shortType = f.data.QuadrantTypes.FindQuadrantType("Short");
    std::map<std::string, int> counts;
    for (int k = 0; k < 4000; ++k) ++counts[DrawSystemTypeName(shortType, f.random)];
    // 100, 300 + the 400 left over, 200 in thousandths.
    EXPECT_NEAR(counts["Vega Type"], 400, 80);
    EXPECT_NEAR(counts["Nebula"], 2800, 120);
    EXPECT_NEAR(counts["Broken"], 800, 100);
    EXPECT_EQ(DrawSystemTypeName(QuadrantType{}, f.random), "");
}

TEST(QuadrantLayout, GridAfterFarRightLocationsStaysOnTheGalaxy) {
    LayoutState state = SetUpLayout("Grid", 20);
    GalaxyOccupancy occupancy;
    RandomSource random(3);
    const GalaxyPoint next = PlaceSystem(5, 20, {63, 45}, state, occupancy, random);
    EXPECT_EQ(next, (GalaxyPoint{3, 3}));
    EXPECT_EQ(PlaceSystem(5, 20, {21, 45}, state, occupancy, random), (GalaxyPoint{27, 3}));
    EXPECT_EQ(PlaceSystem(5, 20, {21, 39}, state, occupancy, random), (GalaxyPoint{21, 45}));
}

TEST(QuadrantLayout, AGridLargerThanTheNamePoolStillGetsNamedSystems) {
    Fixture f;
    ASSERT_TRUE(f.data.SystemNames.LoadSystemNames(f.folder.Write("Five.txt", {"Ara", "Bel", "Cor", "Dun", "Eos"}),
                                                   f.reporter));
    f.GenerateMap("Open", 80, "Grid");
    ASSERT_EQ(f.universe.NSistemas(), 80);
    std::set<std::string> seen;
    for (const auto& s : f.universe.Systems()) {
        EXPECT_FALSE(s->name.empty());
        seen.insert(s->name);
    }
    EXPECT_EQ(seen.size(), 80u);  // warp links find their systems by name
}

// With nothing in the way every place is the spiral's own point: each arm
// starts at the centre and winds outwards one step of angle and radius per system.
TEST(QuadrantLayout, SpiralArmsWindOutwardsFromTheCentre) {
    LayoutState state = SetUpLayout("Spiral", 50);
    const GalaxyOccupancy empty;
    RandomSource random(1);
    std::vector<GalaxyPoint> places;
    GalaxyPoint previous;
    for (std::int32_t i = 0; i < 50; ++i) places.push_back(previous = PlaceSystem(i, 50, previous, state, empty, random));
    const std::pair<int, GalaxyPoint> expected[] = {
        {0, {34, 24}},  {1, {32, 26}},  {2, {30, 27}},  {5, {24, 23}},  {8, {24, 12}},  {15, {60, 11}},
        {16, {34, 24}}, {18, {33, 23}}, {24, {46, 20}}, {33, {34, 24}}, {40, {35, 36}}, {49, {8, 9}}};
    for (const auto& [i, point] : expected)
        EXPECT_EQ(places[static_cast<std::size_t>(i)], point) << "system " << i;
}

// Members of an island are drawn in a box of B / 3 around its first system
// (B = 12 for 50 systems, so 4 cells each way).
TEST(QuadrantLayout, IslandMembersFillABoxOfAThirdOfTheBaseSize) {
    LayoutState state = SetUpLayout("Islands", 50);
    RandomSource random(6);
    state.centres = DrawIslandCentres(random);
    const GalaxyOccupancy empty;
    GalaxyPoint previous, centre;
    std::int32_t farthest = 0;
    for (std::int32_t i = 0; i < 400; ++i) {
        previous = PlaceSystem(i, 50, previous, state, empty, random);
        if (state.clusterCentre) {
            centre = previous;
            continue;
        }
        const std::int32_t distance = std::max(std::abs(previous.X - centre.X), std::abs(previous.Y - centre.Y));
        EXPECT_LE(distance, 4) << "system " << i;
        farthest = std::max(farthest, distance);
    }
    EXPECT_EQ(farthest, 4);
}

#include <gtest/gtest.h>

#include <algorithm>

#include "MapfileTestSupport.h"
#include "mapfile/MapValidator.h"

using namespace maptest;

namespace {

constexpr std::int32_t StarType = 1, PlanetType = 2, StormType = 4, WarpType = 5;

struct ValidatorTest : ::testing::Test {
    CUniverse u;
    FakeTypeNames names;
    ValidationOptions options;

    SystemRef System(const std::string& name, int x, int y, std::uint8_t physical = PhysicalNormal) {
        SystemRef s = AddSystem(u, name, x, y, physical);
        AddObject(u, s, "STAR", 0, 0, name + " 1 Star", StarType);
        return s;
    }
    SpaceObjectRef Warp(const SystemRef& from, const SystemRef& to, int x = 5, int y = 0) {
        SpaceObjectRef w = AddObject(u, from, "WARP", x, y, {}, WarpType);
        w->destSystem = to;
        w->destCoord = CCoord{-x, -y};
        return w;
    }
    void Link(const SystemRef& a, const SystemRef& b, int x = 5) {
        Warp(a, b, x);
        Warp(b, a, -x);
    }
    std::vector<MapProblem> Run() { return ValidateMap(u, names, options); }
    std::vector<MapProblem> WithCode(const std::string& code) {
        std::vector<MapProblem> found;
        for (const MapProblem& p : Run())
            if (p.code == code) found.push_back(p);
        return found;
    }
};

bool Mentions(const MapProblem& p, const std::string& text) { return p.message.find(text) != std::string::npos; }

TEST_F(ValidatorTest, ALinkedMapOfFilledSystemsHasNoProblems) {
    SystemRef a = System("Alpha", 10, 10), b = System("Beta", 12, 10), c = System("Gamma", 14, 10);
    Link(a, b);
    Link(b, c, 6);
    AddObject(u, c, "PLANET", 4, -3, "Gamma II", PlanetType);
    AddObject(u, c, "STORM", -4, 3, {}, StormType);
    SystemRef nebula = System("Mist", 20, 20, PhysicalNebulae);
    u.RemoveSpaceObjectSystem(nebula->ID);
    AddObject(u, nebula, "STORM", 0, 0, {}, StormType);
    Link(nebula, a, 7);
    EXPECT_TRUE(Run().empty()) << Run().front().message;
    EXPECT_EQ(CountsLine(CountProblems(Run())), "0 errors, 0 warnings");
}

TEST_F(ValidatorTest, AWarpToASystemNotInTheMapIsAnErrorNamingTheDestination) {
    SystemRef a = System("Alpha", 1, 1);
    SpaceObjectRef w = Warp(a, NewDetachedSystem("Sol"));
    SpaceObjectRef none = Warp(a, nullptr, 6);
    const auto found = WithCode(problem_code::MissingDestination);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].IsError());
    EXPECT_EQ(found[0].systemName, "Alpha");
    EXPECT_EQ(found[0].objectId, w->ID);
    EXPECT_TRUE(Mentions(found[0], "\"Sol\"")) << found[0].message;
    EXPECT_EQ(found[1].objectId, none->ID);
    // A detached record whose name matches a system of the map is that system.
    System("Sol", 2, 2);
    EXPECT_EQ(WithCode(problem_code::MissingDestination).size(), 1u);
}

TEST_F(ValidatorTest, SystemsAlikeInNameOrCellAreErrorsOnTheLaterOne) {
    System("Vega", 3, 4);
    SystemRef twin = System(" Vega ", 5, 6);
    System("vega", 7, 8);  // case matters, as in every name lookup of the map
    SystemRef stacked = System("Altair", 5, 6);
    const auto names_ = WithCode(problem_code::DuplicateName);
    ASSERT_EQ(names_.size(), 1u);
    EXPECT_EQ(names_[0].systemId, twin->ID);
    EXPECT_TRUE(Mentions(names_[0], "3, 4") && Mentions(names_[0], "5, 6")) << names_[0].message;
    const auto cells = WithCode(problem_code::SharedCell);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].systemId, stacked->ID);
    EXPECT_TRUE(Mentions(cells[0], "\" Vega \"") && Mentions(cells[0], "\"Altair\"")) << cells[0].message;
}

TEST_F(ValidatorTest, CellsOutsideTheGalaxyAreErrors) {
    System("Edge", 67, 49);
    System("Beyond", 68, 0);
    System("Below", 0, -1);
    const auto found = WithCode(problem_code::CellOutsideGalaxy);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].systemName, "Beyond");
    EXPECT_EQ(found[1].systemName, "Below");
}

TEST_F(ValidatorTest, ObjectsOffTheFieldAndWarpsArrivingOffItAreErrors) {
    SystemRef a = System("Alpha", 1, 1), b = System("Beta", 2, 1);
    Link(a, b);
    SpaceObjectRef off = AddObject(u, a, "PLANET", 14, 0, "Alpha II", PlanetType);
    AddObject(u, a, "PLANET", 13, 0, "Alpha III", PlanetType);  // the last column still has sectors
    SpaceObjectRef badArrival = Warp(a, b, 3, 3);
    badArrival->destCoord = CCoord{0, 11};
    Warp(b, a, -3, -3);
    const auto outside = WithCode(problem_code::SectorOutsideField);
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0].objectId, off->ID);
    EXPECT_TRUE(Mentions(outside[0], "Planet \"Alpha II\" at 14, 0")) << outside[0].message;
    const auto arrival = WithCode(problem_code::InvalidDestinationSector);
    ASSERT_EQ(arrival.size(), 1u);
    EXPECT_EQ(arrival[0].objectId, badArrival->ID);
    EXPECT_TRUE(Mentions(arrival[0], "0, 11"));
}

TEST_F(ValidatorTest, AStellarTypeTheCatalogueLacksIsAnError) {
    SystemRef a = System("Alpha", 1, 1);
    SpaceObjectRef planet = AddObject(u, a, "PLANET", 3, 0, "Alpha II", 99);
    AddObject(u, a, "PLANET", 4, 0, "Alpha III", 0);
    const auto found = WithCode(problem_code::UnknownStellarType);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].objectId, planet->ID);
    EXPECT_TRUE(Mentions(found[0], "(99)"));
    EXPECT_FALSE(Mentions(found[1], "("));
}

TEST_F(ValidatorTest, LineBreaksInWrittenValuesAreErrorsButNotInUnwrittenOnes) {
    SystemRef a = System("Alpha", 1, 1);
    a->Description = "two\r\nlines";
    SpaceObjectRef planet = AddObject(u, a, "PLANET", 3, 0, "Alpha II", PlanetType);
    planet->Gravity = "0.9\n";
    SpaceObjectRef star = u.SpaceObjectsOf(a->ID).front();
    CAbility ability = Ability("Bonus");
    ability.Amount2 = "1\r";
    star->AddAbility(ability);
    SpaceObjectRef storm = AddObject(u, a, "STORM", -3, 0, {}, StormType);
    storm->name = "never\nwritten";
    const auto found = WithCode(problem_code::LineBreak);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].objectId, NoID);
    EXPECT_TRUE(Mentions(found[0], "description"));
    EXPECT_EQ(found[1].objectId, star->ID);
    EXPECT_TRUE(Mentions(found[1], "ability"));
    EXPECT_EQ(found[2].objectId, planet->ID);
    EXPECT_TRUE(Mentions(found[2], "gravity"));
}

TEST_F(ValidatorTest, BlocksAndObjectsBeyondTheWriterLimitsAreErrors) {
    SystemRef a = System("Alpha", 1, 1);
    auto planetWith = [&](int x, int abilities) {
        SpaceObjectRef p = AddObject(u, a, "PLANET", x, 0, "P" + std::to_string(x), PlanetType);
        for (int j = 0; j < abilities; ++j) p->AddAbility(Ability("A"));
        return p;
    };
    // Star 5 + head 19 + three planets of 12 + 31 * 6 lines: 618, within the limit.
    for (int x : {2, 4, 6}) planetWith(x, 31);
    EXPECT_TRUE(WithCode(problem_code::SystemTooLarge).empty());
    EXPECT_TRUE(WithCode(problem_code::ObjectTooLarge).empty());
    SpaceObjectRef big = planetWith(8, 32);  // 204 lines: one object too many, and 822 for the block
    const auto object = WithCode(problem_code::ObjectTooLarge);
    ASSERT_EQ(object.size(), 1u);
    EXPECT_EQ(object[0].objectId, big->ID);
    const auto block = WithCode(problem_code::SystemTooLarge);
    ASSERT_EQ(block.size(), 1u);
    EXPECT_TRUE(Mentions(block[0], "822")) << block[0].message;
}

TEST_F(ValidatorTest, ABlackHoleBlockCountsItsTemplateLines) {
    SystemRef hole = System("Hole", 1, 1, PhysicalBlackHole);
    u.RemoveSpaceObjectSystem(hole->ID);
    SpaceObjectRef warp = AddObject(u, hole, "WARP", 2, 0, {}, WarpType);
    for (int j = 0; j < 32; ++j) warp->AddAbility(Ability("A"));  // 7 + 192 = 199 lines
    warp->destSystem = hole;
    options.blackHoleTemplateLines = 31;  // 17 + 31 + 199 = 247
    EXPECT_TRUE(WithCode(problem_code::SystemTooLarge).empty());
    options.blackHoleTemplateLines = 600;  // 816
    EXPECT_EQ(WithCode(problem_code::SystemTooLarge).size(), 1u);
}

TEST_F(ValidatorTest, AOneWayWarpIsAWarningNamingBothSystems) {
    SystemRef a = System("Alpha", 1, 1), b = System("Beta", 2, 1);
    SpaceObjectRef w = Warp(a, b);
    const auto found = WithCode(problem_code::OneWayWarp);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(found[0].IsError());
    EXPECT_EQ(found[0].objectId, w->ID);
    EXPECT_TRUE(Mentions(found[0], "\"Beta\"") && Mentions(found[0], "\"Alpha\"")) << found[0].message;
    Warp(b, a, -5);
    EXPECT_TRUE(WithCode(problem_code::OneWayWarp).empty());
}

TEST_F(ValidatorTest, EachGroupOutsideTheLargestIsOneWarningNamingItsSystems) {
    SystemRef a = System("A", 1, 1), b = System("B", 2, 1), c = System("C", 3, 1);
    SystemRef d = System("D", 4, 1), e = System("E", 5, 1), f = System("F", 6, 1);
    Link(a, b);
    Warp(b, c);  // one way still joins: C is reachable from the galaxy
    Link(d, e);
    const auto found = WithCode(problem_code::Unreachable);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].systemId, d->ID);
    EXPECT_TRUE(Mentions(found[0], "2 systems \"D\", \"E\"")) << found[0].message;
    EXPECT_EQ(found[1].systemId, f->ID);
    EXPECT_TRUE(Mentions(found[1], "System \"F\"")) << found[1].message;
}

TEST_F(ValidatorTest, AnEmptySystemIsAWarning) {
    SystemRef a = System("Alpha", 1, 1);
    SystemRef lone = AddSystem(u, "Lone", 2, 2);
    Link(a, lone);
    u.RemoveSpaceObjectSystem(lone->ID);
    const auto found = WithCode(problem_code::EmptySystem);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].systemId, lone->ID);
    EXPECT_FALSE(found[0].IsError());
}

TEST_F(ValidatorTest, SharedSectorsWarnOnlyWhileTheSettingForbidsThem) {
    SystemRef a = System("Alpha", 1, 1);  // its star covers -1..1 both ways
    SpaceObjectRef nextToStar = AddObject(u, a, "PLANET", 1, 1, "Alpha II", PlanetType);
    AddObject(u, a, "PLANET", 2, 0, "Alpha III", PlanetType);  // just outside the star's block
    SpaceObjectRef stacked = AddObject(u, a, "STORM", 2, 0, {}, StormType);
    const auto found = WithCode(problem_code::SharedSector);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].objectId, nextToStar->ID);
    EXPECT_TRUE(Mentions(found[0], "Star \"Alpha 1 Star\" at 0, 0")) << found[0].message;
    EXPECT_EQ(found[1].objectId, stacked->ID);
    EXPECT_TRUE(Mentions(found[1], "Alpha III"));
    options.multipleObjectsAllowed = true;
    EXPECT_TRUE(WithCode(problem_code::SharedSector).empty());
}

TEST_F(ValidatorTest, KindsTheEditorRefusesInBlackHolesAndNebulaeAreWarnings) {
    SystemRef hole = System("Hole", 1, 1, PhysicalBlackHole);  // holds a star
    SystemRef mist = System("Mist", 2, 1, PhysicalNebulae);     // holds a star
    AddObject(u, mist, "STORM", 4, 0, {}, StormType);
    SpaceObjectRef storm = AddObject(u, hole, "STORM", 4, 0, {}, StormType);
    Link(hole, mist);
    const auto found = WithCode(problem_code::KindNotAllowed);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].systemName, "Hole");
    EXPECT_TRUE(Mentions(found[0], "Black Hole system")) << found[0].message;
    EXPECT_EQ(found[1].objectId, storm->ID);
    EXPECT_EQ(found[2].systemName, "Mist");
}

TEST_F(ValidatorTest, ErrorsComeBeforeWarningsEachInMapOrder) {
    SystemRef a = System("Alpha", 1, 1), b = System("Beta", 2, 1);
    Warp(a, b);                                                // warning on Alpha
    AddObject(u, b, "PLANET", 20, 0, "Far", PlanetType);       // error on Beta
    AddObject(u, a, "PLANET", 3, 0, "Odd", 77);                // error on Alpha
    const auto all = Run();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0].systemName, "Alpha");
    EXPECT_TRUE(all[0].IsError());
    EXPECT_EQ(all[1].systemName, "Beta");
    EXPECT_TRUE(all[1].IsError());
    EXPECT_FALSE(all[2].IsError());
    EXPECT_EQ(CountsLine(CountProblems(all)), "2 errors, 1 warning");
}

}  // namespace

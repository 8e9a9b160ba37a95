#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "ModelTestSupport.h"
#include "RandomTestSupport.h"
#include "model/SectorField.h"
#include "random/ObjectPlacement.h"
#include "random/RandomChecks.h"
#include "model/RandomDraws.h"
#include "random/SystemPopulation.h"

using randomtest::Fixture;

namespace {

SystemRef AddPopulated(Fixture& f, GenerationContext& context, const std::string& typeName, const std::string& name) {
    const RandomSystemType type = f.data.RandomSystemTypes.FindRandomSystemType(typeName);
    SystemRef system = CreateRandomSystem(context, 20, 20, type, name);
    f.universe.AddSystem(system);
    PopulateSystem(context, system, type);
    return system;
}

std::vector<std::string> Names(const CSystem& system) {
    std::vector<std::string> names;
    for (const auto& o : system.objects) names.push_back(o->name);
    return names;
}

std::pair<int, int> SectorOf(const CSpaceObject& object) { return {object.coord.X, object.coord.y}; }

bool InStarBlock(const CSpaceObject& star, const CSpaceObject& other) {
    return star.Tipo == KindStar && &star != &other && star.GetOccupied(other.coord.X, other.coord.y);
}

// The distinct sectors of the objects from index first on, each checked to be valid.
std::set<std::pair<int, int>> CheckedSectors(const CSystem& system, std::size_t first = 0) {
    std::set<std::pair<int, int>> sectors;
    for (std::size_t k = first; k < system.objects.size(); ++k) {
        const CCoord& at = system.objects[k]->coord;
        EXPECT_TRUE(IsValidSector(at.X, at.y));
        sectors.insert({at.X, at.y});
    }
    return sectors;
}

}  // namespace

TEST(SystemPopulation, EveryRuleGivesAValidSectorOfItsKindAndNamesCountEachKind) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        Fixture f;
        f.random.Seed(seed);
        GenerationContext context = f.Context();
        const SystemRef vega = AddPopulated(f, context, "Vega Type", "Vega");
        const auto& o = vega->objects;
        for (const auto& object : o) EXPECT_TRUE(IsValidSector(object->coord.X, object->coord.y));
        EXPECT_EQ(o[0]->coord.X, 0);  // Ring 1: the centre
        EXPECT_EQ(o[0]->coord.y, 0);
        EXPECT_NE(o[1]->coord.X, 0);  // Ring 3: never on the centre row or column
        EXPECT_NE(o[1]->coord.y, 0);
        EXPECT_LE(std::abs(o[3]->coord.X - o[1]->coord.X), 2);  // Offset 1 x 2
        EXPECT_LE(std::abs(o[3]->coord.y - o[1]->coord.y), 2);
        const double circle = std::hypot(o[4]->coord.X, o[4]->coord.y);
        EXPECT_TRUE(circle >= 6 && circle <= 8) << circle;
        EXPECT_EQ(o[5]->coord.X, o[1]->coord.X);  // Same 0 1, not tested for occupancy
        EXPECT_EQ(o[5]->coord.y, o[1]->coord.y);
        EXPECT_EQ(o[6]->coord.X, -4);  // Coord -4,3
        EXPECT_EQ(o[6]->coord.y, 3);
        for (std::size_t k = 1; k < 5; ++k) EXPECT_FALSE(InStarBlock(*o[0], *o[k])) << "object " << k;
        EXPECT_EQ(Names(*vega), (std::vector<std::string>{"Vega I Star ", "Vega I", "Vega II", "Vega Ast. I", "",
                                                          "Vega III", "Vega Ast. II"}));
        for (const auto& object : o) EXPECT_EQ(object->systema, vega);
    }
}

TEST(SystemPopulation, AbilitiesAtChanceThousandAlwaysAtZeroNeverAndValuesInRange) {
    Fixture f;
    GenerationContext context = f.Context();
    for (int k = 0; k < 20; ++k) AddPopulated(f, context, "Vega Type", std::string("Vega").append(std::to_string(k)));
    std::int32_t planets = 0;
    for (const auto& o : f.universe.Objects()) {
        if (o->Tipo != KindPlanet) {
            EXPECT_EQ(o->nhabilidades, 0);
            if (o->Tipo == KindAsteroids) {
                EXPECT_TRUE(o->resOrganics >= 155 && o->resOrganics <= 245);
            }
            continue;
        }
        ++planets;
        ASSERT_EQ(o->nhabilidades, 1);
        EXPECT_EQ(o->habilidades[0].Tipe, "Always");
        EXPECT_EQ(o->habilidades[0].Amount2, "2");
        EXPECT_TRUE(o->resMinerals >= 0 && o->resMinerals <= 150);
        const double gravity = *ParseReal(o->Gravity), conditions = *ParseReal(o->Conditions);
        EXPECT_TRUE(gravity >= 0 && gravity <= 2) << o->Gravity;
        EXPECT_DOUBLE_EQ(gravity, RoundDecimals(gravity, 2));
        EXPECT_TRUE(conditions >= -0.5 && conditions <= 2) << o->Conditions;
        EXPECT_EQ(o->Conditions.find(','), std::string::npos);
        EXPECT_TRUE(o->Temperature >= -200 && o->Temperature <= 200);
        EXPECT_TRUE(o->Radiation >= 0 && o->Radiation <= 500);
    }
    EXPECT_EQ(planets, 60);
}

// Rules that can never be met, a crowded centre and shared sectors all end on valid sectors.
TEST(SystemPopulation, ImpossibleRulesAndACrowdedCentreEndOnFreeValidSectors) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef broken = AddPopulated(f, context, "Broken", "Odd");
    ASSERT_EQ(broken->objects.size(), 5u);
    EXPECT_EQ(CheckedSectors(*broken).size(), 5u);  // nothing fixed here, so no two share a sector
    EXPECT_EQ(broken->PhysicalType, PhysicalBlackHole);
    EXPECT_TRUE(broken->HasBlackHole);
    EXPECT_FALSE(broken->EmpireCanStartInSystem);

    const SystemRef crowded = AddPopulated(f, context, "Crowded", "Busy");
    ASSERT_EQ(crowded->objects.size(), 41u);
    for (const auto& o : crowded->objects) EXPECT_FALSE(InStarBlock(*crowded->objects[0], *o));
    EXPECT_EQ(CheckedSectors(*crowded, 1).size(), 40u);
}

TEST(SystemPopulation, EvaluatingRules) {
    RandomSource random(7);
    std::vector<SystemTypeObject> objects(3);
    objects[2].SectorX = 4;
    objects[2].SectorY = -2;
    auto sector = [&](const std::string& rule) { return EvaluatePositionRule(rule, objects, random).sector; };
    EXPECT_EQ(sector("Same 0 2"), (SectorPoint{4, -2}));
    EXPECT_EQ(sector("Offset 2 x 0"), (SectorPoint{4, -2}));
    EXPECT_EQ(sector("Coord 5,x"), (SectorPoint{5, 0}));  // a part that is no number stays 0
    EXPECT_EQ(sector("Unknown words"), (SectorPoint{0, 0}));
    EXPECT_FALSE(sector("Same 0 3"));   // no such object
    EXPECT_FALSE(sector("Coord 13,4"));  // outside the field
    EXPECT_FALSE(sector("Offset 2"));   // missing words
    EXPECT_FALSE(sector("Circle 0 7 x"));
    EXPECT_FALSE(sector("Ring  3"));    // two blanks: word 1 is empty
    // An unplaced object is still at the centre.
    EXPECT_EQ(sector("Same 0 1"), (SectorPoint{0, 0}));
}

TEST(SystemPopulation, SingleRandomSystemTakesTypedOrGeneratedName) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef named = GenerateRandomSystem(context, "Vega Type", 30, 40, "Altair");
    EXPECT_EQ(named->name, "Altair");
    EXPECT_EQ(named->X, 30);
    EXPECT_EQ(named->y, 40);
    EXPECT_EQ(named->Description, "Vega Type system");
    EXPECT_EQ(named->PortraitIndex, 3);
    ASSERT_EQ(named->NStellarBackGround(), 1);
    const SystemRef generated = GenerateRandomSystem(context, "Nebula", 31, 40, "");
    EXPECT_FALSE(generated->name.empty());  // from the rules file: consonant and vowel letters
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(generated->name[0]))) << generated->name;
    EXPECT_EQ(generated->PhysicalType, PhysicalNebulae);
    EXPECT_EQ(f.universe.NSistemas(), 2);
}

TEST(RandomChecks, RandomMapRequestInTheDialogsOrder) {
    Fixture f;
    const GameData& d = f.data;
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "abc", "Random"), "The number of systems must be between 10 and 200");
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "81", "Grid"), "The number of systems must be between 10 and 80");
    EXPECT_EQ(CheckRandomMapRequest(d, "Nowhere", "9", "Ring"), "The number of systems must be between 10 and 200");
    EXPECT_EQ(CheckRandomMapRequest(d, "Nowhere", "50", "Ring"), "Select a valid quadrant type");
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "50", "Ring"), "Select a valid quadrant shape");
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "50", "random"), "Select a valid quadrant shape");
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "200", "Spiral"), "");
    EXPECT_EQ(CheckRandomMapRequest(d, "Open", "10", "Islands"), "");
    EXPECT_EQ(MaxRandomSystems("Random", 120), 120);
    EXPECT_EQ(RandomSystemsNumber("12,4"), 12);
    EXPECT_EQ(SystemsFieldFor(d.QuadrantTypes.FindQuadrantType("Fixed")).text, "12");
    EXPECT_TRUE(SystemsFieldFor(d.QuadrantTypes.FindQuadrantType("Fixed")).red);
    EXPECT_EQ(SystemsFieldFor(d.QuadrantTypes.FindQuadrantType("Open")).text, "50");
    EXPECT_EQ(CheckSystemTypeChoice(d, "Nebula"), "");
    EXPECT_EQ(CheckSystemTypeChoice(d, "nebula"), "Select a valid System Type");
}

TEST(SystemPopulation, AnUnknownObjectKindIsReportedAndLeftOut) {
    // Such an object would be written as ability lines alone and make the map
    // unreadable; it must never reach the universe.
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef system = AddPopulated(f, context, "Vega Type", "Vega");
    const std::int32_t before = f.universe.NObjetosU();
    SystemTypeObject comet;
    comet.PhysicalKind = "Comet";
    ObjectCounters counters;
    EXPECT_EQ(CreateRandomObject(context, comet, system, 0, 0, counters), nullptr);
    EXPECT_EQ(f.universe.NObjetosU(), before);
    ASSERT_FALSE(f.reporter.entries.empty());
    EXPECT_NE(f.reporter.entries.back().message.find("'Comet'"), std::string::npos);
}

// The values come from the draws in a fixed order: a planet's three
// resources, gravity, temperature, radiation and conditions; an asteroid
// field's three resources, each 155 and up.
TEST(SystemPopulation, PlanetAndAsteroidValuesComeFromTheirDrawsInOrder) {
    Fixture f;
    GenerationContext context = f.Context();
    const SystemRef system = AddTestSystem(f.universe, "Vega", 20, 20);
    ObjectCounters counters;
    SystemTypeObject planet{"Planet", "Coord 0,0", "", "Any", "", "Any", "Any"};
    SystemTypeObject field{"Asteroids", "Coord 0,0", "", "Any", "", "", "Any"};
    for (int k = 0; k < 50; ++k) {
        RandomSource expected = f.random;
        const SpaceObjectRef p = CreateRandomObject(context, planet, system, 1, 1, counters);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->resMinerals, RandomInt(expected, 0, 150));
        EXPECT_EQ(p->resOrganics, RandomInt(expected, 0, 150));
        EXPECT_EQ(p->resRadioactives, RandomInt(expected, 0, 150));
        EXPECT_DOUBLE_EQ(*ParseReal(p->Gravity), std::nearbyint(RandomReal(expected, 0, 2) * 100) / 100) << p->Gravity;
        EXPECT_EQ(p->Temperature, RandomInt(expected, -200, 200));
        EXPECT_EQ(p->Radiation, RandomInt(expected, 0, 500));
        EXPECT_DOUBLE_EQ(*ParseReal(p->Conditions), std::nearbyint(RandomReal(expected, -0.5, 2) * 10) / 10)
            << p->Conditions;

        expected = f.random;
        const SpaceObjectRef a = CreateRandomObject(context, field, system, 2, 2, counters);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->resMinerals, 155 + RandomInt(expected, 0, 90));
        EXPECT_EQ(a->resOrganics, 155 + RandomInt(expected, 0, 90));
        EXPECT_EQ(a->resRadioactives, 155 + RandomInt(expected, 0, 90));
    }
}

// With several objects allowed per sector only a star's 3 by 3 block is
// avoided: the forty planets that ask for the centre share the nearest sector
// outside it.
TEST(SystemPopulation, WithMultipleObjectsOnlyAStarsBlockIsAvoided) {
    Fixture f;
    GenerationContext multiple = f.Context(true);
    const SystemRef shared = AddPopulated(f, multiple, "Crowded", "Shared");
    ASSERT_EQ(shared->objects.size(), 41u);
    const std::set<std::pair<int, int>> sectors = CheckedSectors(*shared, 1);
    EXPECT_EQ(sectors.size(), 1u);
    for (const auto& o : shared->objects) EXPECT_FALSE(InStarBlock(*shared->objects[0], *o));
}

// "Coord" and "Same" name their sector outright: it is taken even when an
// object is there already.
TEST(SystemPopulation, CoordAndSameRulesTakeTheirSectorEvenWhenOccupied) {
    Fixture f;
    GenerationContext context = f.Context();
    RandomSystemType type;
    type.Objects = {{"Star", "Ring 1", "", "Any", "Any", "", ""},
                    {"Planet", "Coord 1,1", "", "Any", "", "Any", "Any"},
                    {"Asteroids", "Coord 0,0", "", "Any", "", "", "Any"},
                    {"Storm", "Same 0 1", "", "", "", "", ""}};
    const SystemRef system = AddTestSystem(f.universe, "Stack", 20, 20);
    PopulateSystem(context, system, type);
    ASSERT_EQ(system->objects.size(), 4u);
    EXPECT_EQ(SectorOf(*system->objects[1]), std::make_pair(1, 1));  // inside the star's block
    EXPECT_EQ(SectorOf(*system->objects[2]), std::make_pair(0, 0));  // on the star itself
    EXPECT_EQ(SectorOf(*system->objects[3]), std::make_pair(1, 1));  // on the planet
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <set>

#include "ShippedData.h"
#include "random/StartUp.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "random/NameGenerator.h"

namespace {

// The shipped data set, read once for all checks (the start-up test checks
// that it reads without a message).
class DefaultDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RecordingReporter reporter;
        RandomSource random;
        StartUp(ShippedProgramFolder(), shipped, random, 1, reporter);
    }
    static inline GameData shipped;
    const GameData* data = &shipped;
};

TEST_F(DefaultDataTest, StarsForEveryColourAndSize) {
    for (const auto& colour : StarColours())
        for (const auto& size : ObjectSizes()) EXPECT_FALSE(data->Stellar.StarTypesOf(colour, size).empty()) << colour << size;
}

TEST_F(DefaultDataTest, PlanetsForEverySizeTypeAndAtmosphere) {
    const auto& atmospheres = data->SystemTypes.Atmospheres();
    ASSERT_EQ(atmospheres.size(), 5u);
    std::vector<std::string> sizes = ObjectSizes();
    sizes.push_back("Ringworld");
    sizes.push_back("Sphereworld");
    for (const auto& size : sizes)
        for (const auto& type : PlanetTypes())
            for (const auto& atmosphere : atmospheres)
                EXPECT_FALSE(data->Stellar.PlanetTypesOf(size, type, atmosphere).empty()) << size << type << atmosphere;
}

TEST_F(DefaultDataTest, AsteroidsStormsAndWarpPoints) {
    for (const auto& size : ObjectSizes()) {
        EXPECT_FALSE(data->Stellar.AsteroidTypesOf(size, "Rock").empty()) << size;
        EXPECT_FALSE(data->Stellar.AsteroidTypesOf(size, "Ice").empty()) << size;
        EXPECT_FALSE(data->Stellar.WarpTypesOf(size).empty()) << size;
    }
    EXPECT_GE(data->Stellar.StormTypes().size(), 3u);
    EXPECT_GE(data->Stellar.WarpTypesOf("Large").size(), 2u);
    for (const auto& e : data->Stellar.Entries()) {
        EXPECT_NE(e.Ordinal, 0);
        EXPECT_FALSE(e.PictureFile.empty()) << e.Name;
    }
    EXPECT_LE(data->Stellar.PictureFiles().size(), 30u);  // a small, regular set
}

TEST_F(DefaultDataTest, AbilitiesOfTheSixGroupsAndAnUnknownOne) {
    for (std::int32_t code : {1, 2, 3, 4, 8}) EXPECT_FALSE(data->Abilities.AbilitiesOfKind(code).empty()) << code;
    EXPECT_FALSE(data->Abilities.AbilitiesOfGroup("Unstable Warp Point").empty());
    const auto& all = data->Abilities.Entries();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const AbilityDefinition& a) { return a.ObjectKind == "Unknown"; }));
}

TEST_F(DefaultDataTest, PortraitsBackgroundsAndSystemTypes) {
    for (const char* physical : {"Normal", "Black Hole", "Nebulae"})
        EXPECT_FALSE(data->SystemTypes.PortraitsOfPhysicalType(physical).empty()) << physical;
    EXPECT_GE(data->SystemTypes.StellarBackgrounds().size(), 8u);

    const auto& types = data->RandomSystemTypes.Types();
    EXPECT_GE(types.size(), 10u);
    std::set<std::string> rules, kinds, physical;
    for (const auto& t : types) {
        physical.insert(t.PhysicalType);
        EXPECT_FALSE(data->ChanceTypes.FindChanceType(t.ChanceType).Name.empty()) << t.Name;
        for (const auto& o : t.Objects) {
            rules.insert(o.PositionRule.substr(0, o.PositionRule.find(' ')));
            kinds.insert(o.PhysicalKind);
            EXPECT_FALSE(data->Abilities.AbilitiesOfGroup(o.AbilityGroup).empty()) << t.Name << o.AbilityGroup;
        }
    }
    EXPECT_EQ(rules, (std::set<std::string>{"Ring", "Coord", "Offset", "Circle", "Same", "Any"}));
    EXPECT_EQ(kinds, (std::set<std::string>{"Star", "Planet", "Asteroids", "Storm"}));
    EXPECT_EQ(physical, (std::set<std::string>{"Normal", "Black Hole", "Nebulae"}));
    EXPECT_GE(data->RandomSystemTypes.FindRandomSystemType("Asteroid Belt").Objects.size(), 15u);
}

// A generated system holds only what the editor lets a user put there: no
// object but warp points in a black hole, only storms besides them in a nebula.
TEST_F(DefaultDataTest, SystemTypesHoldOnlyKindsTheirPhysicalTypeAllows) {
    for (const auto& t : data->RandomSystemTypes.Types()) {
        for (const auto& o : t.Objects) {
            if (t.PhysicalType == "Black Hole") {
                ADD_FAILURE() << t.Name << " holds a " << o.PhysicalKind;
            } else if (t.PhysicalType == "Nebulae") {
                EXPECT_EQ(o.PhysicalKind, "Storm") << t.Name;
            }
        }
    }
}

// Every object of every system type draws a catalogue type without a message.
TEST_F(DefaultDataTest, EverySystemTypeObjectFindsACatalogueType) {
    RandomSource random(3);
    RecordingReporter reporter;
    const auto& atmospheres = data->SystemTypes.Atmospheres();
    for (const auto& t : data->RandomSystemTypes.Types()) {
        for (const auto& o : t.Objects) {
            std::int32_t ordinal = 0;
            if (o.PhysicalKind == "Star") ordinal = data->Stellar.RandomStarType(o.Colour, o.Size, random, reporter);
            if (o.PhysicalKind == "Planet")
                ordinal = data->Stellar.RandomPlanetType(o.Size, o.ObjectType, o.Atmosphere, atmospheres, random, reporter);
            if (o.PhysicalKind == "Asteroids")
                ordinal = data->Stellar.RandomAsteroidType(o.Size, o.ObjectType, random, reporter);
            if (o.PhysicalKind == "Storm") ordinal = data->Stellar.RandomStormType(random, reporter);
            EXPECT_GT(ordinal, 0) << t.Name << " " << o.PhysicalKind;
        }
    }
    EXPECT_TRUE(reporter.entries.empty());
}

TEST_F(DefaultDataTest, QuadrantTypesReferToKnownSystemTypes) {
    const auto& quadrants = data->QuadrantTypes.Types();
    EXPECT_GE(quadrants.size(), 4u);
    bool withLocations = false, withoutLocations = false, full = false, partial = false;
    for (const auto& q : quadrants) {
        (q.Locations.empty() ? withoutLocations : withLocations) = true;
        const int sum = std::accumulate(q.SystemTypeChances.begin(), q.SystemTypeChances.end(), 0,
                                        [](int s, const SystemTypeChance& c) { return s + c.Chance; });
        EXPECT_LE(sum, 1000) << q.Name;
        if (sum == 1000) full = true;
        if (sum < 1000) partial = true;
        EXPECT_GT(q.MaxWarpPoints, 0) << q.Name;
        for (const auto& l : q.Locations) {
            EXPECT_FALSE(data->RandomSystemTypes.FindRandomSystemType(l.SystemType).Name.empty()) << l.SystemType;
            EXPECT_TRUE(l.X >= 0 && l.X < 68 && l.Y >= 0 && l.Y < 50) << q.Name;
        }
        for (const auto& c : q.SystemTypeChances)
            EXPECT_FALSE(data->RandomSystemTypes.FindRandomSystemType(c.SystemType).Name.empty()) << c.SystemType;
    }
    EXPECT_TRUE(withLocations && withoutLocations && full && partial);
}

TEST_F(DefaultDataTest, NamesRulesAndTemplates) {
    std::set<std::string> names;
    for (const auto& e : data->SystemNames.Entries()) names.insert(e.Name);
    EXPECT_GE(names.size(), 250u);
    EXPECT_EQ(names.size(), data->SystemNames.Entries().size());
    EXPECT_EQ(names.count(""), 0u);

    EXPECT_GE(ReadNameRules(ShippedProgramFolder()).size(), 12u);
    RandomSource random(8);
    std::set<std::string> generated;
    for (int i = 0; i < 50; ++i) generated.insert(GenerateName(ShippedProgramFolder(), random));
    EXPECT_GT(generated.size(), 30u);

    const auto blackHole = ReadTextLines(ShippedProgramFolder() / "BlackHole.dat");
    ASSERT_TRUE(blackHole);
    ASSERT_EQ(blackHole->size(), 31u);
    for (const auto& line : *blackHole) EXPECT_EQ(line.substr(50, 3), ":= ") << line;
}

// A generated name becomes a system's name and the stem of its objects'
// names ("Kave Ast. I"): it must start with a capital and end with a letter.
TEST_F(DefaultDataTest, NamesFromTheShippedRulesAreClean) {
    const std::vector<std::string> rules = ReadNameRules(ShippedProgramFolder());
    ASSERT_FALSE(rules.empty());
    RandomSource random(1000);
    for (int i = 0; i < 1000; ++i) {
        const std::string name = GenerateNameFromRules(rules, random);
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name.front()))) << "'" << name << "'";
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(name.back()))) << "'" << name << "'";
    }
}

}  // namespace

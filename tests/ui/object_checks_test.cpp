#include <gtest/gtest.h>

#include "../core/MapfileTestSupport.h"
#include "ui/dialogs/FieldReading.h"
#include "ui/dialogs/ObjectChecks.h"

namespace {

using FakeNames = maptest::FakeTypeNames;  // "Yellow Medium Star" is 1, "Medium Rock Planet" 2

PlanetFields GoodPlanet() {
    return {"Terra", "1", "2", "Medium", "Rock", "Oxygen", "10", "20", "30", "1", "15", "0.9", "100"};
}

struct PlanetCheckTest : ::testing::Test {
    std::string Failure(const PlanetFields& f, bool changed = true, const std::string& exact = "Medium Rock Planet") {
        objectType = 0;
        return FirstPlanetFailure(f, {names, changed, exact}, objectType);
    }
    FakeNames names;
    std::int32_t objectType = 0;
};

}  // namespace

TEST(FieldReading, WholeFieldsRoundHalfToEvenAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(ReadWholeField("2.5"), 2);
    EXPECT_EQ(ReadWholeField("3.5"), 4);
    EXPECT_EQ(ReadWholeField("-2,5"), -2);
    EXPECT_EQ(ReadWholeField(" 7 "), 7);
    EXPECT_FALSE(ReadWholeField("3000000000").has_value());
    EXPECT_FALSE(ReadWholeField("1e12").has_value());
    EXPECT_FALSE(ReadWholeField("abc").has_value());
    EXPECT_FALSE(ReadWholeField("").has_value());
}

TEST(SpecificTypeCheck, UnchangedChoiceKeepsTheTypeAndChangedChoiceLooksItUp) {
    FakeNames names;
    std::int32_t type = 7;
    EXPECT_EQ(SpecificTypeCheck({names, false, ""}).Run(type), "");
    EXPECT_EQ(type, 7);
    EXPECT_EQ(SpecificTypeCheck({names, true, "Yellow Medium Star"}).Run(type), "");
    EXPECT_EQ(type, 1);
    EXPECT_EQ(SpecificTypeCheck({names, true, ""}).Run(type), NoSpecificTypeMessage);
    EXPECT_EQ(type, 0);
    // A storm has nothing but its sector to check before its type.
    type = 5;
    EXPECT_EQ(FirstStormFailure({"a", "b"}, {names, false, ""}, type), "The Storm X must be numeric");
    EXPECT_EQ(FirstStormFailure({"1", "b"}, {names, false, ""}, type), "The Storm Y must be numeric");
    EXPECT_EQ(FirstStormFailure({"1", "2"}, {names, false, ""}, type), "");
    EXPECT_EQ(type, 5);
}

TEST(StarChecks, ReportTheFirstFailureInOrder) {
    FakeNames names;
    std::int32_t type = 0;
    const SpecificTypeCheck chosen{names, true, "Yellow Medium Star"};
    EXPECT_EQ(FirstStarFailure({"Sol", "1", "2", "Yellow", "Medium"}, chosen, type), "");
    EXPECT_EQ(type, 1);
    EXPECT_EQ(FirstStarFailure({"", "x", "2", "Yellow", "Medium"}, chosen, type), "The Star needs a name");
    EXPECT_EQ(FirstStarFailure({"Sol", "x", "y", "", ""}, chosen, type), "The Star X must be numeric");
    EXPECT_EQ(FirstStarFailure({"Sol", "1", "y", "", ""}, chosen, type), "The Star Y must be numeric");
    EXPECT_EQ(FirstStarFailure({"Sol", "1", "2", "", ""}, chosen, type), "The Star must have a color");
    EXPECT_EQ(FirstStarFailure({"Sol", "1", "2", "Red", ""}, chosen, type), "The Star must have size");
    type = 0;
    EXPECT_EQ(FirstStarFailure({"Sol", "1", "2", "Red", "Huge"}, {names, true, ""}, type), NoSpecificTypeMessage);
    // A coordinate too large for 32 bits is not numeric rather than wrapped.
    EXPECT_EQ(FirstStarFailure({"Sol", "99999999999", "2", "Red", "Huge"}, chosen, type),
              "The Star X must be numeric");
}

TEST_F(PlanetCheckTest, AtmosphereIsReportedBeforeNonNumericMinerals) {
    PlanetFields f = GoodPlanet();
    f.minerals = "lots";
    f.atmosphere = "";
    EXPECT_EQ(Failure(f), "The Planet must have Size, Type and Atmosphere");
    f.atmosphere = "Oxygen";
    EXPECT_EQ(Failure(f), "The Planet minerals production must be numeric");
}

TEST_F(PlanetCheckTest, RangesIncludeTheirBounds) {
    PlanetFields f = GoodPlanet();
    f.minerals = "255";
    f.temperature = "-200";
    f.gravity = "2";
    f.conditions = "-0.5";
    f.radiation = "500";
    EXPECT_EQ(Failure(f), "");
    EXPECT_EQ(objectType, 2);

    auto with = [&](std::string PlanetFields::*field, const std::string& value) {
        PlanetFields g = GoodPlanet();
        g.*field = value;
        return Failure(g);
    };
    EXPECT_EQ(with(&PlanetFields::minerals, "256"), "The Planet minerals production must in range (0,255)");
    EXPECT_EQ(with(&PlanetFields::organics, "-1"), "The Planet organics production must in range (0,255)");
    EXPECT_EQ(with(&PlanetFields::radioactives, "300"), "The Planet radioactives production must in range (0,255)");
    EXPECT_EQ(with(&PlanetFields::gravity, "2.01"), "The Planet gravity must be in range (0.0,2.0)");
    EXPECT_EQ(with(&PlanetFields::gravity, "heavy"), "The Planet gravity must be numeric");
    EXPECT_EQ(with(&PlanetFields::temperature, "-201"), "The Planet temperature must be in range (-200,200)");
    EXPECT_EQ(with(&PlanetFields::conditions, "-0.6"), "The Planet Condition must be in range (-0.5,2)");
    EXPECT_EQ(with(&PlanetFields::conditions, "?"), "The Planet conditions must be numeric");
    EXPECT_EQ(with(&PlanetFields::radiation, "501"), "The Planet radiation must be in range (0,500)");
    EXPECT_EQ(with(&PlanetFields::radiation, "1e10"), "The Planet radiation must be numeric");
    EXPECT_EQ(with(&PlanetFields::name, ""), "The Planet needs a name");
    EXPECT_EQ(with(&PlanetFields::y, "north"), "The Planet Y must be numeric");
}

TEST(AsteroidChecks, ReportTheFirstFailureInOrder) {
    FakeNames names;
    std::int32_t type = 4;
    const SpecificTypeCheck same{names, false, ""};
    AsteroidFields f{"Belt", "1", "1", "Small", "Rock", "0", "90", "255"};
    EXPECT_EQ(FirstAsteroidFailure(f, same, type), "");
    f.type = "";
    f.minerals = "x";
    EXPECT_EQ(FirstAsteroidFailure(f, same, type), "The Asteroids must have Size and Type");
    f.type = "Ice";
    EXPECT_EQ(FirstAsteroidFailure(f, same, type), "The Asteroids minerals production must be numeric");
    f.minerals = "256";
    EXPECT_EQ(FirstAsteroidFailure(f, same, type), "The Asteroids minerals production must in range (0,255)");
    f.minerals = "1";
    f.name = "";
    EXPECT_EQ(FirstAsteroidFailure(f, same, type), "The Asteroids need a name");
}

TEST(WarpChecks, DestinationMustExistExactlyBeforeAnythingElse) {
    CUniverse universe;
    SystemRef vega = NewSystem();
    vega->name = "Vega";
    universe.AddSystem(vega);
    FakeNames names;
    std::int32_t type = 9;
    const SpecificTypeCheck same{names, false, ""};
    EXPECT_EQ(FirstWarpFailure({"x", "1", "vega", "1", "1", "Large"}, universe, same, type),
              "The Warp destination System must exist");
    EXPECT_EQ(FirstWarpFailure({"x", "1", " Vega ", "1", "1", "Large"}, universe, same, type),
              "The Warp X must be numeric");
    EXPECT_EQ(FirstWarpFailure({"1", "1", "Vega", "1", "q", "Large"}, universe, same, type),
              "The Warp Y destination must be numeric");
    EXPECT_EQ(FirstWarpFailure({"1", "1", "Vega", "q", "1", "Large"}, universe, same, type),
              "The Warp destination X must be numeric");
    EXPECT_EQ(FirstWarpFailure({"1", "1", "Vega", "1", "1", ""}, universe, same, type), "The Warp must have size");
    EXPECT_EQ(FirstWarpFailure({"1", "1", "Vega", "1", "1", "Large"}, universe, same, type), "");
}

#include "ui/dialogs/ObjectChecks.h"

#include <optional>
#include <vector>

#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "ui/dialogs/FieldReading.h"

const char* const NoSpecificTypeMessage = "Please, specify the Specific Type of the Object";

namespace {

// One check: a test that fails, and the message it reports.
struct Check {
    bool fails;
    std::string message;
};
using Checks = std::vector<Check>;

// The first failing check of the groups, taken in order.
std::string FirstFailure(std::initializer_list<Checks> groups) {
    for (const Checks& group : groups)
        for (const Check& check : group)
            if (check.fails) return check.message;
    return {};
}

bool NotWhole(const std::string& text) { return !ReadWholeField(text).has_value(); }
bool NotNumeric(const std::string& text) { return !IsNumeric(text); }

// True when the text is numeric and its value lies outside [low, high]; a
// text that is not numeric was already refused by an earlier check.
bool OutOfRange(const std::string& text, double low, double high) {
    const std::optional<double> value = ReadRealField(text);
    return value && (*value < low || *value > high);
}

std::int32_t Whole(const std::string& text) { return ReadWholeField(text).value_or(0); }

// The files use the point as decimal separator whatever was typed.
std::string RealText(const std::string& text) { return CommaToPoint(text); }

// "The Star X must be numeric", "The Star Y must be numeric".
Checks SectorChecks(const std::string& kind, const std::string& x, const std::string& y) {
    return {{NotWhole(x), "The " + kind + " X must be numeric"}, {NotWhole(y), "The " + kind + " Y must be numeric"}};
}

// Whole numbers first, then their range, in the order minerals, organics, radioactives.
Checks ResourceChecks(const std::string& kind, const std::string& minerals, const std::string& organics,
                      const std::string& radioactives) {
    const std::string names[] = {"minerals", "organics", "radioactives"};
    const std::string* texts[] = {&minerals, &organics, &radioactives};
    Checks checks;
    for (int i = 0; i < 3; ++i)
        checks.push_back({NotWhole(*texts[i]), "The " + kind + " " + names[i] + " production must be numeric"});
    for (int i = 0; i < 3; ++i)
        checks.push_back({OutOfRange(*texts[i], 0, 255),
                          "The " + kind + " " + names[i] + " production must in range (0,255)"});
    return checks;
}

std::string WithSpecificType(const std::string& failure, const SpecificTypeCheck& type, std::int32_t& objectType) {
    return failure.empty() ? type.Run(objectType) : failure;
}

}  // namespace

std::string SpecificTypeCheck::Run(std::int32_t& objectType) const {
    if (typeChanged) objectType = names.OrdinalOfTypeName(exactText);
    return objectType == 0 ? NoSpecificTypeMessage : std::string();
}

std::string FirstStarFailure(const StarFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    return WithSpecificType(FirstFailure({
                                {{f.name.empty(), "The Star needs a name"}},
                                SectorChecks("Star", f.x, f.y),
                                {{f.colour.empty(), "The Star must have a color"},
                                 {f.size.empty(), "The Star must have size"}},
                            }),
                            type, objectType);
}

void WriteStarFields(const StarFields& f, CurrentObjectRecord& current) {
    current.Name = f.name;
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.Colour = f.colour;
    current.Size = f.size;
}

std::string FirstStormFailure(const StormFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    return WithSpecificType(FirstFailure({SectorChecks("Storm", f.x, f.y)}), type, objectType);
}

void WriteStormFields(const StormFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
}

std::string FirstPlanetFailure(const PlanetFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    const std::string failure = FirstFailure({
        {{f.name.empty(), "The Planet needs a name"},
         {f.size.empty() || f.type.empty() || f.atmosphere.empty(), "The Planet must have Size, Type and Atmosphere"}},
        SectorChecks("Planet", f.x, f.y),
        ResourceChecks("Planet", f.minerals, f.organics, f.radioactives),
        {{NotNumeric(f.gravity), "The Planet gravity must be numeric"},
         {OutOfRange(f.gravity, 0.0, 2.0), "The Planet gravity must be in range (0.0,2.0)"},
         {NotWhole(f.temperature), "The Planet temperature must be numeric"},
         {OutOfRange(f.temperature, -200, 200), "The Planet temperature must be in range (-200,200)"},
         {NotNumeric(f.conditions), "The Planet conditions must be numeric"},
         {OutOfRange(f.conditions, -0.5, 2), "The Planet Condition must be in range (-0.5,2)"},
         {NotWhole(f.radiation), "The Planet radiation must be numeric"},
         {OutOfRange(f.radiation, 0, 500), "The Planet radiation must be in range (0,500)"}},
    });
    return WithSpecificType(failure, type, objectType);
}

void WritePlanetFields(const PlanetFields& f, CurrentObjectRecord& current) {
    // A planet is written as an asteroid field plus what only planets have.
    WriteAsteroidFields({f.name, f.x, f.y, f.size, f.type, f.minerals, f.organics, f.radioactives}, current);
    current.Atmosphere = f.atmosphere;
    current.Radiation = Whole(f.radiation);
    current.Temperature = Whole(f.temperature);
    current.Gravity = RealText(f.gravity);
    current.Conditions = RealText(f.conditions);
}

std::string FirstAsteroidFailure(const AsteroidFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    const std::string failure = FirstFailure({
        {{f.name.empty(), "The Asteroids need a name"},
         {f.size.empty() || f.type.empty(), "The Asteroids must have Size and Type"}},
        SectorChecks("Asteroids", f.x, f.y),
        ResourceChecks("Asteroids", f.minerals, f.organics, f.radioactives),
    });
    return WithSpecificType(failure, type, objectType);
}

void WriteAsteroidFields(const AsteroidFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.Name = f.name;
    current.Size = f.size;
    current.Type = f.type;
    current.Minerals = Whole(f.minerals);
    current.Organics = Whole(f.organics);
    current.Radioactives = Whole(f.radioactives);
}

std::string FirstWarpFailure(const WarpFields& f, const CUniverse& universe, const SpecificTypeCheck& type,
                             std::int32_t& objectType) {
    const std::string failure = FirstFailure({
        {{universe.FindSystemByName(f.destinationName) == nullptr, "The Warp destination System must exist"}},
        SectorChecks("Warp", f.x, f.y),
        {{NotWhole(f.destX), "The Warp destination X must be numeric"},
         {NotWhole(f.destY), "The Warp Y destination must be numeric"},
         {f.size.empty(), "The Warp must have size"}},
    });
    return WithSpecificType(failure, type, objectType);
}

void WriteWarpFields(const WarpFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.DestY = Whole(f.destY);
    current.DestX = Whole(f.destX);
    current.Size = f.size;
    current.DestinationName = f.destinationName;
}

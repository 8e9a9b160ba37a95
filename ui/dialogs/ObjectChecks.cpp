#include "ui/dialogs/ObjectChecks.h"

#include <optional>
#include <vector>

#include "catalog/TextHelpers.h"
#include "model/CUniverse.h"
#include "ui/dialogs/FieldReading.h"

const char* const NoSpecificTypeMessage = "Please, specify the Specific Type of the Object";

namespace {

// One check: a test that fails, and the message it reports.
struct Check {
    bool fails;
    const char* message;
};

std::string FirstFailure(const std::vector<Check>& checks) {
    for (const Check& check : checks)
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

}  // namespace

std::string SpecificTypeCheck::Run(std::int32_t& objectType) const {
    if (typeChanged) objectType = names.OrdinalOfTypeName(exactText);
    return objectType == 0 ? NoSpecificTypeMessage : std::string();
}

std::string FirstStarFailure(const StarFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    std::string failure = FirstFailure({
        {f.name.empty(), "The Star needs a name"},
        {NotWhole(f.x), "The Star X must be numeric"},
        {NotWhole(f.y), "The Star Y must be numeric"},
        {f.colour.empty(), "The Star must have a color"},
        {f.size.empty(), "The Star must have size"},
    });
    return failure.empty() ? type.Run(objectType) : failure;
}

void WriteStarFields(const StarFields& f, CurrentObjectRecord& current) {
    current.Name = f.name;
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.Colour = f.colour;
    current.Size = f.size;
}

std::string FirstStormFailure(const StormFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    std::string failure = FirstFailure({
        {NotWhole(f.x), "The Storm X must be numeric"},
        {NotWhole(f.y), "The Storm Y must be numeric"},
    });
    return failure.empty() ? type.Run(objectType) : failure;
}

void WriteStormFields(const StormFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
}

std::string FirstPlanetFailure(const PlanetFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    std::string failure = FirstFailure({
        {f.name.empty(), "The Planet needs a name"},
        {f.size.empty() || f.type.empty() || f.atmosphere.empty(), "The Planet must have Size, Type and Atmosphere"},
        {NotWhole(f.x), "The Planet X must be numeric"},
        {NotWhole(f.y), "The Planet Y must be numeric"},
        {NotWhole(f.minerals), "The Planet minerals production must be numeric"},
        {NotWhole(f.organics), "The Planet organics production must be numeric"},
        {NotWhole(f.radioactives), "The Planet radioactives production must be numeric"},
        {OutOfRange(f.minerals, 0, 255), "The Planet minerals production must in range (0,255)"},
        {OutOfRange(f.organics, 0, 255), "The Planet organics production must in range (0,255)"},
        {OutOfRange(f.radioactives, 0, 255), "The Planet radioactives production must in range (0,255)"},
        {NotNumeric(f.gravity), "The Planet gravity must be numeric"},
        {OutOfRange(f.gravity, 0.0, 2.0), "The Planet gravity must be in range (0.0,2.0)"},
        {NotWhole(f.temperature), "The Planet temperature must be numeric"},
        {OutOfRange(f.temperature, -200, 200), "The Planet temperature must be in range (-200,200)"},
        {NotNumeric(f.conditions), "The Planet conditions must be numeric"},
        {OutOfRange(f.conditions, -0.5, 2), "The Planet Condition must be in range (-0.5,2)"},
        {NotWhole(f.radiation), "The Planet radiation must be numeric"},
        {OutOfRange(f.radiation, 0, 500), "The Planet radiation must be in range (0,500)"},
    });
    return failure.empty() ? type.Run(objectType) : failure;
}

void WritePlanetFields(const PlanetFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.Name = f.name;
    current.Size = f.size;
    current.Type = f.type;
    current.Atmosphere = f.atmosphere;
    current.Minerals = Whole(f.minerals);
    current.Organics = Whole(f.organics);
    current.Radioactives = Whole(f.radioactives);
    current.Radiation = Whole(f.radiation);
    current.Temperature = Whole(f.temperature);
    current.Gravity = RealText(f.gravity);
    current.Conditions = RealText(f.conditions);
}

std::string FirstAsteroidFailure(const AsteroidFields& f, const SpecificTypeCheck& type, std::int32_t& objectType) {
    std::string failure = FirstFailure({
        {f.name.empty(), "The Asteroids need a name"},
        {f.size.empty() || f.type.empty(), "The Asteroids must have Size and Type"},
        {NotWhole(f.x), "The Asteroids X must be numeric"},
        {NotWhole(f.y), "The Asteroids Y must be numeric"},
        {NotWhole(f.minerals), "The Asteroids minerals production must be numeric"},
        {NotWhole(f.organics), "The Asteroids organics production must be numeric"},
        {NotWhole(f.radioactives), "The Asteroids radioactives production must be numeric"},
        {OutOfRange(f.minerals, 0, 255), "The Asteroids minerals production must in range (0,255)"},
        {OutOfRange(f.organics, 0, 255), "The Asteroids organics production must in range (0,255)"},
        {OutOfRange(f.radioactives, 0, 255), "The Asteroids radioactives production must in range (0,255)"},
    });
    return failure.empty() ? type.Run(objectType) : failure;
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
    std::string failure = FirstFailure({
        {universe.FindSystemByName(f.destinationName) == nullptr, "The Warp destination System must exist"},
        {NotWhole(f.x), "The Warp X must be numeric"},
        {NotWhole(f.y), "The Warp Y must be numeric"},
        {NotWhole(f.destX), "The Warp destination X must be numeric"},
        {NotWhole(f.destY), "The Warp Y destination must be numeric"},
        {f.size.empty(), "The Warp must have size"},
    });
    return failure.empty() ? type.Run(objectType) : failure;
}

void WriteWarpFields(const WarpFields& f, CurrentObjectRecord& current) {
    current.X = Whole(f.x);
    current.Y = Whole(f.y);
    current.DestY = Whole(f.destY);
    current.DestX = Whole(f.destX);
    current.Size = f.size;
    current.DestinationName = f.destinationName;
}

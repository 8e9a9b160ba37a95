#include "random/SystemPopulation.h"

#include "text/TextHelpers.h"
#include "model/RomanNumeral.h"
#include "random/BlockRoom.h"
#include "random/NameGenerator.h"
#include "random/ObjectPlacement.h"
#include "random/OnceReporter.h"
#include "model/RandomDraws.h"
#include "random/SystemQueries.h"

#include <algorithm>

namespace {

void ApplyPhysicalType(CSystem& system, const std::string& physicalType) {
    system.PhysicalType = PhysicalNormal;
    system.EmpireCanStartInSystem = true;
    if (physicalType == "Nebulae") {
        system.PhysicalType = PhysicalNebulae;
        system.EmpireCanStartInSystem = false;
    } else if (physicalType == "Black Hole") {
        system.PhysicalType = PhysicalBlackHole;
        system.HasBlackHole = true;
        system.EmpireCanStartInSystem = false;
    }
}

std::string RoundedText(double value, int decimals) { return FormatReal(RoundDecimals(value, decimals)); }

void MakeStar(GenerationContext& context, CSpaceObject& star, const SystemTypeObject& object, const CSystem& S,
              ObjectCounters& counters) {
    star.IniciaCObjeto("STAR");
    star.name = S.name + " " + RomanNumeral(counters.stars++) + " Star ";
    star.StellarObjectType = context.data.Stellar.RandomStarType(object.Colour, object.Size, context.random,
                                                                 context.reporter);
}

void MakePlanet(GenerationContext& context, CSpaceObject& planet, const SystemTypeObject& object, const CSystem& S,
                ObjectCounters& counters) {
    RandomSource& random = context.random;
    planet.IniciaCObjeto("PLANET");
    planet.name = S.name + " " + RomanNumeral(counters.planets++);
    planet.resMinerals = RandomInt(random, 0, 150);
    planet.resOrganics = RandomInt(random, 0, 150);
    planet.resRadioactives = RandomInt(random, 0, 150);
    planet.Gravity = RoundedText(RandomReal(random, 0, 2), 2);
    planet.Temperature = RandomInt(random, -200, 200);
    planet.Radiation = RandomInt(random, 0, 500);
    planet.Conditions = RoundedText(RandomReal(random, -0.5, 2), 1);
    planet.StellarObjectType =
        context.data.Stellar.RandomPlanetType(object.Size, object.ObjectType, object.Atmosphere,
                                              context.data.SystemTypes.Atmospheres(), random, context.reporter);
}

void MakeAsteroids(GenerationContext& context, CSpaceObject& field, const SystemTypeObject& object, const CSystem& S,
                   ObjectCounters& counters) {
    field.IniciaCObjeto("ASTEROID");
    field.name = S.name + " Ast. " + RomanNumeral(counters.asteroids++);
    field.resMinerals = 155 + RandomInt(context.random, 0, 90);
    field.resOrganics = 155 + RandomInt(context.random, 0, 90);
    field.resRadioactives = 155 + RandomInt(context.random, 0, 90);
    field.StellarObjectType = context.data.Stellar.RandomAsteroidType(object.Size, object.ObjectType, context.random,
                                                                      context.reporter);
}

void MakeStorm(GenerationContext& context, CSpaceObject& storm, ObjectCounters& counters) {
    storm.IniciaCObjeto("STORM");
    ++counters.storms;
    storm.StellarObjectType = context.data.Stellar.RandomStormType(context.random, context.reporter);
}

// Abilities drawn by chance, never more than the object's lines may hold.
void AttachAbilities(GenerationContext& context, CSpaceObject& target, const SystemTypeObject& object) {
    const std::int32_t most = MaxAbilitiesOf(object.PhysicalKind);
    for (const AbilityDefinition& definition : context.data.Abilities.AbilitiesOfGroup(object.AbilityGroup)) {
        if (target.HeldAbilities() >= most) break;
        if (RandomInt(context.random, 1, 1000) > definition.Chance) continue;
        target.AddAbility(definition);
    }
}

}  // namespace

SystemRef CreateRandomSystem(GenerationContext& context, std::int32_t column, std::int32_t row,
                             const RandomSystemType& type, const std::string& name) {
    SystemRef system = NewSystem();
    system->name = name;
    system->PortraitBitmap = type.PortraitBitmap;
    system->PortraitIndex = static_cast<std::uint8_t>(std::clamp(type.PortraitIndex, 0, 255));
    system->X = column;
    system->y = row;
    system->Description = type.Description;
    CStellarBackground background;
    background.Set(2, 1, 1, context.data.SystemTypes.RandomBackground(context.random));
    system->addStellarBackground(background);
    ApplyPhysicalType(*system, type.PhysicalType);
    system->Checked = false;
    return system;
}

SpaceObjectRef CreateRandomObject(GenerationContext& context, const SystemTypeObject& object, const SystemRef& S,
                                  std::int32_t X, std::int32_t Y, ObjectCounters& counters) {
    auto created = std::make_shared<CSpaceObject>();
    if (object.PhysicalKind == "Star")
        MakeStar(context, *created, object, *S, counters);
    else if (object.PhysicalKind == "Planet")
        MakePlanet(context, *created, object, *S, counters);
    else if (object.PhysicalKind == "Asteroids")
        MakeAsteroids(context, *created, object, *S, counters);
    else if (object.PhysicalKind == "Storm")
        MakeStorm(context, *created, counters);
    else {
        // A kindless object would be written as ability lines alone, which no
        // reader (nor the map compiler) can take back: leave it out.
        context.reporter.Error("The object kind '" + object.PhysicalKind +
                               "' of a System Type is not known; the object is left out");
        return nullptr;
    }
    created->systema = S;
    created->coord = {X, Y};
    AttachAbilities(context, *created, object);
    context.universe.AddSpaceObject(created, S->ID);
    return created;
}

void PopulateSystem(GenerationContext& context, const SystemRef& system, const RandomSystemType& type) {
    ObjectCounters counters;
    std::vector<SystemTypeObject> objects = type.Objects;  // the placements are written into this copy only
    const std::size_t fitting =
        ObjectsThatFit(type, system->PhysicalType == PhysicalBlackHole, context.data.Abilities);
    if (fitting < objects.size()) {
        context.reporter.Error("The System Type '" + Elided(type.Name) + "' has more objects than one system can hold; "
                               "only its first " + std::to_string(fitting) + " are placed");
        objects.resize(fitting);
    }
    const CSystem& D = *system;
    for (std::size_t k = 0; k < objects.size(); ++k) {
        SectorPoint at;
        if (context.multipleObjects) {
            at = PlaceObjectAvoiding(k, objects, [&](std::int32_t X, std::int32_t Y) { return StarOccupied(D, X, Y); },
                                     true, context.random);
        } else {
            // The first object of a system is never tested.
            const bool first = k == 0;
            at = PlaceObjectAvoiding(
                k, objects, [&](std::int32_t X, std::int32_t Y) { return !first && SpaceObjectOccupied(D, X, Y); },
                false, context.random);
        }
        CreateRandomObject(context, objects[k], system, at.X, at.Y, counters);
    }
}

SystemRef GenerateRandomSystem(GenerationContext& outer, const std::string& typeName, std::int32_t column,
                               std::int32_t row, const std::string& typedName) {
    OnceReporter once(outer.reporter);
    GenerationContext context{outer.universe, outer.data, outer.random, once, outer.multipleObjects, outer.progress};
    const RandomSystemType type = context.data.RandomSystemTypes.FindRandomSystemType(typeName);
    const std::string name =
        typedName.empty() ? GenerateName(context.data.ProgramFolder, context.random) : typedName;
    SystemRef system = CreateRandomSystem(context, column, row, type, name);
    context.universe.AddSystem(system);
    PopulateSystem(context, system, type);
    context.progress.Redraw();
    return system;
}

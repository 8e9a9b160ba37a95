#include "random/RandomMap.h"

#include "random/OnceReporter.h"
#include "random/QuadrantLayout.h"
#include "random/RandomDraws.h"
#include "random/SystemPopulation.h"
#include "random/WarpLinks.h"

std::string DrawSystemTypeName(const QuadrantType& quadrant, RandomSource& random) {
    const std::int32_t r = RandomInt(random, 1, 1000);
    std::int32_t sum = 0;
    const SystemTypeChance* largest = nullptr;
    for (const SystemTypeChance& entry : quadrant.SystemTypeChances) {
        if (!largest || entry.Chance > largest->Chance) largest = &entry;
        if (sum + entry.Chance >= r) return entry.SystemType;
        sum += entry.Chance;
    }
    return largest ? largest->SystemType : std::string();
}

void RandomMapGenerator::GenerateRandomMap(GenerationContext& outer, const std::string& quadrantTypeName,
                                           std::int32_t N, const std::string& shape) {
    OnceReporter once(outer.reporter);
    GenerationContext context{outer.universe, outer.data, outer.random, once, outer.multipleObjects, outer.progress};
    context.universe.Clear();
    LayoutState layout = SetUpLayout(shape, N);
    layout.centres = DrawIslandCentres(context.random);
    context.data.SystemNames.ResetSystemNames();
    const QuadrantType quadrant = context.data.QuadrantTypes.FindQuadrantType(quadrantTypeName);
    GalaxyOccupancy occupancy;

    for (std::int32_t i = 0; i < N; ++i) {
        context.progress.Status("Generating System " + std::to_string(i));
        RandomSystemType type = context.data.RandomSystemTypes.FindRandomSystemType(
            DrawSystemTypeName(quadrant, context.random));
        GalaxyPoint position;
        if (static_cast<std::size_t>(i) < quadrant.Locations.size()) {
            const QuadrantLocation& location = quadrant.Locations[static_cast<std::size_t>(i)];
            type = context.data.RandomSystemTypes.FindRandomSystemType(location.SystemType);
            position = {location.X, location.Y};
        } else {
            position = PlaceSystem(i, N, previous_, layout, occupancy, context.random);
        }
        context.progress.Redraw();
        previous_ = position;

        const std::string name = context.data.SystemNames.PickSystemName(context.random, context.data.ProgramFolder);
        SystemRef system = CreateRandomSystem(context, position.X, position.Y, type, name);
        if (layout.clusterCentre) {
            layout.clusterCentre = false;
            system->ClusterCenter = true;
        }
        if (layout.endOfArm) {
            layout.endOfArm = false;
            system->EndOfArm = true;
        }
        context.universe.AddSystem(system);
        occupancy.Add(system);
        PopulateSystem(context, system, type);
    }
    context.progress.Redraw();
    ConnectWarps(context, shape, quadrant.MaxWarpPoints);
}

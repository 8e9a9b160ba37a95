#include "random/RandomMap.h"

#include <algorithm>

#include "text/TextHelpers.h"

#include "random/OnceReporter.h"
#include "random/QuadrantLayout.h"
#include "model/RandomDraws.h"
#include "random/SystemPopulation.h"
#include "random/WarpLinks.h"

std::string DrawSystemTypeName(const QuadrantType& quadrant, RandomSource& random) {
    const std::int32_t r = RandomInt(random, 1, 1000);
    // Summed in 64 bits: the file may hold any 32-bit chances. A negative
    // chance is no chance at all.
    std::int64_t sum = 0;
    const SystemTypeChance* largest = nullptr;
    const auto chanceOf = [](const SystemTypeChance& entry) { return std::max<std::int64_t>(entry.Chance, 0); };
    for (const SystemTypeChance& entry : quadrant.SystemTypeChances) {
        if (!largest || chanceOf(entry) > chanceOf(*largest)) largest = &entry;
        sum += chanceOf(entry);
        if (sum >= r) return entry.SystemType;
    }
    return largest ? largest->SystemType : std::string();
}

namespace {

struct Placement {
    RandomSystemType type;
    GalaxyPoint position;
};

// The type drawn from the chances, unless a fixed location gives both type
// and place; otherwise the shape gives the place.
Placement TypeAndPlace(GenerationContext& context, const QuadrantType& quadrant, std::int32_t i, std::int32_t N,
                       const GalaxyPoint& previous, LayoutState& layout, const GalaxyOccupancy& occupancy) {
    const RandomSystemTypeTable& types = context.data.RandomSystemTypes;
    Placement placement{types.FindRandomSystemType(DrawSystemTypeName(quadrant, context.random)), {}};
    if (static_cast<std::size_t>(i) < quadrant.Locations.size()) {
        const QuadrantLocation& location = quadrant.Locations[static_cast<std::size_t>(i)];
        // A system off the galaxy could be saved but never loaded again.
        if (GalaxyOccupancy::OnGrid(location.X, location.Y)) {
            placement.type = types.FindRandomSystemType(location.SystemType);
            placement.position = {location.X, location.Y};
            return placement;
        }
        context.reporter.Error("The location " + std::to_string(location.X) + ", " + std::to_string(location.Y) +
                               " of the Quadrant Type '" + Elided(quadrant.Name) +
                               "' lies outside the galaxy; it is skipped");
    }
    placement.position = PlaceSystem(i, N, previous, layout, occupancy, context.random);
    return placement;
}

// The shape's pending cluster-centre and end-of-arm marks go to the new system.
void TakeMarks(LayoutState& layout, CSystem& system) {
    if (layout.clusterCentre) system.ClusterCenter = true;
    if (layout.endOfArm) system.EndOfArm = true;
    layout.clusterCentre = layout.endOfArm = false;
}

}  // namespace

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
        const Placement placement = TypeAndPlace(context, quadrant, i, N, previous_, layout, occupancy);
        context.progress.Redraw();
        previous_ = placement.position;
        const std::string name = context.data.SystemNames.PickSystemName(context.random, context.data.ProgramFolder);
        SystemRef system = CreateRandomSystem(context, previous_.X, previous_.Y, placement.type, name);
        TakeMarks(layout, *system);
        context.universe.AddSystem(system);
        occupancy.Add(system);
        PopulateSystem(context, system, placement.type);
    }
    context.progress.Redraw();
    ConnectWarps(context, shape, quadrant.MaxWarpPoints);
}

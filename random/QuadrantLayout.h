#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "random/GalaxyOccupancy.h"

class RandomSource;

// Generated systems keep two cells away from the edge of the grid.
bool InGalaxyBounds(std::int32_t X, std::int32_t Y);

struct IslandCentre {
    GalaxyPoint point;
    bool used = false;
    std::int32_t islands = 0;  // islands started here (more than one only past nine islands)
};

// Where the shapes are in their walk; set up anew for every map.
struct LayoutState {
    std::string shape;
    std::int32_t arms = 1;          // K
    std::int32_t perArm = 1;        // P
    std::int32_t arm = 1;
    std::int32_t placeInArm = 1;
    float angle = 0, radius = 0, angleStep = 0, radiusStep = 0;
    std::int32_t islandCount = 1;   // I
    std::int32_t islandBase = 0;    // B
    std::vector<std::int32_t> islandSizes;  // S(1 .. I) at positions 0 .. I - 1
    std::int32_t island = 0;
    std::int32_t inIsland = 0;
    GalaxyPoint islandCentre;
    std::array<IslandCentre, 9> centres{};
    bool endOfArm = false;
    bool clusterCentre = false;
};

// Draws the nine island centres (row by row: the row's Y, then its three X).
std::array<IslandCentre, 9> DrawIslandCentres(RandomSource& random);
// The state for a map of N systems; the centres are drawn by the caller.
LayoutState SetUpLayout(const std::string& shape, std::int32_t N);

// Positions system i of N by the shape; previous is the position of the
// system made before it (kept across maps). Sets the state's end-of-arm and
// cluster-centre flags as the shape requires.
GalaxyPoint PlaceSystem(std::int32_t i, std::int32_t N, const GalaxyPoint& previous, LayoutState& state,
                        const GalaxyOccupancy& occupancy, RandomSource& random);

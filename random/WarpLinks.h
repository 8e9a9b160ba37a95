#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CSystem.h"
#include "random/GalaxyOccupancy.h"
#include "random/GenerationContext.h"

// The most warp points a source system links up to: 4 for the grid shape,
// otherwise drawn from 3 to the quadrant type's maximum (at least 3).
std::int32_t DrawWarpLimit(RandomSource& random, bool gridShape, std::int32_t maxWarpPoints);

// Quadrant code of candidate C seen from source S on the galaxy grid (rows
// grow downwards): 0 right/up, 1 right/down, 2 left/down, 3 left/up.
std::int32_t QuadrantCode(const CSystem& S, const CSystem& C);
// The code seen from the other end: 0 and 2 swap, 1 and 3 swap.
std::int32_t OppositeCode(std::int32_t code);

// The galaxy's occupied cells in the order the square search windows visit
// them (column by column, top to bottom within a column).
class WarpSearch {
public:
    explicit WarpSearch(const GalaxyOccupancy& occupancy);

    // Up to limit nearest systems not yet Checked, each marked Checked with
    // its distance in Hypo, in the order found (inner windows first).
    std::vector<SystemRef> FindWarpCandidates(const CSystem& S, std::int32_t limit) const;
    // Up to two cluster centres found the same way; other systems are passed over.
    std::vector<SystemRef> FindClusterCenterCandidates(const CSystem& S) const;

private:
    std::vector<SystemRef> Search(const CSystem& S, std::size_t wanted, bool clusterCentresOnly) const;

    const GalaxyOccupancy& occupancy_;
    std::vector<GalaxyPoint> cells_;
};

// Ascending Hypo; equal distances keep their order.
void SortByDistance(std::vector<SystemRef>& candidates);
// Warp points among the system's own objects.
std::int32_t CountWarpPoints(const CSystem& system);

// Creates the two mirrored warp points of a link from A to B for a target in
// quadrant code of A, and adds them unless a generated map forbids it (a
// taken quadrant at either end, or an arm end that already has a link).
// Returns true when the pair was added.
bool CreateWarpPair(GenerationContext& context, std::int32_t code, const SystemRef& A, const SystemRef& B,
                    bool gridShape);

// Links every system of the universe to its nearest neighbours.
void ConnectWarps(GenerationContext& context, const std::string& shape, std::int32_t maxWarpPoints);

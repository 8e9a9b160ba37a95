#include "random/WarpLinks.h"

#include "mapfile/MapTextWriter.h"
#include "model/RandomDraws.h"
#include "random/BlockRoom.h"
#include "random/SystemQueries.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Redraws of a mirrored pair's sectors before a full search of the quadrant.
constexpr int MaxSectorDraws = 1000;

// Distance from a coordinate to the range 0 .. last.
std::int64_t DistanceToRange(std::int64_t value, std::int64_t last) {
    return value < 0 ? -value : (value > last ? value - last : 0);
}

// The half-size from which the window reaches the grid at all, and the one
// from which it covers the whole grid (a source placed off the grid by a
// template included).
std::int64_t FirstUsefulHalfSize(const CSystem& S) {
    return std::max<std::int64_t>({1, DistanceToRange(S.X, GalaxyColumns - 1), DistanceToRange(S.y, GalaxyRows - 1)});
}
std::int64_t CoveringHalfSize(const CSystem& S) {
    const std::int64_t X = S.X, Y = S.y;
    return std::max<std::int64_t>({1, X, GalaxyColumns - 1 - X, Y, GalaxyRows - 1 - Y});
}

double Distance(const GalaxyPoint& cell, const CSystem& S) {
    const double dx = static_cast<double>(cell.X) - S.X, dy = static_cast<double>(cell.Y) - S.y;
    return std::sqrt(dx * dx + dy * dy);
}

struct SectorPair {
    std::int32_t x = 0, y = 0;
};

// The y range of a code, and the x range of its first and later draws.
bool CodeIsRight(std::int32_t code) { return code == 0 || code == 1; }
bool CodeIsUp(std::int32_t code) { return code == 0 || code == 3; }

SectorPair FirstSectorDraw(RandomSource& random, std::int32_t code) {
    SectorPair s;
    s.x = CodeIsRight(code) ? RandomInt(random, 5, 8) : RandomInt(random, -8, -5);
    s.y = CodeIsUp(code) ? RandomInt(random, 5, 8) : RandomInt(random, -8, -5);
    return s;
}

SectorPair LaterSectorDraw(RandomSource& random, std::int32_t code) {
    SectorPair s;
    s.x = CodeIsRight(code) ? RandomInt(random, 1, 8) : RandomInt(random, -8, -1);
    s.y = CodeIsUp(code) ? RandomInt(random, 5, 8) : RandomInt(random, -8, -5);
    return s;
}

bool PairBlocked(const CSystem& A, const CSystem& B, const SectorPair& s) {
    return SpaceObjectOccupied(A, s.x, s.y) || SpaceObjectOccupied(B, -s.x, -s.y);
}

// The first free pair of the code's whole range; nothing when the fields
// are too crowded for one.
std::optional<SectorPair> SearchFreePair(const CSystem& A, const CSystem& B, std::int32_t code) {
    const std::int32_t xSign = CodeIsRight(code) ? 1 : -1, ySign = CodeIsUp(code) ? 1 : -1;
    for (std::int32_t ax = 1; ax <= 8; ++ax)
        for (std::int32_t ay = 5; ay <= 8; ++ay) {
            const SectorPair s{xSign * ax, ySign * ay};
            if (!PairBlocked(A, B, s)) return s;
        }
    return std::nullopt;
}

std::optional<SectorPair> DrawPairSectors(GenerationContext& context, std::int32_t code, const CSystem& A,
                                          const CSystem& B) {
    SectorPair s = FirstSectorDraw(context.random, code);
    if (context.multipleObjects) return s;
    for (int attempt = 0; attempt < MaxSectorDraws; ++attempt) {
        if (!PairBlocked(A, B, s)) return s;
        s = LaterSectorDraw(context.random, code);
    }
    return SearchFreePair(A, B, code);
}

SpaceObjectRef NewWarpPoint(const SystemRef& owner, const SectorPair& at, const SystemRef& destination,
                            std::int32_t stellarType) {
    SpaceObjectRef warp = NewSpaceObject("WARP");
    warp->systema = owner;
    warp->coord = {at.x, at.y};
    warp->destSystem = destination;
    warp->destCoord = {-at.x, -at.y};
    warp->StellarObjectType = stellarType;
    return warp;
}

bool PairAllowed(const CSystem& A, const CSystem& B, std::int32_t code) {
    if (ExistWarpInQuadrantOf(A, code) || ExistWarpInQuadrantOf(B, OppositeCode(code))) return false;
    return !(A.EndOfArm && CountWarpPoints(A) != 0);
}

void LinkSource(GenerationContext& context, const WarpSearch& search, const SystemRef& S, std::int32_t limit,
                bool gridShape) {
    std::vector<SystemRef> candidates;
    if (S->ClusterCenter) {
        candidates = search.FindClusterCenterCandidates(*S);
    } else {
        candidates = search.FindWarpCandidates(*S, limit);
        SortByDistance(candidates);
    }
    for (const auto& C : candidates) {
        if (!(CountWarpPoints(*S) < limit || S->ClusterCenter)) break;
        if (CountWarpPoints(*C) >= limit) continue;
        const std::int32_t code = QuadrantCode(*S, *C);
        if (!ExistWarpToName(*S, C->name)) CreateWarpPair(context, code, S, C, gridShape);
    }
}

}  // namespace

std::int32_t DrawWarpLimit(RandomSource& random, bool gridShape, std::int32_t maxWarpPoints) {
    if (gridShape) return 4;
    // A template asking for fewer than three links still gets three.
    return RandomInt(random, 3, std::max(3, maxWarpPoints));
}

std::int32_t QuadrantCode(const CSystem& S, const CSystem& C) {
    if (C.X >= S.X) return C.y <= S.y ? 0 : 1;
    return C.y > S.y ? 2 : 3;
}

std::int32_t OppositeCode(std::int32_t code) {
    switch (code) {
        case 0: return 2;
        case 1: return 3;
        case 2: return 0;
        case 3: return 1;
        default: return code;
    }
}

WarpSearch::WarpSearch(const GalaxyOccupancy& occupancy) : occupancy_(occupancy) {
    for (std::int32_t x = 0; x < GalaxyColumns; ++x)
        for (std::int32_t y = 0; y < GalaxyRows; ++y)
            if (occupancy.GetOccupied(x, y)) cells_.push_back({x, y});
}

std::vector<SystemRef> WarpSearch::FindWarpCandidates(const CSystem& S, std::int32_t limit) const {
    return Search(S, static_cast<std::size_t>(std::max(limit, 0)), false);
}

std::vector<SystemRef> WarpSearch::FindClusterCenterCandidates(const CSystem& S) const { return Search(S, 2, true); }

// Each pass visits the whole window, as the windows grow from half-size 1;
// a cell yields its first system not yet taken. Once the window covers the
// grid, passes go on only while they still find something (a cell can hold
// several systems), so the search always ends.
std::vector<SystemRef> WarpSearch::Search(const CSystem& S, std::size_t wanted, bool clusterCentresOnly) const {
    std::vector<SystemRef> found;
    if (wanted == 0) return found;
    const std::int64_t covering = CoveringHalfSize(S);
    for (std::int64_t h = FirstUsefulHalfSize(S);; ++h) {
        bool foundInPass = false;
        for (const GalaxyPoint& cell : cells_) {
            if (std::abs(static_cast<std::int64_t>(cell.X) - S.X) > h ||
                std::abs(static_cast<std::int64_t>(cell.Y) - S.y) > h)
                continue;
            const SystemRef C = occupancy_.WhichOccupied(cell.X, cell.Y, S.ID);
            if (!C || (clusterCentresOnly && !C->ClusterCenter)) continue;
            C->Checked = true;
            C->Hypo = Distance(cell, S);
            found.push_back(C);
            foundInPass = true;
            if (found.size() == wanted) return found;
        }
        if (h >= covering && !foundInPass) return found;
    }
}

void SortByDistance(std::vector<SystemRef>& candidates) {
    for (std::size_t i = 0; i + 1 < candidates.size(); ++i)
        for (std::size_t j = i + 1; j < candidates.size(); ++j)
            if (candidates[i]->Hypo > candidates[j]->Hypo) std::swap(candidates[i], candidates[j]);
}

std::int32_t CountWarpPoints(const CSystem& system) {
    return static_cast<std::int32_t>(std::count_if(system.objects.begin(), system.objects.end(),
                                                   [](const SpaceObjectRef& o) { return o->Tipo == KindWarpPoint; }));
}

bool CreateWarpPair(GenerationContext& context, std::int32_t code, const SystemRef& A, const SystemRef& B,
                    bool gridShape) {
    const std::optional<SectorPair> at = DrawPairSectors(context, code, *A, *B);
    if (!at) return false;
    const std::int32_t warpType = context.data.Stellar.RandomWarpType("Large", context.random, context.reporter);
    if (!gridShape && !PairAllowed(*A, *B, code)) return false;
    // A system whose block is full takes no more warp points.
    const std::int32_t warpLines = KindLineCount(KindWarpPoint);
    if (!HasRoomFor(*A, warpLines) || !HasRoomFor(*B, warpLines)) return false;
    context.universe.AddSpaceObject(NewWarpPoint(A, *at, B, warpType), A->ID);
    context.universe.AddSpaceObject(NewWarpPoint(B, {-at->x, -at->y}, A, warpType), B->ID);
    return true;
}

void ConnectWarps(GenerationContext& context, const std::string& shape, std::int32_t maxWarpPoints) {
    const bool gridShape = shape == ShapeGrid;
    const GalaxyOccupancy occupancy(context.universe);
    const WarpSearch search(occupancy);
    const std::int32_t count = context.universe.NSistemas();
    for (std::int32_t s = 0; s < count; ++s) {
        for (const auto& system : context.universe.Systems()) system->Checked = false;
        const std::int32_t limit = DrawWarpLimit(context.random, gridShape, maxWarpPoints);
        const SystemRef S = context.universe.GetOneSystem(s + 1);
        context.progress.Status(S->name + " (" + std::to_string(s + 1) + "/" + std::to_string(count) + ")");
        LinkSource(context, search, S, limit, gridShape);
        context.progress.Redraw();
    }
}

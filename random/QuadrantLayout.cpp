#include "random/QuadrantLayout.h"

#include "text/TextHelpers.h"
#include "model/RandomDraws.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float TwoPi = 6.2831853f;
constexpr double CentreX = 33.5, CentreY = 24.5;
// Draws before a crowded galaxy makes a shape fall back to a search.
constexpr int MaxDraws = 1000;
constexpr std::int32_t MaxJitter = 200;

std::int32_t Round(double value) { return RoundHalfEven(value).value_or(0); }

struct Box {
    std::int32_t lowX, highX, lowY, highY;
    Box Grown(std::int32_t by) const { return {lowX - by, highX + by, lowY - by, highY + by}; }
    bool CoversBounds() const { return lowX <= 2 && highX >= 65 && lowY <= 2 && highY >= 47; }
};

using CellTest = std::function<bool(std::int32_t, std::int32_t)>;

// In-bounds cells of the box that pass the test, row by row.
std::vector<GalaxyPoint> CellsWhere(const Box& box, const CellTest& test) {
    std::vector<GalaxyPoint> cells;
    for (std::int32_t y = std::max(box.lowY, 2); y <= std::min(box.highY, 47); ++y)
        for (std::int32_t x = std::max(box.lowX, 2); x <= std::min(box.highX, 65); ++x)
            if (test(x, y)) cells.push_back({x, y});
    return cells;
}

// One of the nearest cells that pass the test, growing the box until it
// covers the galaxy; nothing when no cell passes.
std::optional<GalaxyPoint> NearestCellWhere(Box box, const CellTest& test, RandomSource& random) {
    for (;;) {
        const std::vector<GalaxyPoint> cells = CellsWhere(box, test);
        if (!cells.empty())
            return cells[static_cast<std::size_t>(RandomInt(random, 0, static_cast<std::int32_t>(cells.size()) - 1))];
        if (box.CoversBounds()) return std::nullopt;
        box = box.Grown(1);
    }
}

// When the draws of a shape found no place: a free cell passing the shape's
// own test nearest to its box, else any free cell nearest to it, else any
// empty cell, else (a galaxy without an empty cell) the last draw.
GalaxyPoint FallbackPlace(const Box& box, const CellTest& shapeTest, const GalaxyOccupancy& occupancy,
                          RandomSource& random, const GalaxyPoint& lastDraw) {
    auto freeCell = [&](std::int32_t x, std::int32_t y) { return occupancy.IsFree(x, y); };
    auto freeAndShape = [&](std::int32_t x, std::int32_t y) { return freeCell(x, y) && shapeTest(x, y); };
    auto empty = [&](std::int32_t x, std::int32_t y) { return !occupancy.GetOccupied(x, y); };
    for (const CellTest& test : {CellTest(freeAndShape), CellTest(freeCell), CellTest(empty)})
        if (auto cell = NearestCellWhere(box, test, random)) return *cell;
    return lastDraw;
}

bool Acceptable(const GalaxyOccupancy& occupancy, std::int32_t X, std::int32_t Y) {
    return occupancy.IsFree(X, Y) && InGalaxyBounds(X, Y);
}

GalaxyPoint RandomPlace(const GalaxyPoint& previous, const GalaxyOccupancy& occupancy, RandomSource& random) {
    auto nearPrevious = [&](std::int64_t X, std::int64_t Y) {
        return !(std::abs(X - previous.X) > 7 && std::abs(Y - previous.Y) > 7);
    };
    GalaxyPoint draw;
    for (int attempt = 0; attempt < MaxDraws; ++attempt) {
        draw = {RandomInt(random, 2, 65), RandomInt(random, 2, 47)};
        if (Acceptable(occupancy, draw.X, draw.Y) && nearPrevious(draw.X, draw.Y)) return draw;
    }
    return FallbackPlace({2, 65, 2, 47}, nearPrevious, occupancy, random, draw);
}

GalaxyPoint SpiralPlace(const LayoutState& state, const GalaxyOccupancy& occupancy, RandomSource& random) {
    const double pointX = state.radius * std::cos(static_cast<double>(state.angle)) + CentreX;
    const double pointY = state.radius * std::sin(static_cast<double>(state.angle)) + CentreY;
    GalaxyPoint place{Round(pointX), Round(pointY)};
    std::int32_t j = 1;
    while (!Acceptable(occupancy, place.X, place.Y)) {
        if (j > MaxJitter) {
            const Box around{Round(pointX), Round(pointX), Round(pointY), Round(pointY)};
            return FallbackPlace(around, [](std::int32_t, std::int32_t) { return true; }, occupancy, random, place);
        }
        place.X = Round(pointX + RandomInt(random, -j, j));
        place.Y = Round(pointY + RandomInt(random, -j, j));
        ++j;
    }
    return place;
}

GalaxyPoint SpiralStep(std::int32_t i, std::int32_t N, LayoutState& state, const GalaxyOccupancy& occupancy,
                       RandomSource& random) {
    GalaxyPoint place;
    if (state.placeInArm == state.perArm) {
        if (state.arm != state.arms) {
            ++state.arm;
            state.angle = TwoPi * static_cast<float>(state.arm) / static_cast<float>(state.arms);
            state.placeInArm = 1;
            state.radius = 0;
        }
        place = SpiralPlace(state, occupancy, random);
    } else {
        ++state.placeInArm;
        place = SpiralPlace(state, occupancy, random);
        state.angle += state.angleStep;
        state.radius += state.radiusStep;
        if (state.placeInArm == state.perArm) state.endOfArm = true;
    }
    if (i == N - 1) state.endOfArm = true;
    return place;
}

GalaxyPoint GridPlace(std::int32_t i, const GalaxyPoint& previous) {
    // The first system, and the one after a fixed location off the grid, start the first column.
    if (i == 0 || !GalaxyOccupancy::OnGrid(previous.X, previous.Y)) return {3, 3};
    if (previous.Y <= 49 - 6) return {previous.X, previous.Y + 6};
    // A column past the grid (possible after fixed locations far right)
    // starts again from the left instead of leaving the galaxy.
    return {previous.X > 65 - 6 ? 3 : previous.X + 6, 3};
}

// The centre of a new island: an unused one drawn at random; past nine
// islands the centre that started the fewest islands so far.
IslandCentre& ChooseIslandCentre(LayoutState& state, RandomSource& random) {
    auto& centres = state.centres;
    if (std::all_of(centres.begin(), centres.end(), [](const IslandCentre& c) { return c.used; }))
        return *std::min_element(centres.begin(), centres.end(),
                                 [](const IslandCentre& a, const IslandCentre& b) { return a.islands < b.islands; });
    for (int attempt = 0; attempt < MaxDraws; ++attempt) {
        IslandCentre& centre = centres[static_cast<std::size_t>(RandomInt(random, 0, 8))];
        if (!centre.used) return centre;
    }
    return *std::find_if(centres.begin(), centres.end(), [](const IslandCentre& c) { return !c.used; });
}

GalaxyPoint StartIsland(LayoutState& state, const GalaxyOccupancy& occupancy, RandomSource& random) {
    IslandCentre& centre = ChooseIslandCentre(state, random);
    centre.used = true;
    ++centre.islands;
    GalaxyPoint place = centre.point;
    // A centre already taken (a reused centre, or a fixed location on it)
    // gives way to the nearest free cell so no two systems share a cell.
    if (!occupancy.IsFree(place.X, place.Y)) {
        const Box around{place.X, place.X, place.Y, place.Y};
        place = FallbackPlace(around, [](std::int32_t, std::int32_t) { return true; }, occupancy, random, place);
    }
    if (state.island == 0) state.island = 1;
    state.inIsland = 1;
    state.islandCentre = place;
    state.clusterCentre = true;
    return place;
}

std::int32_t IslandSize(const LayoutState& state) {
    const auto index = static_cast<std::size_t>(state.island - 1);
    return index < state.islandSizes.size() ? state.islandSizes[index] : state.islandBase;
}

GalaxyPoint IslandMember(LayoutState& state, const GalaxyOccupancy& occupancy, RandomSource& random) {
    const double spread = state.islandBase / 3.0;
    const Box box{Round(state.islandCentre.X - spread), Round(state.islandCentre.X + spread),
                  Round(state.islandCentre.Y - spread), Round(state.islandCentre.Y + spread)};
    state.clusterCentre = false;
    GalaxyPoint place;
    bool placed = false;
    for (int attempt = 0; attempt < MaxDraws && !placed; ++attempt) {
        place = {RandomInt(random, box.lowX, box.highX), RandomInt(random, box.lowY, box.highY)};
        placed = Acceptable(occupancy, place.X, place.Y);
    }
    if (!placed) place = FallbackPlace(box, [](std::int32_t, std::int32_t) { return true; }, occupancy, random, place);
    ++state.inIsland;
    if (state.inIsland == IslandSize(state) + 1) {
        ++state.island;
        state.inIsland = 0;
    }
    return place;
}

GalaxyPoint IslandsPlace(LayoutState& state, const GalaxyOccupancy& occupancy, RandomSource& random) {
    if (state.inIsland == 0) return StartIsland(state, occupancy, random);
    return IslandMember(state, occupancy, random);
}

}  // namespace

bool InGalaxyBounds(std::int32_t X, std::int32_t Y) { return X >= 2 && X <= 65 && Y >= 2 && Y <= 47; }

std::array<IslandCentre, 9> DrawIslandCentres(RandomSource& random) {
    static constexpr std::int32_t rowLow[3] = {5, 21, 42};
    static constexpr std::int32_t columnLow[3] = {9, 31, 53};
    std::array<IslandCentre, 9> centres{};
    for (std::size_t row = 0; row < 3; ++row) {
        const std::int32_t Y = RandomInt(random, rowLow[row], rowLow[row] + 2);
        for (std::size_t column = 0; column < 3; ++column)
            centres[row * 3 + column].point = {RandomInt(random, columnLow[column], columnLow[column] + 2), Y};
    }
    return centres;
}

LayoutState SetUpLayout(const std::string& shape, std::int32_t N) {
    LayoutState state;
    state.shape = shape;
    state.arms = std::max(1, Round(N / 20.0) + (N % 20 != 0 ? 1 : 0));
    state.perArm = std::max(1, Round(static_cast<double>(N) / state.arms));
    state.angle = TwoPi / static_cast<float>(state.arms);
    state.angleStep = TwoPi / static_cast<float>(state.perArm) / 1.5f;
    state.radiusStep = 33.5f / static_cast<float>(state.perArm);
    // At least one island, so that small requests cannot divide by zero.
    state.islandCount = std::max(1, Round(N * 8 / 100.0));
    state.islandBase = N / state.islandCount;
    state.islandSizes.assign(static_cast<std::size_t>(state.islandCount), state.islandBase);
    for (std::int32_t k = 0; k < N - state.islandBase * state.islandCount; ++k)
        ++state.islandSizes[static_cast<std::size_t>(k % state.islandCount)];
    return state;
}

GalaxyPoint PlaceSystem(std::int32_t i, std::int32_t N, const GalaxyPoint& previous, LayoutState& state,
                        const GalaxyOccupancy& occupancy, RandomSource& random) {
    if (state.shape == "Random") return RandomPlace(previous, occupancy, random);
    if (state.shape == "Spiral") return SpiralStep(i, N, state, occupancy, random);
    if (state.shape == "Grid") return GridPlace(i, previous);
    if (state.shape == "Islands") return IslandsPlace(state, occupancy, random);
    return previous;
}

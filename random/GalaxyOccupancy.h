#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/CUniverse.h"

// A cell of the galaxy grid.
struct GalaxyPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const GalaxyPoint&) const = default;
};

// A cell table over the galaxy grid that answers the universe's two system
// occupancy queries without walking the system list. The generator is the only
// writer of the universe while it runs, so it keeps this table in step itself:
// built from the universe, then told about every system it adds. Systems lying
// outside the grid are kept aside and checked one by one, so the answers stay
// the universe's own for any cell.
class GalaxyOccupancy {
public:
    GalaxyOccupancy() = default;
    explicit GalaxyOccupancy(const CUniverse& universe);

    void Clear();
    // Records a system at its current cell; call in the order systems are added.
    void Add(const SystemRef& system);

    // Same answer as CUniverse::GetOccupied.
    bool GetOccupied(std::int32_t X, std::int32_t y) const;
    // Same answer as CUniverse::GetWhichOccupied; nullptr when not occupied.
    SystemRef WhichOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const;
    // True when neither the cell nor any of its eight neighbours holds a system.
    bool IsFree(std::int32_t X, std::int32_t y) const;

    static bool OnGrid(std::int32_t X, std::int32_t y) {
        return X >= 0 && X < GalaxyColumns && y >= 0 && y < GalaxyRows;
    }

private:
    std::array<std::vector<SystemRef>, GalaxyColumns * GalaxyRows> cells_{};
    std::vector<SystemRef> offGrid_;
};

#include "random/GalaxyOccupancy.h"

namespace {

std::size_t CellIndex(std::int32_t X, std::int32_t y) { return static_cast<std::size_t>(y * GalaxyColumns + X); }

}  // namespace

GalaxyOccupancy::GalaxyOccupancy(const CUniverse& universe) {
    for (const auto& system : universe.Systems()) Add(system);
}

void GalaxyOccupancy::Clear() {
    for (auto& cell : cells_) cell.clear();
    offGrid_.clear();
}

void GalaxyOccupancy::Add(const SystemRef& system) {
    if (OnGrid(system->X, system->y))
        cells_[CellIndex(system->X, system->y)].push_back(system);
    else
        offGrid_.push_back(system);
}

bool GalaxyOccupancy::GetOccupied(std::int32_t X, std::int32_t y) const {
    if (OnGrid(X, y)) return !cells_[CellIndex(X, y)].empty();
    for (const auto& system : offGrid_)
        if (system->X == X && system->y == y) return true;
    return false;
}

SystemRef GalaxyOccupancy::WhichOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const {
    if (!OnGrid(X, y)) return nullptr;
    for (const auto& system : cells_[CellIndex(X, y)])
        if (system->ID != IDsystem && !system->Checked) return system;
    return nullptr;
}

bool GalaxyOccupancy::IsFree(std::int32_t X, std::int32_t y) const {
    for (std::int32_t dx = -1; dx <= 1; ++dx)
        for (std::int32_t dy = -1; dy <= 1; ++dy)
            if (GetOccupied(X + dx, y + dy)) return false;
    return true;
}

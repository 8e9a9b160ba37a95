#pragma once

#include <cstdint>
#include <string>

#include "model/CSystem.h"

// The universe's per-system object queries, answered from the system's own
// object list. The generator adds every object through the universe, which
// keeps that list equal to the system's part of the flat list, so the answers
// are the same while walking a few objects instead of the whole map.

// Some object of the system has (X, Y) in its footprint.
bool SpaceObjectOccupied(const CSystem& system, std::int32_t X, std::int32_t Y);
// Some star of the system has (X, Y) in its 3 by 3 block.
bool StarOccupied(const CSystem& system, std::int32_t X, std::int32_t Y);
// Some warp point of the system leads to a system of that exact name.
bool ExistWarpToName(const CSystem& system, const std::string& name);
// Some warp point of the system lies in that quadrant of its sector field.
bool ExistWarpInQuadrantOf(const CSystem& system, std::int32_t quadrant);

#pragma once

#include <cstdint>
#include <string>

#include "random/GalaxyOccupancy.h"
#include "random/GenerationContext.h"
#include "random/QuadrantTypes.h"

// The system type name drawn from the template's chance list: a draw of
// 1 .. 1000 against the running sum; when the chances add up to less than the
// draw, the first entry with the largest chance. Empty for an empty list.
std::string DrawSystemTypeName(const QuadrantType& quadrant, RandomSource& random);

// Builds random galaxies. Lives as long as the editor: the position of the
// last system made is carried into the next map.
class RandomMapGenerator {
public:
    // Empties the universe and fills it with N systems of the named
    // quadrant type laid out in the shape, their objects and their warp links.
    void GenerateRandomMap(GenerationContext& context, const std::string& quadrantTypeName, std::int32_t N,
                           const std::string& shape);

    const GalaxyPoint& PreviousPosition() const { return previous_; }

private:
    GalaxyPoint previous_{0, 0};
};

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "random/RandomSystemTypes.h"

class RandomSource;

struct SectorPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const SectorPoint&) const = default;
};

// One evaluation of a placement rule ("Ring", "Coord", "Offset", "Circle",
// "Same", "Any"; any other word gives the centre). objects is the working
// copy of the system type, whose SectorX/SectorY hold the placements made so
// far. Nothing when the evaluation fails: a missing or non-numeric word, an
// object position outside the list, or a sector outside the field.
struct RuleResult {
    SectorPoint sector;
    bool fixedPosition = false;  // "Coord" and "Same" name one sector outright
    bool drawn = false;          // the result came from random draws, so another try may differ
};
struct RuleEvaluation {
    std::optional<SectorPoint> sector;  // nothing when the evaluation failed
    bool fixedPosition = false;
    bool drawn = false;
};
RuleEvaluation EvaluatePositionRule(const std::string& rule, const std::vector<SystemTypeObject>& objects,
                                               RandomSource& random);

// A valid sector for object k by its rule: the rule is evaluated again while
// it fails or gives an invalid sector. A rule that keeps failing (for
// example "Ring 0", or "Coord" on a sector outside the field) gives the
// centre sector after a bounded number of tries, at once when the rule
// draws nothing (its answer cannot change).
RuleResult PlaceObject(std::size_t k, const std::vector<SystemTypeObject>& objects, RandomSource& random);

// Places object k so that blocked(X, Y) is false: PlaceObject is repeated
// while it gives a blocked sector; after a bounded number of tries the valid
// unblocked sector nearest to the last proposal is taken (the last proposal
// itself when the field has none). A fixed position is only tested when
// testFixed is set. Stores the result in the object's SectorX/SectorY.
using SectorTest = std::function<bool(std::int32_t, std::int32_t)>;
SectorPoint PlaceObjectAvoiding(std::size_t k, std::vector<SystemTypeObject>& objects, const SectorTest& blocked,
                                bool testFixed, RandomSource& random);

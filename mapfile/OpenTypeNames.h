#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "model/StellarTypeNames.h"

// Type names without a catalogue: every name met gets the next ordinal, so a
// map read through it is written back with the very names it carried. Used
// where no game data is at hand (the map compiler, checks of a file alone).
class OpenTypeNames : public StellarTypeNames {
public:
    std::string TypeNameOfOrdinal(std::int32_t ordinal) const override;
    std::int32_t OrdinalOfTypeName(const std::string& name) const override;

private:
    mutable std::vector<std::string> names_;
    mutable std::unordered_map<std::string, std::int32_t> ordinals_;
};

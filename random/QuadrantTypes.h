#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "random/BlockReader.h"

class Reporter;

// A fixed system place of a galaxy template.
struct QuadrantLocation {
    std::string SystemType;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// A system type and its chance in thousandths.
struct SystemTypeChance {
    std::string SystemType;
    std::int32_t Chance = 0;
};

// One galaxy template of "QuadrantTypes.txt".
struct QuadrantType {
    std::string Name;
    std::int32_t MaxWarpPoints = 0;
    std::vector<QuadrantLocation> Locations;
    std::vector<SystemTypeChance> SystemTypeChances;
};

class QuadrantTypeTable : public BlockTable<QuadrantType> {
public:
    inline static const char* FileName = "QuadrantTypes.txt";

    // Rebuilds the list. A failure is reported with "Can't load Quadrant
    // types" and returns false; the records completed before it stay.
    bool LoadQuadrantTypes(const std::filesystem::path& file, Reporter& reporter);

    // The first template with that name; an empty record when none.
    QuadrantType FindQuadrantType(const std::string& name) const { return FindByName(name); }
};

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "random/BlockReader.h"

class Reporter;

// One object every system of a type receives.
struct SystemTypeObject {
    std::string PhysicalKind;  // "Star", "Planet", "Asteroids", "Storm", ...
    std::string PositionRule;  // rule word and its parameters, separated by blanks
    std::string AbilityGroup;
    std::string Size;
    std::string Colour;
    std::string Atmosphere;
    std::string ObjectType;
    // Where the object was placed, in the working copy that fills one system.
    std::int32_t SectorX = 0;
    std::int32_t SectorY = 0;
};

// One system type as the random generator reads "SystemTypes.txt".
struct RandomSystemType {
    std::string Name;
    std::string Description;
    std::string PhysicalType;  // "Normal", "Nebulae", "Black Hole"
    std::string PortraitBitmap;
    std::int32_t PortraitIndex = 0;
    std::string ChanceType;
    std::vector<SystemTypeObject> Objects;
};

class RandomSystemTypeTable : public BlockTable<RandomSystemType> {
public:
    inline static const char* FileName = "SystemTypes.txt";

    // Rebuilds the list. A failure is reported with "Can't load System types"
    // and returns false; the records completed before it stay.
    bool LoadRandomSystemTypes(const std::filesystem::path& file, Reporter& reporter);

    // The first type with that name; an empty record (no objects) when none.
    RandomSystemType FindRandomSystemType(const std::string& name) const { return FindByName(name); }
};

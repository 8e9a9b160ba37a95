#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "random/BlockReader.h"

class Reporter;

using ChancePair = std::pair<std::string, std::string>;

// A chance type of "SystemTypes.txt": a name and three lists of value pairs.
struct ChanceType {
    std::string Name;
    std::vector<ChancePair> First;
    std::vector<ChancePair> Second;
    std::vector<ChancePair> Third;
};

class ChanceTypeTable : public BlockTable<ChanceType> {
public:
    inline static const char* FileName = "SystemTypes.txt";

    // Rebuilds the list. A failure is reported with "Can't load Chance types"
    // and returns false; the records completed before it stay.
    bool LoadChanceTypes(const std::filesystem::path& file, Reporter& reporter);

    // The first chance type with that name; an empty record when none.
    ChanceType FindChanceType(const std::string& name) const { return FindByName(name); }
};

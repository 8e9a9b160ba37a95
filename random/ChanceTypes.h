#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class Reporter;

using ChancePair = std::pair<std::string, std::string>;

// A chance type of "SystemTypes.txt": a name and three lists of value pairs.
struct ChanceType {
    std::string Name;
    std::vector<ChancePair> First;
    std::vector<ChancePair> Second;
    std::vector<ChancePair> Third;
};

class ChanceTypeTable {
public:
    inline static const char* FileName = "SystemTypes.txt";

    // Rebuilds the list. A failure is reported with "Can't load Chance types"
    // and returns false; the records completed before it stay.
    bool LoadChanceTypes(const std::filesystem::path& file, Reporter& reporter);
    void Clear() { types_.clear(); }

    const std::vector<ChanceType>& Types() const { return types_; }
    // The first chance type with that name; an empty record when none.
    ChanceType FindChanceType(const std::string& name) const;

private:
    std::vector<ChanceType> types_;
};

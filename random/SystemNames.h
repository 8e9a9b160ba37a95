#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalog/EntryList.h"

class RandomSource;
class Reporter;

struct SystemNameEntry {
    std::string Name;  // the line exactly as read
    bool Used = false;
};

// The names handed to the systems of a random map ("SystemNames.txt").
class SystemNamePool : public EntryList<SystemNameEntry> {
public:
    inline static const char* FileName = "SystemNames.txt";

    // Rebuilds the pool, one entry per line. Blank lines are no names, and a
    // name listed again (blanks around it do not count) is kept once. A
    // failure is reported with "Can't load System names" and returns false;
    // lines read so far stay.
    bool LoadSystemNames(const std::filesystem::path& file, Reporter& reporter);

    // Marks every name unused again (start of each random map); the rules
    // file is read again at the next generated name.
    void ResetSystemNames();

    // An unused name drawn at random, now marked used. When every name is
    // used (or the pool is empty) it returns a name from the name generator
    // (rules.dat in the program folder), or "System <n>" when that gives
    // nothing new, instead of drawing forever. No name is handed out twice
    // between two resets. The rules file is read once per reset.
    std::string PickSystemName(RandomSource& random, const std::filesystem::path& programFolder);

private:
    bool HasUnusedName() const;
    std::string ExtraName(RandomSource& random, const std::filesystem::path& programFolder);

    std::set<std::string> poolNames_;   // the pool's names without blanks around them
    std::set<std::string> extraNames_;  // handed out beyond the pool since the last reset, likewise
    std::optional<std::vector<std::string>> rules_;
};

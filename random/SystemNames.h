#pragma once

#include <cstdint>
#include <filesystem>
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

    // Rebuilds the pool, one entry per line. A failure is reported with
    // "Can't load System names" and returns false; lines read so far stay.
    bool LoadSystemNames(const std::filesystem::path& file, Reporter& reporter);

    // Marks every name unused again (start of each random map).
    void ResetSystemNames();

    // An unused name drawn at random, now marked used. When every name is
    // used (or the pool is empty) it returns a name from the name generator
    // (rules.dat in the program folder), or "System <n>" when that gives
    // nothing new, instead of drawing forever.
    std::string PickSystemName(RandomSource& random, const std::filesystem::path& programFolder);

private:
    bool HasUnusedName() const;
    std::string ExtraName(RandomSource& random, const std::filesystem::path& programFolder);

    std::vector<std::string> extraNames_;  // handed out beyond the pool since the last reset
};

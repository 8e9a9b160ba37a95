#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "mapfile/MapProblems.h"
#include "model/StellarTypeNames.h"
#include "model/CUniverse.h"

// What the checks need beyond the map itself.
struct ValidationOptions {
    // The "True" setting: several objects may share a sector.
    bool multipleObjectsAllowed = false;
    // Lines of the black-hole template that a black-hole block carries.
    std::int32_t blackHoleTemplateLines = 31;
    // Off when no catalogue could be read: every type would look unknown.
    bool checkStellarTypes = true;
};

// The options of a program folder: its black-hole template's line count
// (31 when the template cannot be read) and the setting as given.
ValidationOptions ValidationOptionsFor(const std::filesystem::path& programFolder, bool multipleObjectsAllowed);

// Every problem of the map: errors where the compiler or the game would
// refuse or misread it, then warnings where the map is legal but most likely
// not what its author meant; each group in the map order of its systems.
std::vector<MapProblem> ValidateMap(const CUniverse& universe, const StellarTypeNames& names,
                                    const ValidationOptions& options);

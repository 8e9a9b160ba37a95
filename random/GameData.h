#pragma once

#include <filesystem>

#include "catalog/AbilityCatalog.h"
#include "catalog/Settings.h"
#include "catalog/StellarCatalog.h"
#include "catalog/SystemTypes.h"
#include "random/ChanceTypes.h"
#include "random/QuadrantTypes.h"
#include "random/RandomSystemTypes.h"
#include "random/SystemNames.h"

// Everything read from the settings file and the game's data files: the one
// object the editor, the command-line tool and the random generator are
// handed. Filled by StartUp, partly refilled by ReloadWithSettings.
struct GameData {
    // The shipped files (bitmaps, name rules, black-hole template) lie in the
    // program folder; the settings file, saved txt maps and relative folder
    // values belong to the user folder. From the build folder both are the
    // executable's folder; installed, the program folder is read-only.
    std::filesystem::path ProgramFolder;
    std::filesystem::path UserFolder;
    Settings Config;

    StellarCatalog Stellar;
    AbilityCatalog Abilities;
    SystemTypeCatalog SystemTypes;

    SystemNamePool SystemNames;
    QuadrantTypeTable QuadrantTypes;
    RandomSystemTypeTable RandomSystemTypes;
    ChanceTypeTable ChanceTypes;

    // Back to the state before any start-up.
    void Reset() { *this = GameData{}; }

    // The data folder as a usable path (a relative value lies under the user folder).
    std::filesystem::path DataFolder() const { return ResolveFolder(UserFolder, Config.DataDirectory); }
    std::filesystem::path DataFile(const char* fileName) const { return DataFolder() / fileName; }
};

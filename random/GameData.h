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
    std::filesystem::path ProgramFolder;
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

    // The data folder as a usable path (a relative value lies under the program folder).
    std::filesystem::path DataFolder() const { return ResolveFolder(ProgramFolder, Config.DataDirectory); }
    std::filesystem::path DataFile(const char* fileName) const { return DataFolder() / fileName; }
};

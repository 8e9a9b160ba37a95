#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "random/StartUp.h"

// What the data command shows: the editor's start-up status texts and what
// each data file holds, gathered once and then printed as text or as JSON.
struct DataReport {
    struct AbilityGroup {
        std::string name;  // empty for a group of no known object kind (the catalogue keeps no name for it)
        std::string kind;  // "Planet", "Asteroids", "Storm", "Star", "Warp", "Warp Unstable" or "Unknown"
        std::size_t abilities = 0;
    };

    StatusTexts status;
    std::string dataFolder;
    std::vector<std::string> failedFiles;

    std::size_t stellarObjectTypes = 0;
    // Catalogue entries per kind, in the order stars, planets, asteroids,
    // storms, warp points, then any other physical type as read.
    std::vector<std::pair<std::string, std::size_t>> entriesPerKind;

    std::size_t abilities = 0;
    std::vector<AbilityGroup> abilityGroups;  // in catalogue order

    std::size_t systemNames = 0;
    std::vector<std::string> quadrantTypes;
    std::vector<std::string> systemTypes;
    std::vector<std::string> chanceTypes;
    std::size_t portraits = 0;
    std::size_t stellarBackgrounds = 0;
    std::size_t atmospheres = 0;
};

DataReport MakeDataReport(const GameData& data, const StartUpResult& startUp);

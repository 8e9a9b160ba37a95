#pragma once

#include <memory>
#include <string>

#include "cli/CliContext.h"
#include "mapfile/MapTextLoader.h"
#include "random/GameData.h"

// A map file read as the editor reads it: the settings and data files first
// (what fails is reported on the error stream), then the map.
struct LoadedMap {
    std::unique_ptr<GameData> data = std::make_unique<GameData>();
    bool catalogueRead = false;
    LoadResult map;
};

LoadedMap LoadMapForCommand(const CliContext& context, const std::string& mapFile);

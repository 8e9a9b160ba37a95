#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/StellarTypeNames.h"
#include "model/CUniverse.h"

struct LoadOptions {
    // Also compare every key, the header, the empty line after each block and
    // the footer with what the writer produces (the map compiler's check).
    bool checkKeys = false;
    // Refuse warp points whose destination names no system of the map.
    bool requireResolvedWarps = false;
    // Hold every sector location to the field (-13..13, -10..10). The editor's
    // dialogs let any whole number through, so the editor does not ask this.
    bool sectorsInField = false;
};

// A loaded map, or the reason it could not be loaded (file, line, what was
// expected). The universe is there only when the whole file loaded.
struct LoadResult {
    std::optional<CUniverse> universe;
    std::string error;
    // Warp points whose destination names no system of the map (they keep a
    // detached destination carrying that name) or names none at all.
    std::int32_t danglingWarps = 0;

    bool Ok() const { return universe.has_value(); }
};

// Reads a txt map as the writer lays it out: by line positions, values from
// column 54; only the first key of every object is compared unless asked to.
LoadResult LoadMapText(const std::filesystem::path& file, const StellarTypeNames& names,
                       const LoadOptions& options = {});
// The same over text already in memory; fileLabel names it in error texts.
LoadResult LoadMapTextFromMemory(std::string_view text, const std::string& fileLabel, const StellarTypeNames& names,
                                 const LoadOptions& options = {});

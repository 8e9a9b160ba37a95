#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/StellarTypeNames.h"
#include "model/CUniverse.h"

// The compact binary map the stand-in map compiler writes (layout in
// docs/map-format.md).
inline constexpr char CompiledMapMagic[4] = {'T', 'D', 'Z', 'M'};
constexpr std::uint16_t CompiledMapVersion = 1;

// The bytes of the compiled form of a universe whose warp destinations all
// name systems of it.
std::string EncodeCompiledMap(const CUniverse& universe, const StellarTypeNames& names, const std::string& modName);

// The map compiler's work: reads folder / txtFileName (which must end in
// ".txt"), checks that it is a well-formed txt map (every key, number, count
// and warp destination) and writes folder / NAME.map through a temporary
// file. A malformed map leaves any NAME.map as it was and writes NAME.err
// with the reason. Returns the error text, empty on success.
std::string CompileMapFile(const std::filesystem::path& folder, const std::string& txtFileName,
                           const std::string& modName);

#pragma once

#include <cstdint>
#include <string>

#include "model/StellarTypeNames.h"
#include "ui/EditorState.h"

class CUniverse;

// The checks the object dialogs run on OK, each returning the message of the
// first failing check (empty when all pass), and the write-back into
// CurrentObject once they passed. The fields are the texts as shown.

// The last check of every object dialog: a changed choice makes the specific
// type text the object's type; no type at all refuses OK.
struct SpecificTypeCheck {
    const StellarTypeNames& names;
    bool typeChanged = false;
    std::string exactText;

    // May set objectType even when it fails.
    std::string Run(std::int32_t& objectType) const;
};

extern const char* const NoSpecificTypeMessage;

struct StarFields {
    std::string name, x, y, colour, size;
};
std::string FirstStarFailure(const StarFields& f, const SpecificTypeCheck& type, std::int32_t& objectType);
void WriteStarFields(const StarFields& f, CurrentObjectRecord& current);

struct StormFields {
    std::string x, y;
};
std::string FirstStormFailure(const StormFields& f, const SpecificTypeCheck& type, std::int32_t& objectType);
void WriteStormFields(const StormFields& f, CurrentObjectRecord& current);

struct PlanetFields {
    std::string name, x, y, size, type, atmosphere;
    std::string minerals, organics, radioactives, gravity, temperature, conditions, radiation;
};
std::string FirstPlanetFailure(const PlanetFields& f, const SpecificTypeCheck& type, std::int32_t& objectType);
void WritePlanetFields(const PlanetFields& f, CurrentObjectRecord& current);

struct AsteroidFields {
    std::string name, x, y, size, type, minerals, organics, radioactives;
};
std::string FirstAsteroidFailure(const AsteroidFields& f, const SpecificTypeCheck& type, std::int32_t& objectType);
void WriteAsteroidFields(const AsteroidFields& f, CurrentObjectRecord& current);

struct WarpFields {
    std::string x, y, destinationName, destX, destY, size;
};
std::string FirstWarpFailure(const WarpFields& f, const CUniverse& universe, const SpecificTypeCheck& type,
                             std::int32_t& objectType);
void WriteWarpFields(const WarpFields& f, CurrentObjectRecord& current);

#pragma once

// A made-up galaxy of any size for the benchmarks, built through the
// universe's own operations as the loader and the editor build one.

#include <cstdint>
#include <string>
#include <vector>

#include "model/CUniverse.h"
#include "model/SectorField.h"

// The stellar object type ordinals the objects of each kind refer to.
struct SyntheticTypes {
    std::int32_t star = 1, planet = 2, asteroids = 3, storm = 4, warp = 5;
};

constexpr int SyntheticObjectsPerSystem = 40;

namespace synthetic_detail {

// The sector of the k-th object: the valid sectors in column order, taken
// 11 apart, so 40 objects spread over the whole field without sharing one.
inline CCoord SectorOf(int k) {
    static const std::vector<CCoord> sectors = [] {
        std::vector<CCoord> valid;
        for (std::int32_t X = SectorMinX; X <= SectorMaxX; ++X)
            for (std::int32_t Y = SectorMinY; Y <= SectorMaxY; ++Y)
                if (IsValidSector(X, Y)) valid.push_back({X, Y});
        return valid;
    }();
    return sectors[static_cast<std::size_t>(k * 11) % sectors.size()];
}

// Per system: 1 star, 15 planets with two abilities, 10 asteroid fields,
// 6 storms, 8 warps to other systems.
inline void AddObject(CUniverse& universe, const std::vector<SystemRef>& systems, int s, int k,
                      const SyntheticTypes& types) {
    static const char* const kinds[] = {"STAR", "PLANET", "ASTEROID", "STORM", "WARP"};
    const int kind = k == 0 ? 0 : k <= 15 ? 1 : k <= 25 ? 2 : k <= 31 ? 3 : 4;
    const std::int32_t ordinals[] = {types.star, types.planet, types.asteroids, types.storm, types.warp};
    const SystemRef& system = systems[static_cast<std::size_t>(s)];
    SpaceObjectRef object = NewSpaceObject(kinds[kind]);
    object->coord = SectorOf(k);
    object->StellarObjectType = ordinals[kind];
    object->name = system->name + " " + std::to_string(k);
    if (kind == 1) {
        object->Gravity = "0.9";
        for (int a = 0; a < 2; ++a) {
            CAbility ability;
            ability.IniciaCAbility();
            ability.Tipe = "Resource Bonus";
            object->AddAbility(ability);
        }
    }
    if (kind == 4) {
        object->destSystem = systems[static_cast<std::size_t>((s + k) % static_cast<int>(systems.size()))];
        object->destCoord = CCoord{3, -2};
    }
    object->systema = system;
    universe.AddSpaceObject(object, system->ID);
}

}  // namespace synthetic_detail

// N systems filling the grid row by row (3,400 fill it), every tenth a black
// hole, each with SyntheticObjectsPerSystem objects.
inline void BuildSyntheticGalaxy(CUniverse& universe, int N, const SyntheticTypes& types = {}) {
    std::vector<SystemRef> systems;
    for (int s = 0; s < N; ++s) {
        SystemRef system = NewSystem();
        system->name = "System " + std::to_string(s);
        system->X = s % GalaxyColumns;
        system->y = s / GalaxyColumns % GalaxyRows;
        system->PhysicalType = static_cast<std::uint8_t>(s % 10 == 0 ? PhysicalBlackHole : PhysicalNormal);
        CStellarBackground sky;
        sky.Set(2, 1, 1, "Sky.bmp");
        system->addStellarBackground(sky);
        universe.AddSystem(system);
        systems.push_back(system);
    }
    for (int s = 0; s < N; ++s)
        for (int k = 0; k < SyntheticObjectsPerSystem; ++k) synthetic_detail::AddObject(universe, systems, s, k, types);
}

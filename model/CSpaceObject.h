#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"

class CSystem;

// Kind codes of space objects.
enum ObjectKind : std::uint8_t {
    KindStar = 1,
    KindWarpPoint = 2,
    KindStorm = 3,
    KindPlanet = 4,
    KindAsteroids = 8,
};

// "Star", "Warp Point", "Storm", "Planet" or "Asteroids": the physical type
// text of a kind in a txt map; empty for any other code.
std::string_view ObjectPhysicalTypeText(std::uint8_t Tipo);
// The kind code of a physical type text; 0 when the text names none.
std::uint8_t ObjectKindFromText(std::string_view text);

// The stellar object type a new warp point refers to before one is chosen.
constexpr std::int32_t DefaultWarpStellarType = 683;

// One star, planet, asteroid field, storm or warp point in a sector. Shared by
// reference: the universe, its system and any dialog see the same record.
class CSpaceObject {
public:
    std::shared_ptr<CSystem> systema;
    CCoord coord;
    CXYZ Position;
    CXYZ Rotation;
    std::int32_t nhabilidades = 0;
    std::vector<CAbility> habilidades;
    std::int32_t StellarObjectType = 0;
    std::string name;
    std::int32_t resMinerals = 0, resOrganics = 0, resRadioactives = 0;
    std::string Conditions, Gravity;
    std::int32_t Temperature = 0, Radiation = 0;
    // Warp points: where they lead. A destination that names no system of the
    // universe is a detached system record holding just that name.
    std::shared_ptr<CSystem> destSystem;
    CCoord destCoord;
    std::uint8_t Tipo = 0;
    std::string SizeP, TypeP, AtmosphereP;
    std::int32_t ID = 0;

    // The second ability list; kept for completeness, never written out.
    std::int32_t NPlanetHabilidades = 0;
    std::vector<CAbility> planetHabilidades;

    // Initialises for the kind word ("STAR", "WARP", "STORM", "PLANET",
    // "ASTEROID", any case). systema, destSystem and the P words are kept.
    void IniciaCObjeto(const std::string& TipoS);

    void AddAbility(const CAbility& AB);
    // nhabilidades, never counting past the ability list.
    std::int32_t HeldAbilities() const;
    // nab = nhabilidades; AB receives the first nab abilities (untouched when 0).
    void GetAbilities(std::vector<CAbility>& AB, std::int32_t& nab) const;
    void RemoveAbilities();

    void AddPlanetAbility(const CAbility& AB);
    void GetPlanetAbilities(std::vector<CAbility>& AB, std::int32_t& nab) const;
    void RemovePlanetAbilities();

    std::int32_t GetX() const { return coord.X; }
    std::int32_t GetY() const { return coord.y; }
    // True when (X, y) lies in the footprint: a 3 by 3 block for a star, the
    // own sector for every other kind.
    bool GetOccupied(std::int32_t X, std::int32_t y) const;

    // Every value the same; systems and destinations the same records. An
    // edit that changes nothing is no step.
    bool operator==(const CSpaceObject&) const = default;
};

using SpaceObjectRef = std::shared_ptr<CSpaceObject>;

// A fresh object initialised for the kind word.
SpaceObjectRef NewSpaceObject(const std::string& kindWord);

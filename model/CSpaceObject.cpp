#include "model/CSpaceObject.h"

#include <algorithm>
#include <cstdlib>

#include "text/TextHelpers.h"

namespace {

void InitialiseAbilityList(std::vector<CAbility>& list, std::int32_t& count) {
    count = 0;
    list.assign(1, CAbility{});
    list[0].IniciaCAbility();
}

void AppendAbility(std::vector<CAbility>& list, std::int32_t& count, const CAbility& AB) {
    if (static_cast<std::size_t>(count) >= list.size()) list.resize(static_cast<std::size_t>(count) + 1);
    list[static_cast<std::size_t>(count)] = AB;
    ++count;
}

void CopyAbilities(const std::vector<CAbility>& list, std::int32_t count, std::vector<CAbility>& AB,
                   std::int32_t& nab) {
    nab = count;
    if (count == 0) return;
    AB.assign(list.begin(), list.begin() + count);
}

}  // namespace

std::string_view ObjectPhysicalTypeText(std::uint8_t Tipo) {
    switch (Tipo) {
        case KindStar: return "Star";
        case KindWarpPoint: return "Warp Point";
        case KindStorm: return "Storm";
        case KindPlanet: return "Planet";
        case KindAsteroids: return "Asteroids";
        default: return {};
    }
}

std::uint8_t ObjectKindFromText(std::string_view text) {
    for (std::uint8_t code : {KindStar, KindWarpPoint, KindStorm, KindPlanet, KindAsteroids})
        if (ObjectPhysicalTypeText(code) == text) return code;
    return 0;
}

void CSpaceObject::IniciaCObjeto(const std::string& TipoS) {
    ID = -1;
    coord.IniciaCCoord();
    Position.IniciaCXYZ();
    Rotation.IniciaCXYZ();
    InitialiseAbilityList(habilidades, nhabilidades);
    StellarObjectType = -1;
    Tipo = 0;
    name.clear();
    const std::string kind = UpperCase(TipoS);
    if (kind == "STAR") {
        Tipo = KindStar;
        name = "Unknown Star";
    } else if (kind == "WARP") {
        Tipo = KindWarpPoint;
        StellarObjectType = DefaultWarpStellarType;
        destCoord.IniciaCCoord();
    } else if (kind == "STORM") {
        Tipo = KindStorm;
    } else if (kind == "PLANET") {
        Tipo = KindPlanet;
        name = "Unknown Planet";
        Conditions = "0";
        Gravity = "0";
        resMinerals = resOrganics = resRadioactives = 0;
        Temperature = Radiation = 0;
        NPlanetHabilidades = 0;
        planetHabilidades.clear();
    } else if (kind == "ASTEROID") {
        Tipo = KindAsteroids;
        name = "Unknown Ateroid Field";
        resMinerals = resOrganics = resRadioactives = 0;
    } else {
        StellarObjectType = 0;
    }
}

void CSpaceObject::AddAbility(const CAbility& AB) { AppendAbility(habilidades, nhabilidades, AB); }

std::int32_t CSpaceObject::HeldAbilities() const {
    return std::clamp(nhabilidades, 0, static_cast<std::int32_t>(habilidades.size()));
}

void CSpaceObject::GetAbilities(std::vector<CAbility>& AB, std::int32_t& nab) const {
    CopyAbilities(habilidades, nhabilidades, AB, nab);
}

void CSpaceObject::RemoveAbilities() {
    nhabilidades = 0;
    habilidades.clear();
}

void CSpaceObject::AddPlanetAbility(const CAbility& AB) {
    AppendAbility(planetHabilidades, NPlanetHabilidades, AB);
}

void CSpaceObject::GetPlanetAbilities(std::vector<CAbility>& AB, std::int32_t& nab) const {
    CopyAbilities(planetHabilidades, NPlanetHabilidades, AB, nab);
}

void CSpaceObject::RemovePlanetAbilities() {
    NPlanetHabilidades = 0;
    planetHabilidades.clear();
}

bool CSpaceObject::GetOccupied(std::int32_t X, std::int32_t y) const {
    if (Tipo == KindStar)
        return std::llabs(std::int64_t{X} - coord.X) <= 1 && std::llabs(std::int64_t{y} - coord.y) <= 1;
    return X == coord.X && y == coord.y;
}

SpaceObjectRef NewSpaceObject(const std::string& kindWord) {
    auto object = std::make_shared<CSpaceObject>();
    object->IniciaCObjeto(kindWord);
    return object;
}

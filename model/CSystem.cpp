#include "model/CSystem.h"

#include <algorithm>

std::string PhysicalTypeText(std::uint8_t physicalType) {
    switch (physicalType) {
        case PhysicalNormal: return "Normal";
        case PhysicalBlackHole: return "Black Hole";
        case PhysicalNebulae: return "Nebulae";
        default: return {};
    }
}

std::uint8_t PhysicalTypeFromText(const std::string& text) {
    for (std::uint8_t code : {PhysicalNormal, PhysicalBlackHole, PhysicalNebulae})
        if (PhysicalTypeText(code) == text) return code;
    return 0;
}

bool KindAllowedIn(std::uint8_t physicalType, std::int32_t kind) {
    if (kind == KindWarpPoint) return true;
    if (kind == KindStorm) return physicalType != PhysicalBlackHole;
    return physicalType == PhysicalNormal;
}

void CSystem::IniciaCSystem() {
    ID = 0;
    name = "Unknown System";
    Description = "An unknown System";
    X = 0;
    y = 0;
    Checked = false;
    EndOfArm = false;
    ClusterCenter = false;
    PhysicalType = PhysicalNormal;
    EmpireCanStartInSystem = true;
    PortraitBitmap.clear();
    PortraitIndex = 0;
    WPMinRadius = 360.0;
    WPMaxRadius = 400.0;
    MaskBackgroundObjects = false;
    habilidades.assign(1, CAbility{});
    habilidades[0].IniciaCAbility();
    nhabilidades = 0;
    HasBlackHole = false;
    backgrounds.clear();
    objects.clear();
    Hypo = 0;
}

void CSystem::addObject(const SpaceObjectRef& SpaceObject) { objects.push_back(SpaceObject); }

void CSystem::editObject(const SpaceObjectRef& SpaceObject, std::int32_t idspaceobject) {
    auto it = std::find_if(objects.begin(), objects.end(),
                           [idspaceobject](const SpaceObjectRef& o) { return o->ID == idspaceobject; });
    if (it != objects.end()) *it = SpaceObject;
}

void CSystem::removeObject(std::int32_t ID) {
    auto it = std::find_if(objects.begin(), objects.end(), [ID](const SpaceObjectRef& o) { return o->ID == ID; });
    if (it != objects.end()) objects.erase(it);
}

void CSystem::addStellarBackground(const CStellarBackground& Background) { backgrounds.push_back(Background); }

void CSystem::RemoveStellarBackground() { backgrounds.clear(); }

CStellarBackground CSystem::GetStellarBackground(std::int32_t Index) const {
    if (Index < 0 || Index >= NStellarBackGround()) return {};
    return backgrounds[static_cast<std::size_t>(Index)];
}

std::string CSystem::GetSkyBox() const { return backgrounds.empty() ? std::string() : backgrounds.front().Filename; }

SystemRef NewSystem() {
    auto system = std::make_shared<CSystem>();
    system->IniciaCSystem();
    return system;
}

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/CSpaceObject.h"
#include "model/Records.h"

enum PhysicalKind : std::uint8_t {
    PhysicalNormal = 1,
    PhysicalBlackHole = 2,
    PhysicalNebulae = 3,
};

// "Normal", "Black Hole" or "Nebulae"; empty for any other code.
std::string PhysicalTypeText(std::uint8_t physicalType);
// The code of a physical type text; 0 when the text names none.
std::uint8_t PhysicalTypeFromText(const std::string& text);
// Whether a system of that physical type may hold objects of that kind:
// warp points anywhere, storms outside black holes, the rest only in Normal.
bool KindAllowedIn(std::uint8_t physicalType, std::int32_t kind);

// One star system: a cell of the galaxy grid with its own list of the space
// objects in its sectors.
class CSystem {
public:
    std::int32_t ID = 0;
    std::string name;
    std::string Description;
    std::int32_t X = 0;
    std::int32_t y = 0;
    bool Checked = false;
    bool EndOfArm = false;
    bool ClusterCenter = false;
    std::uint8_t PhysicalType = 0;
    bool EmpireCanStartInSystem = false;
    std::string PortraitBitmap;
    std::uint8_t PortraitIndex = 0;
    double WPMinRadius = 0;
    double WPMaxRadius = 0;
    bool MaskBackgroundObjects = false;
    std::vector<CAbility> habilidades;
    std::uint8_t nhabilidades = 0;
    bool HasBlackHole = false;
    std::shared_ptr<CSystemBlackHole> BlackHole;
    std::vector<CStellarBackground> backgrounds;
    std::vector<SpaceObjectRef> objects;
    double Hypo = 0;

    void IniciaCSystem();

    std::int32_t NObjetos() const { return static_cast<std::int32_t>(objects.size()); }
    void addObject(const SpaceObjectRef& SpaceObject);
    void editObject(const SpaceObjectRef& SpaceObject, std::int32_t idspaceobject);
    void removeObject(std::int32_t ID);

    std::int32_t NStellarBackGround() const { return static_cast<std::int32_t>(backgrounds.size()); }
    void addStellarBackground(const CStellarBackground& Background);
    void RemoveStellarBackground();
    CStellarBackground GetStellarBackground(std::int32_t Index) const;
    std::string GetSkyBox() const;

    std::int32_t GetX() const { return X; }
    std::int32_t GetY() const { return y; }

    // Every value the same, the same object records in the same order.
    bool operator==(const CSystem&) const = default;
};

using SystemRef = std::shared_ptr<CSystem>;

// A fresh system with the defaults of IniciaCSystem.
SystemRef NewSystem();

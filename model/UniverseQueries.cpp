#include "model/CUniverse.h"
#include "model/RomanNumeral.h"

namespace {

bool BelongsTo(const SpaceObjectRef& object, std::int32_t IDsystem) {
    return object->systema && object->systema->ID == IDsystem;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

}  // namespace

template <class Test>
bool CUniverse::AnyObjectOf(std::int32_t IDsystem, Test test) const {
    if (!objectsInIdOrder_) {
        for (const auto& object : objects_)
            if (BelongsTo(object, IDsystem) && test(*object)) return true;
        return false;
    }
    if (const auto* own = OwnObjects(IDsystem))
        for (const auto& object : *own)
            if (BelongsTo(object, IDsystem) && test(*object)) return true;
    return false;
}

std::int32_t SectorQuadrant(std::int32_t C, std::int32_t R) {
    const bool column = InRange(C, 0, 8);
    const bool row = InRange(R, 0, 8);
    if (column && row) return 0;
    if (column) return 1;
    if (row) return 3;
    return 2;
}

bool CUniverse::GetOccupied(std::int32_t X, std::int32_t y) const {
    for (const auto& system : systems_)
        if (system->X == X && system->y == y) return true;
    return false;
}

void CUniverse::GetWhichOccupied(std::int32_t X, std::int32_t y, SystemRef& System, std::int32_t IDsystem,
                                 bool& occupied) const {
    occupied = false;
    if (!InRange(X, 0, GalaxyColumns - 1) || !InRange(y, 0, GalaxyRows - 1)) return;
    for (const auto& system : systems_) {
        if (system->ID != IDsystem && !system->Checked && system->X == X && system->y == y) {
            System = system;
            occupied = true;
            return;
        }
    }
}

bool CUniverse::GetSpaceObjectOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const {
    return AnyObjectOf(IDsystem, [&](const CSpaceObject& object) { return object.GetOccupied(X, y); });
}

bool CUniverse::GetStarOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const {
    return AnyObjectOf(IDsystem,
                       [&](const CSpaceObject& object) { return object.Tipo == KindStar && object.GetOccupied(X, y); });
}

bool CUniverse::GetOccupiedSystem(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const {
    return AnyObjectOf(IDsystem, [&](const CSpaceObject& object) { return object.coord.X == X && object.coord.y == y; });
}

void CUniverse::GetObjectsPerSector(std::int32_t X, std::int32_t y, std::int32_t IDsystem,
                                    std::vector<SpaceObjectRef>& SE, std::int32_t& count) const {
    SE.clear();
    for (const auto& object : SpaceObjectsOf(IDsystem))
        if (object->GetOccupied(X, y)) SE.push_back(object);
    count = static_cast<std::int32_t>(SE.size());
}

bool CUniverse::ExistWarpTo(std::int32_t IDsystem, const std::string& name) const {
    return AnyObjectOf(IDsystem, [&](const CSpaceObject& object) {
        return object.Tipo == KindWarpPoint && object.destSystem && object.destSystem->name == name;
    });
}

bool CUniverse::ExistWarpInQuadrant(std::int32_t IDsystem, std::int32_t quadrant) const {
    return AnyObjectOf(IDsystem, [&](const CSpaceObject& object) {
        return object.Tipo == KindWarpPoint && SectorQuadrant(object.coord.X, object.coord.y) == quadrant;
    });
}

std::string CUniverse::GetNextObjectName(std::int32_t IDsystem, std::int32_t objtipe) const {
    std::string word;
    switch (objtipe) {
        case KindStar: word = "Star"; break;
        case KindWarpPoint: word = "Warp Point"; break;
        case KindStorm: word = "Storm"; break;
        case KindAsteroids: word = "Ast."; break;
        default: break;
    }
    const SystemRef system = GetOneSystem(IDsystem);
    const std::vector<SpaceObjectRef> objects = SpaceObjectsOf(IDsystem);
    std::int32_t sameKind = 0;
    for (const auto& object : objects)
        if (object->Tipo == objtipe) ++sameKind;
    // The first of its kind is numbered I, whether or not the system holds
    // objects of other kinds; an empty system keeps its "1".
    const std::string numeral = objects.empty() ? std::string("1") : RomanNumeral(sameKind + 1);
    return system->name + " " + numeral + " " + word;
}

#include "random/SystemQueries.h"

#include "model/CUniverse.h"

#include <algorithm>

namespace {

template <typename Test>
bool AnyObject(const CSystem& system, Test test) {
    return std::any_of(system.objects.begin(), system.objects.end(), [&](const SpaceObjectRef& o) { return test(*o); });
}

}  // namespace

bool SpaceObjectOccupied(const CSystem& system, std::int32_t X, std::int32_t Y) {
    return AnyObject(system, [&](const CSpaceObject& o) { return o.GetOccupied(X, Y); });
}

bool StarOccupied(const CSystem& system, std::int32_t X, std::int32_t Y) {
    return AnyObject(system, [&](const CSpaceObject& o) { return o.Tipo == KindStar && o.GetOccupied(X, Y); });
}

bool ExistWarpToName(const CSystem& system, const std::string& name) {
    return AnyObject(system, [&](const CSpaceObject& o) {
        return o.Tipo == KindWarpPoint && o.destSystem && o.destSystem->name == name;
    });
}

bool ExistWarpInQuadrantOf(const CSystem& system, std::int32_t quadrant) {
    return AnyObject(system, [&](const CSpaceObject& o) {
        return o.Tipo == KindWarpPoint && SectorQuadrant(o.coord.X, o.coord.y) == quadrant;
    });
}

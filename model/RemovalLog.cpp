#include "model/RemovalLog.h"

void RemovalLog::RemoveObject(CUniverse& universe, const SpaceObjectRef& object) {
    const std::size_t position = PositionOfId(universe.Objects(), object->ID);
    if (position == universe.Objects().size()) return;
    const SystemRef& system = object->systema;
    std::size_t own = system ? PositionOfId(system->objects, object->ID) : NotInOwnList;
    if (system && own == system->objects.size()) own = NotInOwnList;
    entries_.push_back({nullptr, object, position, own});
    universe.RemoveSpaceObject(system ? system->ID : NoID, object->ID);
}

void RemovalLog::RemoveSystem(CUniverse& universe, const SystemRef& system) {
    for (const SpaceObjectRef& object : universe.SpaceObjectsOf(system->ID)) RemoveObject(universe, object);
    const std::size_t position = PositionOfId(universe.Systems(), system->ID);
    if (position == universe.Systems().size()) return;
    entries_.push_back({system, nullptr, position, 0});
    universe.RemoveSystem(system->ID);
}

void RemovalLog::Restore(CUniverse& universe) {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->system)
            universe.RestoreSystem(it->system, it->position);
        else
            universe.RestoreSpaceObject(it->object, it->position, it->ownPosition);
    }
    entries_.clear();
}

#include "model/SystemEdits.h"

#include <utility>

#include "model/EditNames.h"

void AddSystemEdit::Apply(CUniverse& universe) { universe.AddSystem(system_); }

// The system is the last one again, and the edits after it are undone, so it
// holds no objects: removing it restores the list exactly.
void AddSystemEdit::Undo(CUniverse& universe) { universe.RemoveSystem(system_->ID); }

std::string AddSystemEdit::Name() const { return "Create " + SystemWords(*system_); }

EditSystemEdit::EditSystemEdit(std::int32_t systemId, const CSystem& values)
    : systemId_(systemId), other_(values), name_("Edit " + SystemWords(values)) {
    other_.objects.clear();
}

void EditSystemEdit::Apply(CUniverse& universe) { Exchange(universe); }

void EditSystemEdit::Undo(CUniverse& universe) { Exchange(universe); }

std::string EditSystemEdit::Name() const { return name_; }

// Swaps every value but the ID and the object list between the system and
// the values kept here.
void EditSystemEdit::Exchange(CUniverse& universe) {
    const SystemRef live = universe.GetOneSystem(systemId_);
    if (live->ID == NoID) return;
    CSystem previous = std::move(*live);
    *live = std::move(other_);
    live->ID = previous.ID;
    live->objects = std::move(previous.objects);
    other_ = std::move(previous);
    other_.objects.clear();
}

void RemoveSystemEdit::Apply(CUniverse& universe) {
    const SystemRef system = universe.GetOneSystem(systemId_);
    if (system->ID == NoID) return;
    systemWords_ = SystemWords(*system);
    removed_.RemoveSystem(universe, system);
    warpsRemoved_ = 0;
    if (!withWarps_) return;
    const std::vector<SpaceObjectRef> all = universe.Objects();
    for (const SpaceObjectRef& object : all)
        if (object->Tipo == KindWarpPoint && object->destSystem && object->destSystem->ID == systemId_ &&
            object->systema) {
            removed_.RemoveObject(universe, object);
            ++warpsRemoved_;
        }
}

void RemoveSystemEdit::Undo(CUniverse& universe) { removed_.Restore(universe); }

std::string RemoveSystemEdit::Name() const {
    std::string name = "Remove " + systemWords_;
    if (warpsRemoved_ > 0) name += " and " + CountWords(warpsRemoved_, "warp");
    return name;
}

GeneratedSystem DetachSystem(CUniverse& universe, std::int32_t systemId) {
    GeneratedSystem detached;
    const SystemRef system = universe.GetOneSystem(systemId);
    if (system->ID == NoID) return detached;
    detached.system = system;
    detached.objects = universe.SpaceObjectsOf(systemId);
    for (const SpaceObjectRef& object : detached.objects) universe.RemoveSpaceObject(systemId, object->ID);
    universe.RemoveSystem(systemId);
    return detached;
}

void AddRandomSystemEdit::Apply(CUniverse& universe) {
    const SystemRef& system = generated_.system;
    if (!system) return;
    system->objects.clear();
    universe.AddSystem(system);
    for (const SpaceObjectRef& object : generated_.objects) {
        object->systema = system;
        universe.AddSpaceObject(object, system->ID);
    }
}

void AddRandomSystemEdit::Undo(CUniverse& universe) {
    const SystemRef& system = generated_.system;
    if (!system) return;
    for (auto it = generated_.objects.rbegin(); it != generated_.objects.rend(); ++it)
        universe.RemoveSpaceObject(system->ID, (*it)->ID);
    universe.RemoveSystem(system->ID);
}

std::string AddRandomSystemEdit::Name() const {
    return "Random " + (generated_.system ? SystemWords(*generated_.system) : std::string("System"));
}

void ReplaceMapEdit::Exchange(CUniverse& universe) { std::swap(universe, other_); }

#include "model/ObjectEdits.h"

#include <utility>

#include "model/EditNames.h"

namespace {

std::int32_t SystemIdOf(const CSpaceObject& object) { return object.systema ? object.systema->ID : NoID; }

}  // namespace

void AddObjectEdit::Apply(CUniverse& universe) { universe.AddSpaceObject(object_, systemId_); }

// The object is the last of both lists again, so removing it restores them.
void AddObjectEdit::Undo(CUniverse& universe) { universe.RemoveSpaceObject(systemId_, object_->ID); }

std::string AddObjectEdit::Name() const { return "Create " + ObjectWords(*object_); }

void AddMirrorWarpEdit::Apply(CUniverse& universe) {
    warp_.Apply(universe);
    mirror_.Apply(universe);
}

void AddMirrorWarpEdit::Undo(CUniverse& universe) {
    mirror_.Undo(universe);
    warp_.Undo(universe);
}

std::string AddMirrorWarpEdit::Name() const { return warp_.Name() + " and its mirror"; }

EditObjectEdit::EditObjectEdit(std::int32_t objectId, const CSpaceObject& values, std::string verb)
    : objectId_(objectId), systemId_(SystemIdOf(values)), other_(values), name_(verb + " " + ObjectWords(values)) {}

// Swaps every value but the ID and the system between the object and the
// values kept here.
void EditObjectEdit::Exchange(CUniverse& universe) {
    const SpaceObjectRef live = universe.GetOneSpaceObject(objectId_);
    if (!live) return;
    CSpaceObject previous = std::move(*live);
    *live = std::move(other_);
    live->ID = previous.ID;
    live->systema = previous.systema;
    other_ = std::move(previous);
}

void MoveObjectEdit::Apply(CUniverse& universe) {
    const SpaceObjectRef live = universe.GetOneSpaceObject(objectId_);
    if (!live) return;
    systemId_ = SystemIdOf(*live);
    from_ = live->coord;
    live->coord = to_;
    name_ = "Move " + ObjectWords(*live);
}

void MoveObjectEdit::Undo(CUniverse& universe) {
    if (const SpaceObjectRef live = universe.GetOneSpaceObject(objectId_)) live->coord = from_;
}

void SetAbilitiesEdit::Exchange(CUniverse& universe) {
    const SpaceObjectRef live = universe.GetOneSpaceObject(objectId_);
    if (!live) return;
    systemId_ = SystemIdOf(*live);
    if (count_ < 0) count_ = static_cast<std::int32_t>(abilities_.size());
    std::swap(live->habilidades, abilities_);
    std::swap(live->nhabilidades, count_);
    name_ = "Set Abilities of " + ObjectWords(*live);
}

void RemoveObjectEdit::Apply(CUniverse& universe) {
    const SpaceObjectRef live = universe.GetOneSpaceObject(objectId_);
    if (!live) return;
    systemId_ = SystemIdOf(*live);
    name_ = "Remove " + ObjectWords(*live);
    removed_.RemoveObject(universe, live);
}

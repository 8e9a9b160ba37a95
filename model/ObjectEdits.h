#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CUniverse.h"
#include "model/MapEdit.h"
#include "model/RemovalLog.h"

// Adds a new object to a system (its systema, abilities and values already
// set); the universe gives it the next ID.
class AddObjectEdit : public MapEdit {
public:
    AddObjectEdit(SpaceObjectRef object, std::int32_t systemId) : object_(std::move(object)), systemId_(systemId) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return {systemId_, object_->ID}; }

private:
    SpaceObjectRef object_;
    std::int32_t systemId_;
};

// Adds a warp point and its mirror in the destination system as one step.
class AddMirrorWarpEdit : public MapEdit {
public:
    AddMirrorWarpEdit(SpaceObjectRef warp, std::int32_t systemId, SpaceObjectRef mirror, std::int32_t destinationId)
        : warp_(std::move(warp), systemId), mirror_(std::move(mirror), destinationId) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return warp_.Focus(); }

private:
    AddObjectEdit warp_;
    AddObjectEdit mirror_;
};

// Gives an object new values (name, sector, type, resources, destination,
// abilities...). The record stays in its place in both lists.
class EditObjectEdit : public MapEdit {
public:
    // values: the object's values after the edit; its ID and system are kept.
    EditObjectEdit(std::int32_t objectId, const CSpaceObject& values, std::string verb = "Edit");
    void Apply(CUniverse& universe) override { Exchange(universe); }
    void Undo(CUniverse& universe) override { Exchange(universe); }
    std::string Name() const override { return name_; }
    EditFocus Focus() const override { return {systemId_, objectId_}; }

private:
    void Exchange(CUniverse& universe);

    std::int32_t objectId_;
    std::int32_t systemId_;
    CSpaceObject other_;  // the values not in the universe
    std::string name_;
};

// Moves an object to another sector (the drop of a drag).
class MoveObjectEdit : public MapEdit {
public:
    MoveObjectEdit(std::int32_t objectId, CCoord to) : objectId_(objectId), to_(to) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override { return name_; }
    EditFocus Focus() const override { return {systemId_, objectId_}; }

private:
    std::int32_t objectId_;
    std::int32_t systemId_ = NoID;
    CCoord from_{}, to_;
    std::string name_ = "Move Object";
};

// Replaces the abilities of an object.
class SetAbilitiesEdit : public MapEdit {
public:
    SetAbilitiesEdit(std::int32_t objectId, std::vector<CAbility> abilities)
        : objectId_(objectId), abilities_(std::move(abilities)) {}
    void Apply(CUniverse& universe) override { Exchange(universe); }
    void Undo(CUniverse& universe) override { Exchange(universe); }
    std::string Name() const override { return name_; }
    EditFocus Focus() const override { return {systemId_, objectId_}; }

private:
    void Exchange(CUniverse& universe);

    std::int32_t objectId_;
    std::int32_t systemId_ = NoID;
    std::vector<CAbility> abilities_;  // the list not in the object
    std::int32_t count_ = -1;          // its count; -1 until applied: the list's size
    std::string name_ = "Set Abilities";
};

// Removes one object.
class RemoveObjectEdit : public MapEdit {
public:
    explicit RemoveObjectEdit(std::int32_t objectId) : objectId_(objectId) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override { removed_.Restore(universe); }
    std::string Name() const override { return name_; }
    EditFocus Focus() const override { return {systemId_, objectId_}; }

private:
    std::int32_t objectId_;
    std::int32_t systemId_ = NoID;
    RemovalLog removed_;
    std::string name_ = "Remove Object";
};

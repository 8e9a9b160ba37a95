#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CUniverse.h"
#include "model/MapEdit.h"
#include "model/RemovalLog.h"

// Adds a new system; the universe gives it the next ID.
class AddSystemEdit : public MapEdit {
public:
    explicit AddSystemEdit(SystemRef system) : system_(std::move(system)) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return {system_->ID, NoID}; }

private:
    SystemRef system_;
};

// Gives a system new values (name, cell, type, portrait, background...).
// The record itself stays, so warps leading to it see the change.
class EditSystemEdit : public MapEdit {
public:
    // values: the system's values after the edit; its ID and object list are
    // not used.
    EditSystemEdit(std::int32_t systemId, const CSystem& values);
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return {systemId_, NoID}; }

private:
    void Exchange(CUniverse& universe);

    std::int32_t systemId_;
    CSystem other_;  // the values not in the universe: the new ones before Apply, the old ones after
    std::string name_;
};

// Removes a system with its objects and, when asked, every warp of the other
// systems that leads to it.
class RemoveSystemEdit : public MapEdit {
public:
    RemoveSystemEdit(std::int32_t systemId, bool withWarpsHeadingThere)
        : systemId_(systemId), withWarps_(withWarpsHeadingThere) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return {systemId_, NoID}; }
    std::size_t WarpsRemoved() const { return warpsRemoved_; }

private:
    std::int32_t systemId_;
    bool withWarps_;
    RemovalLog removed_;
    std::string systemWords_;
    std::size_t warpsRemoved_ = 0;
};

// A system made outside the universe (by random generation) with its
// objects in order, not yet part of any universe.
struct GeneratedSystem {
    SystemRef system;
    std::vector<SpaceObjectRef> objects;
};

// Takes a system and its objects out of a universe, links intact, for adding
// them to another one. Empty when the universe has no such system.
GeneratedSystem DetachSystem(CUniverse& universe, std::int32_t systemId);

// Adds a generated system and its objects; they receive new IDs.
class AddRandomSystemEdit : public MapEdit {
public:
    explicit AddRandomSystemEdit(GeneratedSystem generated) : generated_(std::move(generated)) {}
    void Apply(CUniverse& universe) override;
    void Undo(CUniverse& universe) override;
    std::string Name() const override;
    EditFocus Focus() const override { return {generated_.system ? generated_.system->ID : NoID, NoID}; }

private:
    GeneratedSystem generated_;
};

// Puts a whole other map in place of the current one (a random map).
class ReplaceMapEdit : public MapEdit {
public:
    ReplaceMapEdit(CUniverse replacement, std::string name)
        : other_(std::move(replacement)), name_(std::move(name)) {}
    void Apply(CUniverse& universe) override { Exchange(universe); }
    void Undo(CUniverse& universe) override { Exchange(universe); }
    std::string Name() const override { return name_; }
    EditFocus Focus() const override { return {}; }

private:
    void Exchange(CUniverse& universe);

    CUniverse other_;  // the map not shown: the new one before Apply, the old one after
    std::string name_;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CSpaceObject.h"
#include "model/CSystem.h"

constexpr std::int32_t GalaxyColumns = 68;
constexpr std::int32_t GalaxyRows = 50;
// The ID that means "no item" throughout the editor.
constexpr std::int32_t NoID = -999;
// An object that its system's own list does not hold.
constexpr std::size_t NotInOwnList = static_cast<std::size_t>(-1);

// A fresh system outside the universe (ID NoID): the answer of a lookup that
// found no system. With a name, the destination of a warp that leads to no
// system of the map.
SystemRef NewDetachedSystem();
SystemRef NewDetachedSystem(const std::string& name);

// The whole map: every system and the flat list of every space object, each
// in the order added. All changes go through here so both lists stay in step.
//
// Lookups cost the size of one system, not of the map: the universe hands
// out every ID in increasing order and removal keeps the order, so an element
// is found by its ID with a binary search, and a system's objects come from
// its own list. An ID must not be changed while its element is listed here;
// an edit that puts an element with another ID in place is noticed and
// lookups fall back to walking the list.
class CUniverse {
public:
    CUniverse() = default;
    ~CUniverse();
    CUniverse(const CUniverse&) = delete;
    CUniverse& operator=(const CUniverse&) = delete;
    CUniverse(CUniverse&& other) noexcept;
    CUniverse& operator=(CUniverse&& other) noexcept;

    // Empties the universe (the system's own "CUniverse" operation).
    void Clear();

    std::int32_t NSistemas() const { return static_cast<std::int32_t>(systems_.size()); }
    std::int32_t NObjetosU() const { return static_cast<std::int32_t>(objects_.size()); }
    const std::vector<SystemRef>& Systems() const { return systems_; }
    const std::vector<SpaceObjectRef>& Objects() const { return objects_; }

    // Changes, to a value no universe had before, whenever what the galaxy
    // map shows may have changed: a system added, edited, removed or put
    // back, a warp point added, edited, removed or put back, or the whole
    // content replaced. Other objects leave it as it is, so the galaxy need
    // not be gathered again after each edit inside a system.
    std::uint64_t GalaxyStamp() const { return galaxyStamp_; }

    std::int32_t BuscaLast() const;
    std::int32_t BuscaLastSO() const;

    void AddSystem(const SystemRef& System);
    void EditSystem(const SystemRef& System, std::int32_t IDsystem);
    void RemoveSystem(std::int32_t IDsystem);
    SystemRef FindSystemByName(const std::string& name) const;
    // The system with that ID, or a fresh detached one with ID -999.
    SystemRef GetOneSystem(std::int32_t ID) const;
    void GetAllSystems(std::vector<SystemRef>& s, std::int32_t& Nsys) const;

    void AddSpaceObject(const SpaceObjectRef& SE, std::int32_t IDsystem);
    void EditSpaceObject(const SpaceObjectRef& SpaceObject, std::int32_t IDsystem, std::int32_t idspaceobject);
    void RemoveSpaceObject(std::int32_t IDsystem, std::int32_t idspaceobject);
    void RemoveSpaceObjectSystem(std::int32_t IDsystem);
    void GetSpaceObjects(std::int32_t IDsystem, std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const;
    // Convenience form of GetSpaceObjects.
    std::vector<SpaceObjectRef> SpaceObjectsOf(std::int32_t IDsystem) const;
    void GetAllSpaceObjects(std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const;
    SpaceObjectRef GetOneSpaceObject(std::int32_t ID) const;

    // Undo support: put back a system or an object removed earlier at the
    // place it held, keeping its ID. Removals are undone in reverse order, so
    // every position is valid again when its element returns. An object goes
    // back into the flat list at position and into the own list of its
    // system (systema) at systemPosition (not at all for NotInOwnList).
    void RestoreSystem(const SystemRef& System, std::size_t position);
    void RestoreSpaceObject(const SpaceObjectRef& SE, std::size_t position, std::size_t systemPosition);

    std::int32_t GetX(std::int32_t position) const;
    std::int32_t GetY(std::int32_t position) const;
    std::int32_t GetObjectX(std::int32_t position) const;
    std::int32_t GetObjectY(std::int32_t position) const;

    // Queries; each walks its list from the start and stops at the first hit.
    bool GetOccupied(std::int32_t X, std::int32_t y) const;
    void GetWhichOccupied(std::int32_t X, std::int32_t y, SystemRef& System, std::int32_t IDsystem,
                          bool& occupied) const;
    bool GetSpaceObjectOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const;
    bool GetStarOccupied(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const;
    bool GetOccupiedSystem(std::int32_t X, std::int32_t y, std::int32_t IDsystem) const;
    void GetObjectsPerSector(std::int32_t X, std::int32_t y, std::int32_t IDsystem, std::vector<SpaceObjectRef>& SE,
                             std::int32_t& count) const;
    bool ExistWarpTo(std::int32_t IDsystem, const std::string& name) const;
    bool ExistWarpInQuadrant(std::int32_t IDsystem, std::int32_t quadrant) const;
    std::string GetNextObjectName(std::int32_t IDsystem, std::int32_t objtipe) const;

private:
    // Systems and objects refer to each other; the links are cut when the
    // universe lets them go so that no reference cycle outlives it.
    void ReleaseLinks();
    // Position in the list of the first element with that ID; SIZE_MAX when
    // there is none.
    std::size_t SystemPosition(std::int32_t ID) const;
    std::size_t ObjectPosition(std::int32_t ID) const;
    // The own object list of the system with that ID; null when none has it.
    const std::vector<SpaceObjectRef>* OwnObjects(std::int32_t IDsystem) const;
    // Whether some object of system IDsystem passes the test.
    template <class Test>
    bool AnyObjectOf(std::int32_t IDsystem, Test test) const;

    static std::uint64_t NewGalaxyStamp();
    void GalaxyChanged() { galaxyStamp_ = NewGalaxyStamp(); }
    void GalaxyChangedBy(const CSpaceObject& object);

    std::vector<SystemRef> systems_;
    std::vector<SpaceObjectRef> objects_;
    std::uint64_t galaxyStamp_ = NewGalaxyStamp();
    // False once an edit broke the ID order of the list.
    bool systemsInIdOrder_ = true;
    bool objectsInIdOrder_ = true;
};

// The quadrant of the sector field a sector lies in, by its column C and row
// R: 0 both in 0..8, 1 only C, 3 only R, 2 neither.
std::int32_t SectorQuadrant(std::int32_t C, std::int32_t R);

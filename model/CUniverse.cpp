#include "model/CUniverse.h"

#include <atomic>

#include "text/TextHelpers.h"

#include <algorithm>
#include <unordered_set>

namespace {

constexpr std::size_t NotFound = static_cast<std::size_t>(-1);

// The position of the first element with that ID. A list in ID order is
// searched by halves after a look at its last element (the system being
// filled); any other list is walked.
template <class Ref>
std::size_t PositionOfId(const std::vector<Ref>& list, std::int32_t ID, bool inIdOrder) {
    if (list.empty()) return NotFound;
    if (!inIdOrder) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i]->ID == ID) return i;
        return NotFound;
    }
    if (list.back()->ID == ID) return list.size() - 1;
    const auto it =
        std::lower_bound(list.begin(), list.end(), ID, [](const Ref& element, std::int32_t id) { return element->ID < id; });
    return it != list.end() && (*it)->ID == ID ? static_cast<std::size_t>(it - list.begin()) : NotFound;
}

// Whether the element at position p still lies between its neighbours' IDs.
template <class Ref>
bool InOrderAt(const std::vector<Ref>& list, std::size_t p) {
    return (p == 0 || list[p - 1]->ID < list[p]->ID) && (p + 1 == list.size() || list[p]->ID < list[p + 1]->ID);
}

}  // namespace

CUniverse::~CUniverse() { ReleaseLinks(); }

CUniverse::CUniverse(CUniverse&& other) noexcept
    : systems_(std::move(other.systems_)),
      objects_(std::move(other.objects_)),
      systemsInIdOrder_(other.systemsInIdOrder_),
      objectsInIdOrder_(other.objectsInIdOrder_) {
    GalaxyChanged();
    other.Clear();
}

CUniverse& CUniverse::operator=(CUniverse&& other) noexcept {
    if (this != &other) {
        ReleaseLinks();
        systems_ = std::move(other.systems_);
        objects_ = std::move(other.objects_);
        systemsInIdOrder_ = other.systemsInIdOrder_;
        objectsInIdOrder_ = other.objectsInIdOrder_;
        GalaxyChanged();
        other.Clear();
    }
    return *this;
}

void CUniverse::ReleaseLinks() {
    for (auto& system : systems_) system->objects.clear();
    for (auto& object : objects_) {
        object->systema.reset();
        object->destSystem.reset();
    }
}

// One counter for all universes, so that no two contents share a stamp.
std::uint64_t CUniverse::NewGalaxyStamp() {
    static std::atomic<std::uint64_t> lastStamp{0};
    return ++lastStamp;
}

void CUniverse::GalaxyChangedBy(const CSpaceObject& object) {
    if (object.Tipo == KindWarpPoint) GalaxyChanged();
}

void CUniverse::Clear() {
    GalaxyChanged();
    ReleaseLinks();
    systems_.clear();
    objects_.clear();
    systemsInIdOrder_ = objectsInIdOrder_ = true;
}

std::size_t CUniverse::SystemPosition(std::int32_t ID) const { return PositionOfId(systems_, ID, systemsInIdOrder_); }

std::size_t CUniverse::ObjectPosition(std::int32_t ID) const { return PositionOfId(objects_, ID, objectsInIdOrder_); }

const std::vector<SpaceObjectRef>* CUniverse::OwnObjects(std::int32_t IDsystem) const {
    const std::size_t p = SystemPosition(IDsystem);
    return p == NotFound ? nullptr : &systems_[p]->objects;
}

std::int32_t CUniverse::BuscaLast() const { return systems_.empty() ? 0 : systems_.back()->ID; }

std::int32_t CUniverse::BuscaLastSO() const { return objects_.empty() ? 0 : objects_.back()->ID; }

void CUniverse::AddSystem(const SystemRef& System) {
    System->ID = BuscaLast() + 1;
    systems_.push_back(System);
    GalaxyChanged();
}

void CUniverse::EditSystem(const SystemRef& System, std::int32_t IDsystem) {
    const std::size_t p = SystemPosition(IDsystem);
    if (p == NotFound) return;
    systems_[p] = System;
    GalaxyChanged();
    if (!InOrderAt(systems_, p)) systemsInIdOrder_ = false;
}

void CUniverse::RemoveSystem(std::int32_t IDsystem) {
    GalaxyChanged();
    RemoveSpaceObjectSystem(IDsystem);
    const std::size_t p = SystemPosition(IDsystem);
    if (p != NotFound) systems_.erase(systems_.begin() + static_cast<std::ptrdiff_t>(p));
}

SystemRef CUniverse::FindSystemByName(const std::string& name) const {
    const std::string wanted = Trim(name);
    for (const auto& system : systems_)
        if (Trim(system->name) == wanted) return system;
    return nullptr;
}

SystemRef NewDetachedSystem() {
    SystemRef system = NewSystem();
    system->ID = NoID;
    return system;
}

SystemRef NewDetachedSystem(const std::string& name) {
    SystemRef system = NewDetachedSystem();
    system->name = name;
    return system;
}

SystemRef CUniverse::GetOneSystem(std::int32_t ID) const {
    const std::size_t p = SystemPosition(ID);
    return p == NotFound ? NewDetachedSystem() : systems_[p];
}

void CUniverse::GetAllSystems(std::vector<SystemRef>& s, std::int32_t& Nsys) const {
    Nsys = NSistemas();
    if (Nsys > 0) s = systems_;
}

void CUniverse::AddSpaceObject(const SpaceObjectRef& SE, std::int32_t IDsystem) {
    SE->ID = BuscaLastSO() + 1;
    objects_.push_back(SE);
    GalaxyChangedBy(*SE);
    const std::size_t p = SystemPosition(IDsystem);
    if (p != NotFound) systems_[p]->addObject(SE);
}

void CUniverse::EditSpaceObject(const SpaceObjectRef& SpaceObject, std::int32_t IDsystem,
                                std::int32_t idspaceobject) {
    const std::size_t system = SystemPosition(IDsystem);
    if (system != NotFound) systems_[system]->editObject(SpaceObject, idspaceobject);
    GalaxyChangedBy(*SpaceObject);
    if (!objectsInIdOrder_) {
        for (auto& object : objects_)
            if (object->ID == idspaceobject) {
                GalaxyChangedBy(*object);
                object = SpaceObject;
            }
        return;
    }
    // In ID order the ID is held by one object at most.
    const std::size_t p = ObjectPosition(idspaceobject);
    if (p == NotFound) return;
    GalaxyChangedBy(*objects_[p]);
    objects_[p] = SpaceObject;
    if (!InOrderAt(objects_, p)) objectsInIdOrder_ = false;
}

void CUniverse::RemoveSpaceObject(std::int32_t IDsystem, std::int32_t idspaceobject) {
    const std::size_t p = ObjectPosition(idspaceobject);
    if (p != NotFound) {
        GalaxyChangedBy(*objects_[p]);
        objects_.erase(objects_.begin() + static_cast<std::ptrdiff_t>(p));
    }
    const std::size_t system = SystemPosition(IDsystem);
    if (system != NotFound) systems_[system]->removeObject(idspaceobject);
}

// One pass over the flat list for all the system's objects, instead of one
// pass per object.
void CUniverse::RemoveSpaceObjectSystem(std::int32_t IDsystem) {
    const std::vector<SpaceObjectRef> gone = SpaceObjectsOf(IDsystem);
    if (gone.empty()) return;
    GalaxyChanged();
    std::unordered_set<std::int32_t> ids;
    for (const auto& object : gone) ids.insert(object->ID);
    const auto isGone = [&ids](const SpaceObjectRef& object) { return ids.count(object->ID) > 0; };
    // In ID order nothing before the system's first object can go.
    const std::size_t first = objectsInIdOrder_ ? ObjectPosition(gone.front()->ID) : 0;
    const auto from = objects_.begin() + static_cast<std::ptrdiff_t>(first == NotFound ? 0 : first);
    objects_.erase(std::remove_if(from, objects_.end(), isGone), objects_.end());
    if (const std::size_t system = SystemPosition(IDsystem); system != NotFound) {
        auto& own = systems_[system]->objects;
        own.erase(std::remove_if(own.begin(), own.end(), isGone), own.end());
    }
}

void CUniverse::GetSpaceObjects(std::int32_t IDsystem, std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const {
    std::vector<SpaceObjectRef> found = SpaceObjectsOf(IDsystem);
    nobj = static_cast<std::int32_t>(found.size());
    if (nobj > 0) SE = std::move(found);
}

// The system's own list holds the same objects as the flat list; an object
// counts as the system's when its systema says so. The answer keeps the flat
// list's order (ID order), whatever the order of the own list.
std::vector<SpaceObjectRef> CUniverse::SpaceObjectsOf(std::int32_t IDsystem) const {
    std::vector<SpaceObjectRef> found;
    const auto belongs = [IDsystem](const SpaceObjectRef& o) { return o->systema && o->systema->ID == IDsystem; };
    if (!objectsInIdOrder_) {
        std::copy_if(objects_.begin(), objects_.end(), std::back_inserter(found), belongs);
        return found;
    }
    if (const auto* own = OwnObjects(IDsystem)) std::copy_if(own->begin(), own->end(), std::back_inserter(found), belongs);
    const auto byId = [](const SpaceObjectRef& a, const SpaceObjectRef& b) { return a->ID < b->ID; };
    if (!std::is_sorted(found.begin(), found.end(), byId)) std::sort(found.begin(), found.end(), byId);
    return found;
}

void CUniverse::GetAllSpaceObjects(std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const {
    SE = objects_;
    nobj = NObjetosU();
}

SpaceObjectRef CUniverse::GetOneSpaceObject(std::int32_t ID) const {
    const std::size_t p = ObjectPosition(ID);
    return p == NotFound ? nullptr : objects_[p];
}

namespace {

template <typename List, typename Item>
void InsertAt(List& list, std::size_t position, const Item& item) {
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(position, list.size())), item);
}

}  // namespace

// An exact undo puts every element back between its neighbours' IDs; any
// other use is noticed and lookups fall back to walking the list.
void CUniverse::RestoreSystem(const SystemRef& System, std::size_t position) {
    InsertAt(systems_, position, System);
    GalaxyChanged();
    if (!InOrderAt(systems_, std::min(position, systems_.size() - 1))) systemsInIdOrder_ = false;
}

void CUniverse::RestoreSpaceObject(const SpaceObjectRef& SE, std::size_t position, std::size_t systemPosition) {
    InsertAt(objects_, position, SE);
    GalaxyChangedBy(*SE);
    if (!InOrderAt(objects_, std::min(position, objects_.size() - 1))) objectsInIdOrder_ = false;
    if (SE->systema && systemPosition != NotInOwnList) InsertAt(SE->systema->objects, systemPosition, SE);
}

std::int32_t CUniverse::GetX(std::int32_t position) const { return systems_.at(static_cast<std::size_t>(position))->X; }
std::int32_t CUniverse::GetY(std::int32_t position) const { return systems_.at(static_cast<std::size_t>(position))->y; }
std::int32_t CUniverse::GetObjectX(std::int32_t position) const {
    return objects_.at(static_cast<std::size_t>(position))->coord.X;
}
std::int32_t CUniverse::GetObjectY(std::int32_t position) const {
    return objects_.at(static_cast<std::size_t>(position))->coord.y;
}

#include "model/CUniverse.h"

#include "text/TextHelpers.h"

#include <algorithm>

CUniverse::~CUniverse() { ReleaseLinks(); }

CUniverse::CUniverse(CUniverse&& other) noexcept
    : systems_(std::move(other.systems_)), objects_(std::move(other.objects_)) {
    other.systems_.clear();
    other.objects_.clear();
}

CUniverse& CUniverse::operator=(CUniverse&& other) noexcept {
    if (this != &other) {
        ReleaseLinks();
        systems_ = std::move(other.systems_);
        objects_ = std::move(other.objects_);
        other.systems_.clear();
        other.objects_.clear();
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

void CUniverse::Clear() {
    ReleaseLinks();
    systems_.clear();
    objects_.clear();
}

std::int32_t CUniverse::BuscaLast() const { return systems_.empty() ? 0 : systems_.back()->ID; }

std::int32_t CUniverse::BuscaLastSO() const { return objects_.empty() ? 0 : objects_.back()->ID; }

void CUniverse::AddSystem(const SystemRef& System) {
    System->ID = BuscaLast() + 1;
    systems_.push_back(System);
}

void CUniverse::EditSystem(const SystemRef& System, std::int32_t IDsystem) {
    auto it = std::find_if(systems_.begin(), systems_.end(), [IDsystem](const SystemRef& s) { return s->ID == IDsystem; });
    if (it != systems_.end()) *it = System;
}

void CUniverse::RemoveSystem(std::int32_t IDsystem) {
    RemoveSpaceObjectSystem(IDsystem);
    auto it = std::find_if(systems_.begin(), systems_.end(), [IDsystem](const SystemRef& s) { return s->ID == IDsystem; });
    if (it != systems_.end()) systems_.erase(it);
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
    for (const auto& system : systems_)
        if (system->ID == ID) return system;
    return NewDetachedSystem();
}

void CUniverse::GetAllSystems(std::vector<SystemRef>& s, std::int32_t& Nsys) const {
    Nsys = NSistemas();
    if (Nsys > 0) s = systems_;
}

void CUniverse::AddSpaceObject(const SpaceObjectRef& SE, std::int32_t IDsystem) {
    SE->ID = BuscaLastSO() + 1;
    objects_.push_back(SE);
    SystemRef system = GetOneSystem(IDsystem);
    if (system->ID != NoID) system->addObject(SE);
}

void CUniverse::EditSpaceObject(const SpaceObjectRef& SpaceObject, std::int32_t IDsystem,
                                std::int32_t idspaceobject) {
    GetOneSystem(IDsystem)->editObject(SpaceObject, idspaceobject);
    for (auto& object : objects_)
        if (object->ID == idspaceobject) object = SpaceObject;
}

void CUniverse::RemoveSpaceObject(std::int32_t IDsystem, std::int32_t idspaceobject) {
    auto it = std::find_if(objects_.begin(), objects_.end(),
                           [idspaceobject](const SpaceObjectRef& o) { return o->ID == idspaceobject; });
    if (it != objects_.end()) objects_.erase(it);
    GetOneSystem(IDsystem)->removeObject(idspaceobject);
}

void CUniverse::RemoveSpaceObjectSystem(std::int32_t IDsystem) {
    for (const auto& object : SpaceObjectsOf(IDsystem)) RemoveSpaceObject(IDsystem, object->ID);
}

void CUniverse::GetSpaceObjects(std::int32_t IDsystem, std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const {
    std::vector<SpaceObjectRef> found = SpaceObjectsOf(IDsystem);
    nobj = static_cast<std::int32_t>(found.size());
    if (nobj > 0) SE = std::move(found);
}

std::vector<SpaceObjectRef> CUniverse::SpaceObjectsOf(std::int32_t IDsystem) const {
    std::vector<SpaceObjectRef> found;
    for (const auto& object : objects_)
        if (object->systema && object->systema->ID == IDsystem) found.push_back(object);
    return found;
}

void CUniverse::GetAllSpaceObjects(std::vector<SpaceObjectRef>& SE, std::int32_t& nobj) const {
    SE = objects_;
    nobj = NObjetosU();
}

SpaceObjectRef CUniverse::GetOneSpaceObject(std::int32_t ID) const {
    for (const auto& object : objects_)
        if (object->ID == ID) return object;
    return nullptr;
}

namespace {

template <typename List, typename Item>
void InsertAt(List& list, std::size_t position, const Item& item) {
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(position, list.size())), item);
}

}  // namespace

void CUniverse::RestoreSystem(const SystemRef& System, std::size_t position) { InsertAt(systems_, position, System); }

void CUniverse::RestoreSpaceObject(const SpaceObjectRef& SE, std::size_t position, std::size_t systemPosition) {
    InsertAt(objects_, position, SE);
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

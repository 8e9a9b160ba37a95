#include "ui/editing/ObjectPlacement.h"

#include "model/EditGroup.h"
#include "model/ObjectEdits.h"
#include "text/TextHelpers.h"

namespace {

const char* const SectorTakenMessage = "That coordinates have an Object yet";
const char* const DestinationTakenMessage = "That coordinates in the Destiny have an Object yet";

SpaceObjectRef NoObject() {
    SpaceObjectRef none = std::make_shared<CSpaceObject>();
    none->ID = NoID;
    return none;
}

// The catalogue's word for the object's type; the object's own word when the
// catalogue does not know the type, so the dialog does not open blank.
std::string Either(const std::string& catalogueWord, const std::string& ownWord) {
    return catalogueWord.empty() ? ownWord : catalogueWord;
}

// The name, size word and resources planets and asteroid fields share.
void WriteFieldValues(const CurrentObjectRecord& c, CSpaceObject& object) {
    object.name = Trim(c.Name);
    object.SizeP = c.Size;
    object.resMinerals = c.Minerals;
    object.resOrganics = c.Organics;
    object.resRadioactives = c.Radioactives;
}

void ReadFieldValues(const CSpaceObject& object, const StellarTypeWords& words, CurrentObjectRecord& c) {
    c.Name = Trim(object.name);
    c.Size = Either(words.Size, object.SizeP);
    c.Type = Either(words.SubType, object.TypeP);
    c.Minerals = object.resMinerals;
    c.Organics = object.resOrganics;
    c.Radioactives = object.resRadioactives;
}

bool SameAbilities(const CSpaceObject& a, const CSpaceObject& b) {
    return HeldAbilityList(a) == HeldAbilityList(b);
}

}  // namespace

std::vector<CAbility> HeldAbilityList(const CSpaceObject& object) {
    const auto held = object.habilidades.begin() + object.HeldAbilities();
    return {object.habilidades.begin(), held};
}

std::string KindWord(std::int32_t kind) {
    switch (kind) {
        case KindStar: return "STAR";
        case KindWarpPoint: return "WARP";
        case KindStorm: return "STORM";
        case KindPlanet: return "PLANET";
        case KindAsteroids: return "ASTEROID";
        default: return {};
    }
}

SpaceObjectRef FindObjectAt(const CUniverse& universe, std::int32_t X, std::int32_t Y, std::int32_t systemId) {
    for (const SpaceObjectRef& object : universe.SpaceObjectsOf(systemId))
        if (object->coord.X == X && object->coord.y == Y) return object;
    return NoObject();
}

SpaceObjectRef FindObjectAtWithId(const CUniverse& universe, std::int32_t X, std::int32_t Y, std::int32_t systemId,
                                  std::int32_t objectId) {
    for (const SpaceObjectRef& object : universe.SpaceObjectsOf(systemId))
        if (object->coord.X == X && object->coord.y == Y && object->ID == objectId) return object;
    return NoObject();
}

bool ObjectPlacement::AddObjectFromCurrent(std::int32_t kind, std::int32_t systemId) {
    const SystemRef system = l_.universe.GetOneSystem(systemId);
    if (system->ID == NoID) return true;
    SpaceObjectRef object = NewSpaceObject(KindWord(kind));
    WriteCurrentInto(*object, system);
    // The dialogs refuse OK without a specific type; other callers may not.
    if (object->StellarObjectType == 0) return true;
    if (kind == KindWarpPoint) return AddWarpWithMirror(object, systemId);
    if (SectorRefused(object->coord.X, object->coord.y, systemId)) {
        l_.reporter.Information(SectorTakenMessage);
        return false;
    }
    AttachAbilities(*object);
    l_.edits.Submit(std::make_unique<AddObjectEdit>(object, systemId));
    return true;
}

bool ObjectPlacement::SectorRefused(std::int32_t X, std::int32_t Y, std::int32_t systemId) const {
    const bool taken = l_.universe.GetSpaceObjectOccupied(X, Y, systemId);
    if (!l_.relaxedPlacement()) return taken;
    return taken && l_.universe.GetStarOccupied(X, Y, systemId);
}

bool ObjectPlacement::AddWarpWithMirror(const SpaceObjectRef& warp, std::int32_t systemId) {
    if (!l_.reporter.Question("Do you want to create a mirror Warp in the destiny System?"))
        return AddWarp(warp, systemId);
    const CurrentObjectRecord& current = l_.editor.CurrentObject;
    const SystemRef destination = l_.universe.FindSystemByName(current.DestinationName);
    // Only a destination outside the map has none; it cannot hold a mirror.
    if (!destination) return AddWarp(warp, systemId);
    SpaceObjectRef mirror = NewSpaceObject("WARP");
    mirror->systema = destination;
    mirror->coord = {current.DestX, current.DestY};
    mirror->destSystem = warp->systema;
    mirror->destCoord = {current.X, current.Y};
    mirror->StellarObjectType = warp->StellarObjectType;
    const bool relaxed = l_.relaxedPlacement();
    if (!relaxed && l_.universe.GetSpaceObjectOccupied(current.DestX, current.DestY, destination->ID)) {
        l_.reporter.Information(DestinationTakenMessage);
        return false;
    }
    if (!relaxed && l_.universe.GetSpaceObjectOccupied(current.X, current.Y, systemId)) {
        l_.reporter.Information(SectorTakenMessage);
        return false;
    }
    AttachAbilities(*warp);
    AttachAbilities(*mirror);
    l_.edits.Submit(std::make_unique<AddMirrorWarpEdit>(warp, systemId, mirror, destination->ID));
    l_.drawSystems();
    return true;
}

bool ObjectPlacement::AddWarp(const SpaceObjectRef& warp, std::int32_t systemId) {
    if (!l_.relaxedPlacement() && l_.universe.GetSpaceObjectOccupied(warp->coord.X, warp->coord.y, systemId)) {
        l_.reporter.Information(SectorTakenMessage);
        return false;
    }
    AttachAbilities(*warp);
    l_.edits.Submit(std::make_unique<AddObjectEdit>(warp, systemId));
    l_.drawSystems();
    return true;
}

void ObjectPlacement::EditObjectFromCurrent(std::int32_t systemId, std::int32_t objectId) {
    const SpaceObjectRef object = l_.universe.GetOneSpaceObject(objectId);
    if (!object) return;
    const SystemRef system = object->systema ? object->systema : l_.universe.GetOneSystem(systemId);
    CSpaceObject values = *object;
    WriteCurrentInto(values, system);
    values.RemoveAbilities();
    AttachAbilities(values);
    if (std::unique_ptr<MapEdit> change = ObjectChange(*object, values))
        SubmitWithMirror(std::move(change), values, object->coord);
}

void ObjectPlacement::MoveObject(const CSpaceObject& object, const CCoord& to) {
    if (object.coord == to) return;
    CSpaceObject moved = object;
    moved.coord = to;
    SubmitWithMirror(std::make_unique<MoveObjectEdit>(object.ID, to), moved, object.coord);
}

// Nothing when nothing changes; an abilities step when only they change.
std::unique_ptr<MapEdit> ObjectPlacement::ObjectChange(const CSpaceObject& live, CSpaceObject values) {
    const bool sameAbilities = SameAbilities(values, live);
    if (sameAbilities) {
        // The object's own list, spare slots and all, so that only real
        // changes count.
        values.habilidades = live.habilidades;
        values.nhabilidades = live.nhabilidades;
    }
    CSpaceObject othersOnly = values;
    othersOnly.habilidades = live.habilidades;
    othersOnly.nhabilidades = live.nhabilidades;
    if (othersOnly != live) return std::make_unique<EditObjectEdit>(live.ID, values);
    if (!sameAbilities) return std::make_unique<SetAbilitiesEdit>(live.ID, HeldAbilityList(values));
    return nullptr;
}

// A warp that moves takes the destination sector of its mirror along, in the
// same step, so one undo puts both ends back.
void ObjectPlacement::SubmitWithMirror(std::unique_ptr<MapEdit> change, const CSpaceObject& warpAfter,
                                       const CCoord& from) {
    const SpaceObjectRef mirror = MirrorToFollow(warpAfter, from);
    if (!mirror) return l_.edits.Submit(std::move(change));
    auto group = std::make_unique<EditGroup>(std::move(change));
    CSpaceObject followed = *mirror;
    followed.destCoord = warpAfter.coord;
    group->Add(std::make_unique<EditObjectEdit>(mirror->ID, followed));
    l_.edits.Submit(std::move(group));
}

// The warp of the destination system that leads back to where the moved warp
// was; none when the object is no warp or did not move.
SpaceObjectRef ObjectPlacement::MirrorToFollow(const CSpaceObject& warp, const CCoord& from) const {
    if (warp.Tipo != KindWarpPoint || warp.coord == from) return nullptr;
    if (!warp.destSystem || !warp.systema || warp.destSystem->ID == NoID) return nullptr;
    for (const SpaceObjectRef& other : l_.universe.SpaceObjectsOf(warp.destSystem->ID)) {
        if (other->Tipo != KindWarpPoint || other->destSystem != warp.systema) continue;
        if (other->coord != warp.destCoord || other->destCoord != from) continue;
        return other;
    }
    return nullptr;
}

bool ObjectPlacement::MoveRefused(const CSpaceObject& object, std::int32_t X, std::int32_t Y) {
    if (!object.systema) return false;
    const bool relaxed = l_.relaxedPlacement();
    for (const SpaceObjectRef& other : l_.universe.SpaceObjectsOf(object.systema->ID)) {
        if (other.get() == &object || !other->GetOccupied(X, Y)) continue;
        if (relaxed && other->Tipo != KindStar) continue;
        l_.reporter.Information(SectorTakenMessage);
        return true;
    }
    return false;
}

void ObjectPlacement::WriteCurrentInto(CSpaceObject& object, const SystemRef& system) const {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    object.systema = system;
    object.coord = {c.X, c.Y};
    object.StellarObjectType = c.ObjectType;
    switch (object.Tipo) {
        case KindStar: object.name = Trim(c.Name); break;
        case KindPlanet:
            WriteFieldValues(c, object);
            object.TypeP = c.Type;
            object.AtmosphereP = c.Atmosphere;
            object.Temperature = c.Temperature;
            object.Conditions = c.Conditions;
            object.Gravity = c.Gravity;
            object.Radiation = c.Radiation;
            break;
        case KindAsteroids: WriteFieldValues(c, object); break;
        case KindWarpPoint:
            object.destSystem = DestinationOfCurrent();
            object.destCoord = {c.DestX, c.DestY};
            break;
        default: break;
    }
}

// A destination outside the map (a warp read from a file that leads nowhere)
// keeps its name in a detached record instead of being lost on edit.
SystemRef ObjectPlacement::DestinationOfCurrent() const {
    const std::string& name = l_.editor.CurrentObject.DestinationName;
    if (SystemRef found = l_.universe.FindSystemByName(name)) return found;
    return NewDetachedSystem(name);
}

void ObjectPlacement::AttachAbilities(CSpaceObject& object) const {
    const std::int32_t kind = object.Tipo;
    const auto fromText = [&](const std::string& text) { return l_.catalogue.AbilityFromText(kind, text); };
    for (const CAbility& ability : l_.abilities.Build(fromText)) object.AddAbility(ability);
}

void ObjectPlacement::LoadObjectIntoCurrent(const CSpaceObject& object) {
    CurrentObjectRecord& c = l_.editor.CurrentObject;
    const StellarTypeWords words = l_.catalogue.WordsOfOrdinal(object.StellarObjectType);
    c.ObjectType = object.StellarObjectType;
    c.X = object.coord.X;
    c.Y = object.coord.y;
    switch (object.Tipo) {
        case KindStar:
            c.Name = Trim(object.name);
            c.Colour = words.Colour;
            c.Size = words.Size;
            break;
        case KindPlanet:
            ReadFieldValues(object, words, c);
            c.Conditions = object.Conditions;
            c.Radiation = object.Radiation;
            c.Temperature = object.Temperature;
            c.Gravity = object.Gravity;
            c.Atmosphere = Either(words.Atmosphere, object.AtmosphereP);
            break;
        case KindAsteroids: ReadFieldValues(object, words, c); break;
        case KindWarpPoint:
            c.DestinationName = object.destSystem ? Trim(object.destSystem->name) : std::string();
            c.DestX = object.destCoord.X;
            c.DestY = object.destCoord.y;
            c.Size = words.Size;
            break;
        default: break;
    }
    l_.abilities.LoadFrom(object);
}

void ObjectPlacement::FillWarpDestinations(std::int32_t selectedSystem) {
    std::vector<std::string>& list = l_.editor.CurrentObject.DestinationList;
    list.clear();
    for (const SystemRef& system : l_.universe.Systems())
        if (system->ID != selectedSystem) list.push_back(Trim(system->name));
}

void ObjectPlacement::ListAbilitiesOfKind(std::int32_t kind) { l_.abilities.Offered = l_.catalogue.AbilityTextsOfKind(kind); }

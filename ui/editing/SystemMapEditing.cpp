#include "ui/editing/SystemMapEditing.h"

#include <algorithm>
#include <cmath>

#include "text/TextHelpers.h"
#include "model/SectorField.h"
#include "model/ObjectEdits.h"
#include "model/SystemEdits.h"

namespace {

// Half the size of a sector's hexagon, in pixels.
constexpr std::int32_t SectorHalfSize = 16;

// cmbType text and lblselected text of a selected object.
struct KindLabels {
    const char* kindText;
    std::string selected;
};

KindLabels LabelsOf(const CSpaceObject& object) {
    switch (object.Tipo) {
        case KindStar: return {"Star", "Star " + Trim(object.name)};
        case KindPlanet: return {"Planet", "Planet " + Trim(object.name)};
        case KindAsteroids: return {"Asteroid", "Asteroid " + Trim(object.name)};
        case KindStorm: return {"Storm", "Storm"};
        case KindWarpPoint:
            return {"Warp", std::string("Warp to ") + (object.destSystem ? object.destSystem->name : std::string())};
        default: return {"Nothing", ""};
    }
}

const char* CreateKindText(std::int32_t kind) {
    switch (kind) {
        case KindStar: return "Star";
        case KindPlanet: return "Planet";
        case KindAsteroids: return "Asteroids";
        case KindStorm: return "Storm";
        default: return "Warp";
    }
}

const char* RefusalOf(std::int32_t kind) {
    switch (kind) {
        case KindStar: return "You can't add Stars in this type of System";
        case KindPlanet: return "You can't add Planets in this type of System";
        case KindAsteroids: return "You can't add Asteroids in this type of System";
        default: return "You can't add Storms in this type of System";
    }
}

DialogFlags FlagsOfKind(std::int32_t kind) {
    DialogFlags flags;
    flags.Star = kind == KindStar;
    flags.Warp = kind == KindWarpPoint;
    flags.Storm = kind == KindStorm;
    flags.Planet = kind == KindPlanet;
    flags.Asteroid = kind == KindAsteroids;
    return flags;
}

}  // namespace

void SystemMapEditing::Press(int button, int /*shift*/, double px, double py) {
    SystemMapState& s = l_.state;
    s.LastPixel = {px, py};
    s.GalaxyHasFocus = false;
    const PixelSector sector = SectorAtPoint(px, py);
    s.LastSector = {sector.X, sector.Y};
    if (!IsValidSector(sector.X, sector.Y)) {
        l_.host.SetSectorLabels("", "");
        l_.host.SetSelectedLabel("");
        return;
    }
    l_.host.SetSectorLabels(std::to_string(sector.X), std::to_string(sector.Y));
    const SpaceObjectRef object = ObjectAtPress(sector.X, sector.Y);
    if (object->ID == NoID)
        SelectNothing();
    else
        SelectObject(*object);
    if (button == RightButton) {
        l_.host.RedrawSystemMap();
        l_.host.OpenSystemMapMenu();
    }
    l_.host.RedrawSystemMap();
    if (button == LeftButton) {
        s.Dragging = true;
        s.DragStart = s.LastPixel;
    }
}

// The object picked last in the selection dialog while it still lies in the
// pressed sector (a star counts on its whole footprint); otherwise the first
// object whose own sector was pressed.
SpaceObjectRef SystemMapEditing::ObjectAtPress(std::int32_t X, std::int32_t Y) {
    if (pickedId_ != NoID) {
        std::vector<SpaceObjectRef> here;
        std::int32_t count = 0;
        l_.universe.GetObjectsPerSector(X, Y, l_.state.SelectedSystem, here, count);
        for (const SpaceObjectRef& object : here)
            if (object->ID == pickedId_) return object;
    }
    return FindObjectAt(l_.universe, X, Y, l_.state.SelectedSystem);
}

void SystemMapEditing::SelectNothing() {
    SystemMapState& s = l_.state;
    l_.host.ShowDialogs({});
    s.EditKind = NoID;
    s.SelectedObject = NoID;
    l_.host.SetKindText("Nothing");
    l_.host.SetObjectSelectedLabel("NONE");
    s.SystemMapActive = false;
    l_.host.SetSelectedLabel("");
    l_.editor.ObjectDialogAllowed = false;
}

void SystemMapEditing::SelectObject(const CSpaceObject& object) {
    SystemMapState& s = l_.state;
    s.SelectedObject = object.ID;
    s.EditKind = object.Tipo;
    const KindLabels labels = LabelsOf(object);
    l_.host.SetKindText(labels.kindText);
    l_.host.SetSelectedLabel(labels.selected);
    if (object.Tipo == KindWarpPoint) l_.placement.FillWarpDestinations(s.SelectedSystem);
    l_.placement.ListAbilitiesOfKind(object.Tipo);
    l_.placement.LoadObjectIntoCurrent(object);
    l_.host.SetObjectSelectedLabel(std::to_string(object.ID));
    l_.host.SetKindEnabled(false);
    l_.editor.ObjectDialogAllowed = true;
    s.SystemMapActive = true;
}

void SystemMapEditing::Release(int button, int /*shift*/, double px, double py) {
    SystemMapState& s = l_.state;
    if (button != LeftButton || !s.Dragging) return;
    const PixelPoint release{px, py};
    s.Dragging = false;
    if (release.x == s.DragStart.x || release.y == s.DragStart.y) return;
    const PixelSector target = SectorAtPoint(release.x, release.y);
    if (!IsValidSector(target.X, target.Y)) return;
    // The selected object, when it lies in the pressed sector.
    const SpaceObjectRef object = l_.universe.GetOneSpaceObject(s.SelectedObject);
    if (!object || !object->systema || object->systema->ID != s.SelectedSystem ||
        !object->GetOccupied(s.LastSector.X, s.LastSector.Y))
        return;
    // A drag places the object like a create command would.
    if (l_.placement.MoveRefused(*object, target.X, target.Y)) return;
    l_.editor.CurrentObject.X = target.X;
    l_.editor.CurrentObject.Y = target.Y;
    // However many sectors the drag crossed, the drop is one step.
    l_.placement.MoveObject(*object, {target.X, target.Y});
    // The selection follows the object.
    s.LastPixel = release;
    s.LastSector = {target.X, target.Y};
    l_.host.SetSectorLabels(std::to_string(target.X), std::to_string(target.Y));
    l_.host.DrawSystems();
    l_.host.RedrawSystemMap();
}

bool SystemMapEditing::PickInLastSector() {
    std::int32_t count = 0;
    l_.universe.GetObjectsPerSector(l_.state.LastSector.X, l_.state.LastSector.Y, l_.state.SelectedSystem,
                                    sectorObjects_, count);
    if (count < 2) {
        l_.editor.ObjectDialogAllowed = true;
        return true;
    }
    std::int32_t picked = 0;
    const bool confirmed = l_.host.PickObject(sectorObjects_, picked);
    l_.editor.ObjectDialogAllowed = confirmed;
    if (!confirmed) return false;
    picked = std::clamp<std::int32_t>(picked, 0, count - 1);
    pickedId_ = sectorObjects_[static_cast<std::size_t>(picked)]->ID;
    PressAgain();
    return true;
}

void SystemMapEditing::PressAgain() { Press(NoButton, 0, l_.state.LastPixel.x, l_.state.LastPixel.y); }

void SystemMapEditing::DoubleClick() {
    if (!l_.state.SystemIsSelected) return;
    PickInLastSector();
    l_.state.SystemMapActive = true;
    const std::int32_t kind = l_.state.EditKind;
    if (!KindWord(kind).empty()) l_.host.ShowDialogs(FlagsOfKind(kind));
}

void SystemMapEditing::CreateObject(std::int32_t kind) {
    SystemMapState& s = l_.state;
    l_.editor.ObjectDialogAllowed = true;
    if (kind != KindWarpPoint && !KindAllowedIn(l_.universe.GetOneSystem(s.SelectedSystem)->PhysicalType, kind)) {
        l_.reporter.Error(RefusalOf(kind));
        return;
    }
    l_.placement.ListAbilitiesOfKind(kind);
    l_.abilities.ClearSlots();
    s.SystemMapActive = true;
    l_.host.BeginCreate();
    l_.host.SetKindText(CreateKindText(kind));
    if (kind == KindStar || kind == KindPlanet || kind == KindAsteroids)
        l_.editor.CurrentObject.Name = l_.universe.GetNextObjectName(s.SelectedSystem, kind);
    l_.host.DispatchKind();
    l_.host.SetGalaxyCaptionBold(false);
    if (s.SystemIsSelected) s.SystemMapActive = true;
}

bool SystemMapEditing::UpdateObject() {
    if (l_.editor.CreatingNew) {
        if (!l_.placement.AddObjectFromCurrent(l_.state.EditKind, l_.state.SelectedSystem)) return false;
    } else {
        l_.placement.EditObjectFromCurrent(l_.state.SelectedSystem, l_.state.SelectedObject);
    }
    l_.host.RedrawSystemMap();
    PressAgain();
    return true;
}

void SystemMapEditing::SelectObjectById(std::int32_t objectId) {
    const SpaceObjectRef object = l_.universe.GetOneSpaceObject(objectId);
    if (!object) return;
    pickedId_ = objectId;
    const LabelPoint label = SectorToPixel(object->coord.X, -object->coord.y);
    // The middle of the sector's hexagon, left of and below its label point.
    Press(NoButton, 0, label.x - SectorHalfSize, label.y + SectorHalfSize);
}

void SystemMapEditing::Remove() {
    if (l_.state.GalaxyHasFocus)
        RemoveSystem();
    else
        RemoveObject();
}

void SystemMapEditing::RemoveSystem() {
    SystemMapState& s = l_.state;
    if (!l_.reporter.Question("Do you want to delete the Selected System?")) return;
    if (l_.host.SystemLabel().empty()) {
        l_.reporter.Information("There's no System selected");
        return;
    }
    const std::int32_t removed = s.SelectedSystem;
    // Both answers first: the system and its warps go as one step.
    const bool withWarps = l_.reporter.Question("Do you want to delete the Warp Points heading that system?");
    l_.edits.Submit(std::make_unique<RemoveSystemEdit>(removed, withWarps));
    // Nothing may keep pointing at the system that is gone.
    s.SelectedSystem = NoID;
    s.SystemIsSelected = false;
    s.SystemMapActive = false;
    s.SelectedObject = NoID;
    s.EditKind = NoID;
    l_.host.ShowDialogs({});
    l_.host.ClearSystemMap();
    l_.host.DrawSystems();
    // The labels now describe the empty cell.
    l_.host.ReselectGalaxyCell();
}

void SystemMapEditing::RemoveObject() {
    SystemMapState& s = l_.state;
    if (!PickInLastSector()) return;  // Cancel in the picker cancels the removal
    if (!l_.reporter.Question("Do you want to delete the Selected Object?")) return;
    if (l_.host.SelectedLabel().empty()) {
        l_.reporter.Information("There's no Object selected");
        return;
    }
    l_.edits.Submit(std::make_unique<RemoveObjectEdit>(s.SelectedObject));
    if (pickedId_ == s.SelectedObject) pickedId_ = NoID;
    s.SelectedObject = NoID;
    s.EditKind = NoID;
    l_.host.SetObjectSelectedLabel("NONE");
    l_.host.SetKindText("Nothing");
    l_.host.SetKindEnabled(true);
    s.SystemMapActive = false;
    l_.host.ShowDialogs({});
    l_.host.DrawSystems();
    l_.host.RedrawSystemMap();
    l_.host.SetSelectedLabel("");
}

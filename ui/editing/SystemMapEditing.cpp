#include "ui/editing/SystemMapEditing.h"

#include <QDialog>
#include <algorithm>
#include <cmath>

#include "catalog/GameData.h"
#include "catalog/TextHelpers.h"
#include "model/SectorField.h"
#include "ui/KindDispatch.h"
#include "ui/UserPrompts.h"
#include "ui/WindowState.h"
#include "ui/dialogs/FSelectObject.h"

namespace {

std::int32_t Pixel(double value) { return static_cast<std::int32_t>(std::lround(value)); }

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
    flags.star = kind == KindStar;
    flags.warp = kind == KindWarpPoint;
    flags.storm = kind == KindStorm;
    flags.planet = kind == KindPlanet;
    flags.asteroid = kind == KindAsteroids;
    return flags;
}

}  // namespace

SystemMapEditing::SystemMapEditing(MapEditorHost& host, AbilityChoice& abilities, const EditingCatalogue& catalogue)
    : host_(host),
      abilities_(abilities),
      placement_({host.Universe(), host.Shared(), abilities, catalogue, host.Prompts(),
                  [&host] { return host.Data().Config.AllowsMultipleObjects(); }, [&host] { host.DrawSystems(); }}) {}

void SystemMapEditing::RedrawSystemMap() { host_.DrawSystemMap(State().SelectedSystem); }

void SystemMapEditing::Press(int button, double px, double py) {
    WindowState& s = State();
    s.LastPixelX = Pixel(px);
    s.LastPixelY = Pixel(py);
    s.GalaxyHasFocus = false;
    const PixelSector sector = PixelToSector(s.LastPixelX, s.LastPixelY);
    s.LastSectorX = sector.X;
    s.LastSectorY = sector.Y;
    if (!IsValidSector(sector.X, sector.Y)) {
        host_.SetSectorLabels("", "");
        host_.SetSelectedText("");
        return;
    }
    host_.SetSectorLabels(std::to_string(sector.X), std::to_string(sector.Y));
    const SpaceObjectRef object = ObjectAtPress(sector.X, sector.Y);
    if (object->ID == NoID)
        SelectNothing();
    else
        SelectObject(*object);
    if (button == RightButton) {
        RedrawSystemMap();
        host_.OpenSystemMapMenu();
    }
    RedrawSystemMap();
    if (button == LeftButton) {
        s.Dragging = true;
        s.DragStartX = s.LastPixelX;
        s.DragStartY = s.LastPixelY;
    }
}

// The object picked last in the selection dialog while it still lies in the
// pressed sector (a star counts on its whole footprint); otherwise the first
// object whose own sector was pressed.
SpaceObjectRef SystemMapEditing::ObjectAtPress(std::int32_t X, std::int32_t Y) {
    const std::int32_t system = State().SelectedSystem;
    if (pickedId_ != NoID) {
        std::vector<SpaceObjectRef> here;
        std::int32_t count = 0;
        host_.Universe().GetObjectsPerSector(X, Y, system, here, count);
        for (const SpaceObjectRef& object : here)
            if (object->ID == pickedId_) return object;
    }
    return FindObjectAt(host_.Universe(), X, Y, system);
}

void SystemMapEditing::SelectNothing() {
    WindowState& s = State();
    host_.ShowDialogs({});
    s.EditKind = NoID;
    s.SelectedObject = NoID;
    host_.SetTypeText("Nothing");
    host_.SetObjectSelectedLabel("NONE");
    s.SystemMapActive = false;
    host_.SetSelectedText("");
    host_.Shared().ObjectDialogAllowed = false;
}

void SystemMapEditing::SelectObject(const CSpaceObject& object) {
    WindowState& s = State();
    s.SelectedObject = object.ID;
    s.EditKind = object.Tipo;
    const KindLabels labels = LabelsOf(object);
    host_.SetTypeText(labels.kindText);
    host_.SetSelectedText(labels.selected);
    if (object.Tipo == KindWarpPoint)
        FillWarpDestinations(host_.Shared().CurrentObject, host_.Universe(), s.SelectedSystem);
    placement_.ListAbilitiesOfKind(object.Tipo);
    placement_.LoadObjectIntoCurrent(object);
    host_.SetObjectSelectedLabel(std::to_string(object.ID));
    host_.SetTypeEnabled(false);
    host_.Shared().ObjectDialogAllowed = true;
    s.SystemMapActive = true;
}

void SystemMapEditing::Release(int button, double px, double py) {
    WindowState& s = State();
    if (button != LeftButton || !s.Dragging) return;
    const std::int32_t rx = Pixel(px), ry = Pixel(py);
    s.Dragging = false;
    // Both the column and the row of the pixel must change.
    if (rx == s.DragStartX || ry == s.DragStartY) return;
    const PixelSector target = PixelToSector(rx, ry);
    if (!IsValidSector(target.X, target.Y)) return;
    // The selected object, when it lies in the pressed sector.
    const SpaceObjectRef object = host_.Universe().GetOneSpaceObject(s.SelectedObject);
    if (!object || !object->systema || object->systema->ID != s.SelectedSystem ||
        !object->GetOccupied(s.LastSectorX, s.LastSectorY))
        return;
    host_.Shared().CurrentObject.X = target.X;
    host_.Shared().CurrentObject.Y = target.Y;
    EditObjectFromCurrent();
    s.LastPixelX = rx;
    s.LastPixelY = ry;
    RedrawSystemMap();
}

void SystemMapEditing::PickInLastSector() {
    WindowState& s = State();
    std::int32_t count = 0;
    host_.Universe().GetObjectsPerSector(s.LastSectorX, s.LastSectorY, s.SelectedSystem, sectorObjects_, count);
    if (count < 2) {
        host_.Shared().ObjectDialogAllowed = true;
        return;
    }
    std::int32_t picked = 0;
    const bool confirmed = RunPicker(picked);
    host_.Shared().ObjectDialogAllowed = confirmed;
    if (!confirmed) return;
    picked = std::clamp<std::int32_t>(picked, 0, count - 1);
    pickedId_ = sectorObjects_[static_cast<std::size_t>(picked)]->ID;
    PressAgain();
}

bool SystemMapEditing::RunPicker(std::int32_t& picked) {
    FSelectObject dialog(sectorObjects_, host_.DialogParent());
    const bool confirmed = host_.Prompts().ExecDialog(dialog) == QDialog::Accepted;
    picked = dialog.Picked();
    return confirmed;
}

void SystemMapEditing::PressAgain() { host_.SystemMapPress(NoButton, State().LastPixelX, State().LastPixelY); }

void SystemMapEditing::DoubleClick() {
    if (!State().SystemIsSelected) return;
    PickInLastSector();
    State().SystemMapActive = true;
    const std::int32_t kind = State().EditKind;
    if (!KindWord(kind).empty()) host_.ShowDialogs(FlagsOfKind(kind));
}

void SystemMapEditing::CreateObject(std::int32_t kind) {
    WindowState& s = State();
    host_.Shared().ObjectDialogAllowed = true;
    if (kind != KindWarpPoint && !KindAllowedIn(host_.Universe().GetOneSystem(s.SelectedSystem)->PhysicalType, kind)) {
        host_.Prompts().Error(RefusalOf(kind));
        return;
    }
    placement_.ListAbilitiesOfKind(kind);
    abilities_.ClearSlots();
    s.SystemMapActive = true;
    host_.BeginCreate();
    host_.SetTypeText(CreateKindText(kind));
    if (kind == KindStar || kind == KindPlanet || kind == KindAsteroids)
        host_.Shared().CurrentObject.Name = host_.Universe().GetNextObjectName(s.SelectedSystem, kind);
    host_.RunKindDispatch();
    host_.SetGalaxyCaptionBold(false);
    if (s.SystemIsSelected) s.SystemMapActive = true;
}

void SystemMapEditing::AddObjectFromCurrent() {
    placement_.AddObjectFromCurrent(State().EditKind, State().SelectedSystem);
}

void SystemMapEditing::EditObjectFromCurrent() {
    placement_.EditObjectFromCurrent(State().SelectedSystem, State().SelectedObject);
}

void SystemMapEditing::Remove() {
    if (State().GalaxyHasFocus)
        RemoveSystem();
    else
        RemoveObject();
}

void SystemMapEditing::RemoveSystem() {
    WindowState& s = State();
    if (!host_.Prompts().Question("Do you want to delete the Selected System?")) return;
    if (host_.SystemLabel().empty()) {
        host_.Prompts().Information("There's no System selected");
        return;
    }
    const std::int32_t removed = s.SelectedSystem;
    host_.Universe().RemoveSystem(removed);
    // Nothing may keep pointing at the system that is gone.
    s.SelectedSystem = NoID;
    s.SystemIsSelected = false;
    s.SystemMapActive = false;
    s.SelectedObject = NoID;
    s.EditKind = NoID;
    host_.ShowDialogs({});
    host_.ClearSystemMap();
    if (host_.Prompts().Question("Do you want to delete the Warp Points heading that system?"))
        RemoveWarpsHeadingTo(removed);
    host_.DrawSystems();
}

void SystemMapEditing::RemoveWarpsHeadingTo(std::int32_t systemId) {
    std::vector<SpaceObjectRef> all;
    std::int32_t count = 0;
    host_.Universe().GetAllSpaceObjects(all, count);
    for (const SpaceObjectRef& object : all)
        if (object->Tipo == KindWarpPoint && object->destSystem && object->destSystem->ID == systemId &&
            object->systema)
            host_.Universe().RemoveSpaceObject(object->systema->ID, object->ID);
}

void SystemMapEditing::RemoveObject() {
    WindowState& s = State();
    PickInLastSector();
    if (!host_.Prompts().Question("Do you want to delete the Selected Object?")) return;
    if (host_.SelectedText().empty()) {
        host_.Prompts().Information("There's no Object selected");
        return;
    }
    host_.Universe().RemoveSpaceObject(s.SelectedSystem, s.SelectedObject);
    if (pickedId_ == s.SelectedObject) pickedId_ = NoID;
    s.SelectedObject = NoID;
    s.EditKind = NoID;
    host_.SetObjectSelectedLabel("NONE");
    host_.ShowDialogs({});
    host_.DrawSystems();
    RedrawSystemMap();
    host_.SetSelectedText("");
}

// The galaxy map's handlers and the system commands of its context menu.
#include <QComboBox>
#include <algorithm>
#include <cmath>
#include <QFrame>
#include <QLabel>
#include <QMenu>

#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "ui/FMapEditor.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/DialogKind.h"
#include "ui/KindDispatch.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/MapStatus.h"
#include "ui/MapView.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"

void FMapEditor::GalaxyPress(int button, double px, double py) {
    state_.GalaxyHasFocus = true;
    const int X = GalaxyCellOf(px, GalaxyColumns), Y = GalaxyCellOf(py, GalaxyRows);
    LblXG->setText(QString::number(X));
    LblYG->setText(QString::number(Y));
    MoveMarker(X, Y);
    galaxyPressX_ = px;
    galaxyPressY_ = py;
    ForgetSectorSelection();
    const SystemRef system = FindSystemAt(universe_, X, Y);
    if (system->ID != NoID)
        SelectGalaxySystem(system);
    else
        SelectNoSystem();
    state_.SystemMapActive = false;
    SetGalaxyCaptionBold(true);
    // The selection and its neighbours are named first.
    PicUniverseMap->Refresh();
    if (button == 2 && showContextMenus_) pop->exec(QCursor::pos());
}

// A press on the galaxy map ends any selection on the system map: nothing may
// keep describing a sector or object of the system shown before.
void FMapEditor::ForgetSectorSelection() {
    state_.LastPixel = {NoSectorPixel, NoSectorPixel};
    state_.SelectedObject = NoID;
    SetSectorLabels("", "");
    SetSelectedLabel("");
    SetObjectSelectedLabel("NONE");
    SetKindEnabled(true);
}

void FMapEditor::MoveMarker(int X, int Y) {
    markerCell_ = QPoint(X, Y);
    PicUniverseMap->viewport()->update();
}

void FMapEditor::SelectGalaxySystem(const SystemRef& system) {
    state_.SelectedSystem = system->ID;
    SetKindText("System");
    LoadSystemIntoCurrent(*system, shared_.CurrentObject);
    state_.EditKind = SystemEditKind;
    state_.SystemIsSelected = true;
    LbLSystemSelected->setText(QString::number(system->ID));
    DrawSystemMap(system->ID);
    lblSystem->setText(FromBytes(Trim(system->name)));
    lblDescription->setText(FromBytes(Trim(system->Description)));
    lblSystemSel->setText("System: " + lblSystem->text().toUpper());
    SetSelectedLabel("");
}

void FMapEditor::SelectNoSystem() {
    state_.SystemIsSelected = false;
    state_.EditKind = NoID;
    state_.SelectedSystem = NoID;
    SetKindText("Nothing");
    LbLSystemSelected->setText("NONE");
    ClearSystemMap();
    lblSystem->clear();
    lblDescription->clear();
    lblSystemSel->setText("System: NONE");
}

void FMapEditor::GalaxyClick() {
    if (state_.SystemIsSelected) {
        state_.SystemMapActive = false;
        DrawSystemMap(state_.SelectedSystem);
        return;
    }
    SetSectorLabels("0", "0");
    SetSelectedLabel("");
    ClearSystemMap();
}

void FMapEditor::GalaxyDoubleClick() {
    if (!state_.SystemIsSelected) return;
    shared_.CreatingNew = false;
    ShowSystemDialog();
}

void FMapEditor::CreateSystemCommand() {
    if (universe_.GetOccupied(LabelNumber(ToBytes(LblXG->text())), LabelNumber(ToBytes(LblYG->text())))) {
        prompts_.Error("There's a system in that coordinates yet");
        return;
    }
    BeginCreate();
}

void FMapEditor::RemoveCommand() { editing_.Remove(); }

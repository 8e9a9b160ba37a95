// The window's commands, the kind dispatch and the dialogs' Update/Cancel.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <cmath>
#include <optional>

#include "random/GameData.h"
#include "mapfile/MapCommandTexts.h"
#include "model/SectorField.h"
#include "ui/FAbout.h"
#include "ui/FMapEditor.h"
#include "ui/FPaths.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/KindDispatch.h"
#include "ui/MapDialogs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/MapView.h"
#include "ui/StartUpReport.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"

// --- System map -----------------------------------------------------------

void FMapEditor::SystemMapPress(int button, double px, double py) { editing_.Press(button, 0, px, py); }

void FMapEditor::SystemMapRelease(int button, double px, double py) { editing_.Release(button, 0, px, py); }

void FMapEditor::SystemMapDoubleClick() {
    if (state_.SystemIsSelected) editing_.DoubleClick();
}

void FMapEditor::SystemMapMove(double px, double py) {
    SectorPointerStatus(px, py);
    const PixelSector sector = SectorAtPoint(px, py);
    const bool insideTable = SectorTable::InTable(sector.X - SectorMinX, sector.Y - SectorMinY);
    if (insideTable && !IsValidSector(sector.X, sector.Y)) {
        CXsel->setText("-");
        CYSel->setText("-");
        return;
    }
    CXsel->setText(QString::number(sector.X));
    CYSel->setText(QString::number(sector.Y));
}

void FMapEditor::CreateObjectCommand(std::int32_t kind) { editing_.CreateObject(kind); }

// --- Kind dispatch and dialogs ---------------------------------------------

namespace {

// The object kind a cmbType entry names; nothing for "System" and others.
std::optional<std::int32_t> ObjectKindOfEntry(const std::string& text) {
    const std::pair<const char*, std::int32_t> entries[] = {{"Star", KindStar},         {"Planet", KindPlanet},
                                                            {"Asteroids", KindAsteroids}, {"Warp", KindWarpPoint},
                                                            {"Storm", KindStorm}};
    for (const auto& [entry, kind] : entries)
        if (text == entry) return kind;
    return std::nullopt;
}

}  // namespace

// Choosing in the Object list always starts a new object in the pressed
// sector (or edits or creates the system of the pressed galaxy cell); it never
// writes the dialog's values over an object selected earlier.
void FMapEditor::TypeChosen(const QString& text) {
    const std::string entry = ToBytes(text);
    if (const std::optional<std::int32_t> kind = ObjectKindOfEntry(entry)) return ChooseObjectKind(*kind);
    if (entry == "System") ChooseSystemKind();
}

void FMapEditor::ChooseObjectKind(std::int32_t kind) {
    const bool sectorPressed = state_.SystemIsSelected && !state_.GalaxyHasFocus && !SectorLabelX().empty();
    if (!sectorPressed) {
        prompts_.Information("Select a System first");
        ShowSelectionKind();
        return;
    }
    CreateObjectCommand(kind);
}

void FMapEditor::ChooseSystemKind() {
    if (state_.SystemMapActive) {
        prompts_.Information("Exit the Universe Map first");
        ShowSelectionKind();
        return;
    }
    if (!state_.SystemIsSelected) return CreateSystemCommand();
    const SystemRef system = universe_.GetOneSystem(state_.SelectedSystem);
    if (system->ID == NoID) return;
    shared_.CreatingNew = false;
    LoadSystemIntoCurrent(*system, shared_.CurrentObject);
    state_.EditKind = SystemEditKind;
    SetKindText("System");
    ShowSystemDialog();
}

// cmbType shows the kind of what is selected now.
void FMapEditor::ShowSelectionKind() {
    if (state_.SystemMapActive && state_.SelectedObject != NoID) return;  // the object's kind stays
    SetKindText(state_.SystemIsSelected && state_.GalaxyHasFocus ? "System" : "Nothing");
}

void FMapEditor::DispatchKind() {
    const KindDispatchInput input{ToBytes(cmbType->currentText()), ToBytes(LblXG->text()), ToBytes(LblYG->text()),
                                  ToBytes(LblXS->text()), ToBytes(lblYS->text())};
    const KindDispatchResult result = ::DispatchKind(input, state_, shared_.CurrentObject);
    if (!result.information.empty()) prompts_.Information(result.information);
    if (result.dialog == DialogKind::Warp) placement_.FillWarpDestinations(state_.SelectedSystem);
    if (result.dialog) ShowDialogs(OnlyDialog(*result.dialog));
}

void FMapEditor::BeginCreate() {
    shared_.CreatingNew = true;
    shared_.CurrentObject.Reset();
    SetKindText("");
    SetKindEnabled(true);
    if (state_.SystemMapActive) {
        ShowDialogs({});
        return;
    }
    state_.EditKind = 0;
    SetKindText("System");
    DispatchKind();
}

void FMapEditor::SetMapsEnabled() {
    PicUniverseMap->setEnabled(true);
    PicMap->setEnabled(true);
}

bool FMapEditor::Update() {
    if (state_.EditKind == SystemEditKind) {
        if (shared_.CreatingNew) {
            if (!AddSystemFromCurrent(universe_, document_, shared_.CurrentObject, prompts_)) return false;
        } else {
            EditSystemFromCurrent(universe_, document_, shared_.CurrentObject, state_.SelectedSystem);
        }
        GalaxyPress(0, galaxyPressX_, galaxyPressY_);
        DrawSystems();
    } else if (!editing_.UpdateObject()) {
        return false;
    }
    ShowDialogs({});
    shared_.CreatingNew = false;
    SetMapsEnabled();
    return true;
}

void FMapEditor::Cancel() {
    shared_.CreatingNew = false;
    SetKindText("Nothing");
    ShowDialogs({});
    SetMapsEnabled();
}

// --- Map commands ------------------------------------------------------------

void FMapEditor::NewMapCommand() {
    if (!MaySetMapAside()) return;
    document_.Replace(CUniverse());
    ShowFreshMap();
    SetMapName("");  // a new map has no file yet: Save asks for a name
}

void FMapEditor::ChangeSettings() {
    if (universe_.NSistemas() > 0) {
        prompts_.Information(NoMapLoadedText);
        return;
    }
    FPaths dialog(data_.Config, this);
    if (prompts_.ExecDialog(dialog) != QDialog::Accepted || !dialog.Accepted()) return;
    LblUsingParse->setText(ParsingDataFilesText);
    LblUsingParse->repaint();
    CollectedMessages collected(prompts_);
    const StartUpResult result = ReloadWithSettings(data_, dialog.PendingSettings(), collected);
    // The new folders apply at once: texts, mod name and object pictures.
    ApplyStatusTexts(result.Status, true);
    systemPainter_.ClearCache();
    if (state_.SystemIsSelected) DrawSystemMap(state_.SelectedSystem);
    if (!collected.messages.empty()) prompts_.Error(StartUpSummary(collected.messages));
}

void FMapEditor::AboutCommand() {
    FAbout about(this);
    prompts_.ExecDialog(about);
}

// The window's commands, the kind dispatch and the dialogs' Update/Cancel.
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <cmath>

#include "random/GameData.h"
#include "mapfile/MapCommandTexts.h"
#include "model/SectorField.h"
#include "ui/FAbout.h"
#include "ui/FMapEditor.h"
#include "ui/FPaths.h"
#include "ui/GalaxyRenderer.h"
#include "ui/KindDispatch.h"
#include "ui/MapDialogs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/PictureView.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"

// --- System map -----------------------------------------------------------

void FMapEditor::SystemMapPress(int button, double px, double py) { editing_.Press(button, 0, px, py); }

void FMapEditor::SystemMapRelease(int button, double px, double py) { editing_.Release(button, 0, px, py); }

void FMapEditor::SystemMapDoubleClick() {
    if (state_.SystemIsSelected) editing_.DoubleClick();
}

void FMapEditor::SystemMapMove(double px, double py) {
    const PixelSector sector = PixelToSector(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
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

void FMapEditor::TypeChosen(const QString& text) {
    SetKindText(ToBytes(text));
    DispatchKind();
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

void FMapEditor::Update() {
    if (state_.EditKind == SystemEditKind) {
        if (shared_.CreatingNew)
            AddSystemFromCurrent(universe_, shared_.CurrentObject, prompts_);
        else
            EditSystemFromCurrent(universe_, shared_.CurrentObject, state_.SelectedSystem);
        GalaxyPress(0, galaxyPressX_, galaxyPressY_);
        DrawSystems();
    } else {
        editing_.UpdateObject();
    }
    ShowDialogs({});
    shared_.CreatingNew = false;
    SetMapsEnabled();
}

void FMapEditor::Cancel() {
    shared_.CreatingNew = false;
    SetKindText("Nothing");
    ShowDialogs({});
    SetMapsEnabled();
}

// --- Map commands ------------------------------------------------------------

void FMapEditor::ResetUniverse() {
    universe_.Clear();
    shared_.CreatingNew = false;
    PicUniverseMap->SetImage(QImage());
    GalaxyPress(0, 0, 0);
    ClearSystemMap();
    DrawSystems();
    SetSectorLabels("", "");
    SetSelectedLabel("");
}

void FMapEditor::NewMapCommand() {
    if (!prompts_.Question(MapCommandTexts::LoseChanges)) return;
    ResetUniverse();
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
    const StartUpResult result = ReloadWithSettings(data_, dialog.PendingSettings(), prompts_);
    ApplyStatusTexts(result.Status, false);
}

void FMapEditor::AboutCommand() {
    FAbout about(this);
    prompts_.ExecDialog(about);
}

void FMapEditor::FileChosen(const QString& fileName) {
    const QString name = MapNameOfFile(fileName);
    TxtMapLoad->setText(name);
    TxtMapSave->setText(name);
    TxtFileName->setText(name);
    // The picked map becomes the current one, so "Load Map" loads what the
    // user just chose instead of silently doing nothing.
    shared_.MapName = ToBytes(name);
}

QStringList FMapEditor::MapFiles() const {
    const QDir folder(QString::fromStdString(data_.UserFolder.string()));
    return folder.entryList({"*.TXT"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void FMapEditor::RefreshFileList() {
    F->clear();
    F->addItems(MapFiles());
}

// The window's commands, the kind dispatch and the dialogs' Update/Cancel.
#include <QComboBox>
#include <algorithm>
#include <cmath>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "catalog/GameData.h"
#include "model/SectorField.h"
#include "ui/FAbout.h"
#include "ui/FMapEditor.h"
#include "ui/FPaths.h"
#include "ui/GalaxyRenderer.h"
#include "ui/KindDispatch.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/PictureView.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"

// --- System map -----------------------------------------------------------

void FMapEditor::SystemMapPress(int button, double px, double py) {
    if (editing_) editing_->Press(button, px, py);
}

void FMapEditor::SystemMapRelease(int button, double px, double py) {
    if (editing_) editing_->Release(button, px, py);
}

void FMapEditor::SystemMapDoubleClick() {
    if (editing_ && state_.SystemIsSelected) editing_->DoubleClick();
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

void FMapEditor::CreateObjectCommand(std::int32_t kind) {
    if (editing_) editing_->CreateObject(kind);
}

// --- Kind dispatch and dialogs ---------------------------------------------

void FMapEditor::TypeChosen(const QString& text) {
    SetTypeText(ToBytes(text));
    RunKindDispatch();
}

void FMapEditor::RunKindDispatch() {
    const KindDispatchInput input{ToBytes(cmbType->currentText()), ToBytes(LblXG->text()), ToBytes(LblYG->text()),
                                  ToBytes(LblXS->text()), ToBytes(lblYS->text())};
    const KindDispatchResult result = DispatchKind(input, state_, shared_.CurrentObject, universe_);
    if (!result.information.empty()) prompts_.Information(result.information);
    if (result.dialog) ShowDialogs(DialogFlags::Only(*result.dialog));
}

void FMapEditor::BeginCreate() {
    shared_.CreatingNew = true;
    shared_.CurrentObject.Reset();
    SetTypeText("");
    SetTypeEnabled(true);
    if (state_.SystemMapActive) {
        ShowDialogs({});
        return;
    }
    state_.EditKind = 0;
    SetTypeText("System");
    RunKindDispatch();
}

void FMapEditor::SetMapsEnabled() {
    PicUniverseMap->setEnabled(true);
    PicMap->setEnabled(true);
}

void FMapEditor::Update() {
    if (state_.EditKind == EditKindSystem) {
        if (shared_.CreatingNew)
            AddSystemFromCurrent(universe_, shared_.CurrentObject, prompts_);
        else
            EditSystemFromCurrent(universe_, shared_.CurrentObject, state_.SelectedSystem);
        GalaxyPress(0, state_.GalaxyPressX, state_.GalaxyPressY);
        DrawSystems();
    } else {
        if (editing_ && shared_.CreatingNew) editing_->AddObjectFromCurrent();
        if (editing_ && !shared_.CreatingNew) editing_->EditObjectFromCurrent();
        DrawSystemMap(state_.SelectedSystem);
        SystemMapPress(0, state_.LastPixelX, state_.LastPixelY);
    }
    ShowDialogs({});
    shared_.CreatingNew = false;
    SetMapsEnabled();
}

void FMapEditor::Cancel() {
    shared_.CreatingNew = false;
    SetTypeText("Nothing");
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
    SetSelectedText("");
}

void FMapEditor::NewMapCommand() {
    if (!prompts_.Question("Are you sure? Any change made will be lost")) return;
    ResetUniverse();
}

void FMapEditor::RandomSystemCommand() {
    if (universe_.GetOccupied(LabelNumber(ToBytes(LblXG->text())), LabelNumber(ToBytes(LblYG->text())))) {
        prompts_.Error("There's a system in that coordinates yet");
        return;
    }
    ExecDialog(DialogKind::SystemType);
    GalaxyPress(0, state_.GalaxyPressX, state_.GalaxyPressY);
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
    const QString name = fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
    TxtMapLoad->setText(name);
    TxtMapSave->setText(name);
    TxtFileName->setText(name);
}

void FMapEditor::RefreshFileList() {
    F->clear();
    const QDir folder(QString::fromStdString(data_.ProgramFolder.string()));
    F->addItems(folder.entryList({"*.TXT"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// Recovery copies: while the map has unsaved changes it is copied every
// minute into the user's data folder; a copy left by a session that did not
// close properly is offered back at the next start.
#include <QStatusBar>
#include <QTimer>

#include "mapfile/MapTextLoader.h"
#include "random/GameData.h"
#include "ui/FMapEditor.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/UserPrompts.h"

namespace {

constexpr int RecoveryIntervalMs = 60 * 1000;

}  // namespace

void FMapEditor::StartRecoveryCopies() {
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setObjectName("recoveryTimer");
    connect(recoveryTimer_, &QTimer::timeout, this, &FMapEditor::WriteRecoveryCopy);
    recoveryTimer_->start(RecoveryIntervalMs);
    // A saved map, or one undone back to its saved state, needs no copy.
    connect(&document_, &MapDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified) recovery_.Remove();
    });
}

void FMapEditor::SetRecoveryFolder(const std::filesystem::path& folder) { recovery_.SetFolder(folder); }

void FMapEditor::WriteRecoveryCopy() {
    if (!document_.IsModified() || Busy()) return;
    const std::string error = recovery_.Write(universe_, data_.Stellar, data_.ProgramFolder, shared_.MapName);
    if (!error.empty()) statusBar()->showMessage(tr("No recovery copy: ") + MessageText(error));
}

void FMapEditor::OfferRecovery() {
    const auto found = recovery_.FindNewerThanItsMap(data_.UserFolder);
    if (!found) return;
    if (!prompts_.AskRestore(RestoreQuestion(found->mapName))) {
        std::error_code ignored;
        std::filesystem::remove(found->file, ignored);
        return;
    }
    LoadResult loaded = LoadMapText(found->file, data_.Stellar);
    // An unreadable copy is reported and kept for another look.
    if (!loaded.Ok()) return prompts_.Error(loaded.error);
    document_.Replace(std::move(*loaded.universe));
    ShowFreshMap();
    SetMapName(found->mapName);
    // The restored map holds changes its saved file does not have.
    document_.MarkUnsaved();
    recovery_.Adopt(found->file);
}

// A clean exit leaves no copy behind.
void FMapEditor::EndRecoveryCopies() { recovery_.Remove(); }

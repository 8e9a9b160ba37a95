// Map > Export Image: the galaxy or the shown system as a PNG picture, drawn
// by the painters of the two views.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

#include "text/TextHelpers.h"
#include "ui/FExportImage.h"
#include "ui/FMapEditor.h"
#include "ui/MapDialogs.h"
#include "ui/MapView.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/UserPrompts.h"
#include "ui/render/MapImageFile.h"

namespace {

QString ShownSystemName(const CUniverse& universe, std::int32_t systemId) {
    if (systemId == NoID) return {};
    return FromBytes(Trim(universe.GetOneSystem(systemId)->name));
}

// The folder of the last export, or the user's pictures folder.
QString ExportFolder(const QString& last) {
    if (!last.isEmpty() && QDir(last).exists()) return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

}  // namespace

void FMapEditor::BuildExportCommand() {
    auto* map = menuBar()->findChild<QMenu*>("f_mnu");
    if (!map) return;
    auto* action = new QAction(tr("Export Image..."), map);
    action->setObjectName("exportImage");
    connect(action, &QAction::triggered, this, &FMapEditor::ExportImageCommand);
    // With the other commands that write files, before Quit.
    QAction* before = map->findChild<QAction*>("m1");
    map->insertAction(before && map->actions().contains(before) ? before : nullptr, action);
}

QString FMapEditor::ShownSystemForExport() const {
    return PicMap->isEnabled() ? ShownSystemName(universe_, shownSystem_) : QString();
}

void FMapEditor::ExportImageCommand() {
    FExportImage options(ShownSystemForExport(), this);
    if (prompts_.ExecDialog(options) != QDialog::Accepted) return;
    const ImageExportChoice choice = options.Choice();
    QString name = choice.system ? ShownSystemForExport() : MapNameText(shared_.MapName);
    if (name.isEmpty()) name = tr("Galaxy");
    QFileDialog files(this, tr("Export Image"), QDir(ExportFolder(lastExportFolder_)).filePath(name + ".png"),
                      tr("PNG pictures (*.png)"));
    files.setObjectName("ExportImageFile");
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setDefaultSuffix("png");
    if (prompts_.ExecDialog(files) != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
    const QString file = files.selectedFiles().first();
    if (ExportImage(choice, file)) lastExportFolder_ = QFileInfo(file).absolutePath();
}

QImage FMapEditor::ExportedImage(const ImageExportChoice& choice) const {
    // Painters of their own, so that an export at another scale leaves the
    // views' prepared names and bitmaps as they are.
    if (choice.system) {
        SystemMapPainter painter(data_.Stellar, data_.ProgramFolder);
        SystemMapPaintOptions options;
        options.hideLabels = !choice.labels;
        return painter.Render(choice.scale, universe_, shownSystem_, options);
    }
    GalaxyPainter painter;
    painter.SetUniverse(universe_, nullptr);
    GalaxyPaintOptions options;
    options.hideLabels = !choice.labels;
    return painter.Render(choice.scale, options);
}

bool FMapEditor::ExportImage(const ImageExportChoice& choice, const QString& file) {
    if (!IsImageScale(choice.scale)) {
        prompts_.Error("The scale must be a number from " + FormatReal(MinImageScale) + " to " +
                       FormatReal(MaxImageScale));
        return false;
    }
    if (choice.system && ShownSystemForExport().isEmpty()) {
        prompts_.Error("Select a system on the galaxy map first");
        return false;
    }
    const QString error = WritePngSafely(ExportedImage(choice), file);
    if (!error.isEmpty()) prompts_.Error(error.toStdString());
    return error.isEmpty();
}

// The current map name and the list of map files: which map is on screen,
// which listed file "Load Map" opens, and the window title.
#include <QDir>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "random/GameData.h"
#include "mapfile/MapCommandTexts.h"
#include "mapfile/MapTextLoader.h"
#include "ui/FMapEditor.h"
#include "ui/MapDialogs.h"
#include "ui/UserPrompts.h"

void FMapEditor::SetMapName(const std::string& name) {
    shared_.MapName = name;
    const QString shown = MapNameText(name);
    TxtFileName->setText(shown);
    TxtMapSave->setText(shown);
    UpdateTitle();
    RefreshStatusBar();
}

void FMapEditor::LoadCommand() {
    const QString file = ChosenMapFileOf(*F);
    if (file.isEmpty()) return prompts_.Information(NoMapChosenText);
    LoadMapFile(file);
}

void FMapEditor::LoadMenuCommand() {
    FLoad dialog(MapFiles(), prompts_, [this](const QString& file) { LoadMapFile(file); }, this);
    prompts_.ExecDialog(dialog);
}

// Opens exactly the listed file; the map on screen and its name change only
// when it was read completely.
void FMapEditor::LoadMapFile(const QString& fileName) {
    if (!MaySetMapAside()) return;
    const std::filesystem::path file = data_.UserFolder / MapFilePath(fileName);
    LoadResult loaded = LoadMapText(file, data_.Stellar);
    if (!loaded.Ok()) return prompts_.Error(loaded.error);
    // A loaded map starts a history of its own.
    document_.Replace(std::move(*loaded.universe));
    ShowFreshMap();
    SetMapName(MapNameBytes(MapNameOfFile(fileName)));
}

QStringList FMapEditor::MapFiles() const {
    const QDir folder(QString::fromStdString(data_.UserFolder.string()));
    return folder.entryList({"*.TXT"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

// Keeps the highlighted entry when it is still there.
void FMapEditor::RefreshFileList() {
    const QString chosen = ChosenMapFileOf(*F);
    F->clear();
    F->addItems(MapFiles());
    const QList<QListWidgetItem*> again = F->findItems(chosen, Qt::MatchExactly);
    if (!chosen.isEmpty() && !again.isEmpty()) F->setCurrentItem(again.front());
}

void FMapEditor::WatchMapFolder() {
    delete folderWatcher_;
    folderWatcher_ = new QFileSystemWatcher(this);
    folderWatcher_->addPath(QString::fromStdString(data_.UserFolder.string()));
    connect(folderWatcher_, &QFileSystemWatcher::directoryChanged, this, &FMapEditor::RefreshFileList);
}

// Saving, compiling, loading and random generation: the window's side of the
// map file and random map operations.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QThread>

#include "random/GameData.h"
#include "text/TextHelpers.h"
#include "mapfile/MapCommandTexts.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextLoader.h"
#include "random/RandomMap.h"
#include "random/SystemPopulation.h"
#include "ui/BusyGuard.h"
#include "ui/FMapEditor.h"
#include "ui/KindDispatch.h"
#include "ui/MapDialogs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/PictureView.h"
#include "ui/UserPrompts.h"

namespace {

constexpr int CompilerWaitSeconds = 5;

}  // namespace

// Keeps the window's commands disabled while a long operation lets events
// through, and tells closeEvent to wait.
struct FMapEditor::LongOperation {
    explicit LongOperation(FMapEditor& window)
        : window_(window), commands_(window.centralWidget()), menus_(window.menuBar()) {
        ++window_.longOperations_;
    }
    ~LongOperation() { --window_.longOperations_; }
    FMapEditor& window_;
    BusyGuard commands_;
    BusyGuard menus_;
};

void FMapEditor::SaveMenuCommand() { MapNameDialog(tr("Save Map"), 1); }

void FMapEditor::GenerateMenuCommand() { MapNameDialog(tr("Save&Generate Map"), 0); }

void FMapEditor::MapNameDialog(const QString& caption, int index) {
    FMapName dialog(caption, shared_.MapName, [this, index](const std::string& name) {
        shared_.MapName = name;
        MapCommand(index);
    }, this);
    prompts_.ExecDialog(dialog);
}

void FMapEditor::MapCommand(int index) {
    TxtFileName->setText(FromBytes(shared_.MapName));
    if (universe_.NSistemas() == 0) {
        prompts_.Error(MapCommandTexts::NoSystems);
        return;
    }
    const std::string name = ToBytes(TxtFileName->text());
    if (name.empty()) {
        prompts_.Information(MapCommandTexts::WriteAName);
        return;
    }
    if (FileExists(LocalTxtPath(data_.UserFolder, name)) &&
        !prompts_.Question(MapCommandTexts::Overwrite(name)))
        return;
    // Written to a temporary file first: a failed save leaves the old map.
    const std::string error = SaveMapText(universe_, data_.Stellar, data_.ProgramFolder, data_.UserFolder, name);
    if (!error.empty()) {
        prompts_.Error(error);
        return;
    }
    RefreshFileList();
    if (index == 1)
        prompts_.Information(MapCommandTexts::Saved(name, data_.UserFolder));
    else if (index == 0)
        CompileMap(name);
}

void FMapEditor::CompileMap(const std::string& name) {
    const CompilePaths paths =
        MakeCompilePaths(data_.UserFolder, ResolveFolder(data_.UserFolder, data_.Config.MapCompilerPath),
                         ResolveFolder(data_.UserFolder, data_.Config.MapFolder), name);
    // The copy and the clean-up leave alone whatever the folders share (the
    // compiler may live in the program or the maps folder).
    if (const std::string error = CopyTxtToCompiler(paths); !error.empty()) return prompts_.Error(error);
    QProcess* compiler = StartCompiler(paths, name);
    if (!compiler) return;
    if (!WaitForCompiler(paths, compiler)) return prompts_.Error(MapCommandTexts::GenerateFailed);
    const std::string error = MoveCompiledMap(paths);
    if (!error.empty()) return prompts_.Error(error);
    prompts_.Information(MapCommandTexts::Generated(name, data_.Config.MapFolder));
}

QProcess* FMapEditor::StartCompiler(const CompilePaths& paths, const std::string& name) {
    auto* compiler = new QProcess(this);
    compiler->setProgram(QString::fromStdString(paths.compilerProgram.string()));
    QStringList arguments;
    for (const std::string& argument : CompilerArguments(name, data_.Config.ModName)) arguments << FromBytes(argument);
    compiler->setArguments(arguments);
    compiler->setWorkingDirectory(QString::fromStdString(paths.compilerFolder.string()));
    connect(compiler, &QProcess::finished, compiler, &QObject::deleteLater);
    compiler->start();
    if (compiler->waitForStarted(3000)) return compiler;
    prompts_.Error(std::to_string(static_cast<int>(compiler->error())) + " - " + ToBytes(compiler->errorString()) +
                   " (" + paths.compilerProgram.string() + ")");
    compiler->deleteLater();
    return nullptr;
}

bool FMapEditor::WaitForCompiler(const CompilePaths& paths, QProcess* compiler) {
    const LongOperation busy(*this);
    QPointer<QProcess> running(compiler);
    shared_.TickCount = 0;
    // The map counts once the compiler has finished writing it.
    auto done = [&] { return CompiledMapReady(paths) && (!running || running->state() == QProcess::NotRunning); };
    while (!done() && shared_.TickCount < CompilerWaitSeconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return CompiledMapReady(paths);
}

void FMapEditor::LoadMenuCommand() {
    FLoad dialog(MapFiles(), shared_.MapName, [this] { LoadCommand(); }, this);
    prompts_.ExecDialog(dialog);
}

void FMapEditor::LoadCommand() {
    if (shared_.MapName.empty()) return;
    if (!prompts_.Question(MapCommandTexts::LoseChanges)) return;
    LoadResult loaded = LoadMapText(LocalTxtPath(data_.UserFolder, shared_.MapName), data_.Stellar);
    // A map that cannot be read is reported and the current one stays.
    if (!loaded.Ok()) return prompts_.Error(loaded.error);
    ResetUniverse();
    universe_ = std::move(*loaded.universe);
    DrawSystems();
    LblXG->setText("0");
    LblYG->setText("0");
    lblSystem->clear();
    SetSectorLabels("", "");
    SetSelectedLabel("");
    ClearSystemMap();
}

void FMapEditor::RandomMapCommand() {
    FRandom dialog(data_, prompts_, this);
    prompts_.ExecDialog(dialog);
    if (dialog.galaxyType.empty()) return;
    const LongOperation busy(*this);
    QCoreApplication::processEvents();
    ResetUniverse();
    lblsys->show();
    GenerationContext context = MakeGenerationContext();
    randomMaps_.GenerateRandomMap(context, dialog.galaxyType, dialog.numberOfSystems, dialog.shape);
    DrawSystems();
    lblsys->hide();
}

void FMapEditor::RandomSystemCommand() {
    const int X = LabelNumber(ToBytes(LblXG->text())), Y = LabelNumber(ToBytes(LblYG->text()));
    if (universe_.GetOccupied(X, Y)) {
        prompts_.Error("There's a system in that coordinates yet");
        return;
    }
    FSystemType dialog(data_, prompts_, [this, X, Y](const std::string& type, const std::string& name) {
        GenerationContext context = MakeGenerationContext();
        GenerateRandomSystem(context, type, X, Y, name);
    }, this);
    prompts_.ExecDialog(dialog);
    DrawSystems();
    GalaxyPress(0, galaxyPressX_, galaxyPressY_);
}

GenerationContext FMapEditor::MakeGenerationContext() {
    GenerationContext context{universe_, data_, random_, prompts_, data_.Config.AllowsMultipleObjects(), {}};
    context.progress.status = [this](const std::string& text) {
        lblsys->setText(FromBytes(text));
        QCoreApplication::processEvents();
    };
    context.progress.redraw = [this] {
        DrawSystems();
        QCoreApplication::processEvents();
    };
    return context;
}

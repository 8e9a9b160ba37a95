// Saving, compiling, loading and random generation: the window's side of the
// map file and random map operations.
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QElapsedTimer>
#include <filesystem>
#include <memory>

#include "mapfile/CompileOutcome.h"
#include "random/GameData.h"
#include "text/TextHelpers.h"
#include "mapfile/MapCommandTexts.h"
#include "mapfile/MapSave.h"
#include "mapfile/MapTextLoader.h"
#include "random/RandomMap.h"
#include "model/SystemEdits.h"
#include "random/SystemPopulation.h"
#include "ui/BusyGuard.h"
#include "ui/FMapEditor.h"
#include "ui/KindDispatch.h"
#include "ui/MapDialogs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/LongWorkProgress.h"
#include "ui/MapView.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"

namespace {

// A compiler still running after this many ticks is taken to hang.
constexpr int CompilerTimeLimitSeconds = 60;
constexpr qint64 RandomMapRedrawMs = 40;

// Thrown from the progress of a random map when the user cancels it.
struct GenerationCancelled {};

}  // namespace

// Keeps the window's commands disabled while a long operation lets events
// through, and tells closeEvent to wait.
struct FMapEditor::LongOperation {
    explicit LongOperation(FMapEditor& window)
        : window_(window),
          commands_(window.centralWidget()),
          menus_(window.menuBar()),
          history_(window.historyDock_) {
        ++window_.longOperations_;
    }
    ~LongOperation() { --window_.longOperations_; }
    FMapEditor& window_;
    BusyGuard commands_;
    BusyGuard menus_;
    BusyGuard history_;
};

void FMapEditor::SaveMenuCommand() { MapNameDialog(tr("Save Map"), 1); }

void FMapEditor::GenerateMenuCommand() { MapNameDialog(tr("Save&Generate Map"), 0); }

void FMapEditor::MapNameDialog(const QString& caption, int index) {
    FMapName dialog(caption, shared_.MapName, [this, index](const std::string& name) { SaveUnder(name, index); },
                    this);
    prompts_.ExecDialog(dialog);
}

void FMapEditor::MapCommand(int index) { SaveUnder(shared_.MapName, index); }

// The name becomes the current map's only once the map was written under it.
void FMapEditor::SaveUnder(const std::string& name, int index) {
    if (universe_.NSistemas() == 0) {
        prompts_.Error(MapCommandTexts::NoSystems);
        return;
    }
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
    SetMapName(name);
    document_.MarkSaved();
    RefreshFileList();
    if (index == 1)
        prompts_.Information(MapCommandTexts::Saved(name, data_.UserFolder));
    else if (index == 0 && ConfirmGenerateDespiteErrors())
        CompileMap(name);
}

void FMapEditor::CompileMap(const std::string& name) {
    const CompilePaths paths =
        MakeCompilePaths(data_.UserFolder, ResolveFolder(data_.UserFolder, data_.Config.MapCompilerPath),
                         ResolveFolder(data_.UserFolder, data_.Config.MapFolder), name);
    // The copy and the clean-up leave alone whatever the folders share (the
    // compiler may live in the program or the maps folder).
    if (const std::string error = CopyTxtToCompiler(paths); !error.empty()) return prompts_.Error(error);
    // A map left by an earlier run must not pass for this run's result.
    const CompiledMapStamp before = StampOf(paths.compilerMap);
    QProcess compiler;
    if (!StartCompiler(compiler, paths, name)) return;
    CompilerExit exit;
    // Cancelled: the compiler is ended and the previous compiled map stays.
    if (WaitForCompiler(compiler, paths, name, before, exit) == CompilerWait::Cancelled) return;
    if (const std::string failure = CompileFailureText(paths, before, exit); !failure.empty())
        return prompts_.Error(failure);
    const std::string error = MoveCompiledMap(paths);
    if (!error.empty()) return prompts_.Error(error);
    prompts_.Information(MapCommandTexts::Generated(name, data_.Config.MapFolder));
}

bool FMapEditor::StartCompiler(QProcess& compiler, const CompilePaths& paths, const std::string& name) {
    compiler.setProgram(QString::fromStdString(paths.compilerProgram.string()));
    QStringList arguments;
    const std::vector<std::string> parts = CompilerArguments(name, data_.Config.ModName);
    // The file name is in the file system's encoding; the mod name is map text.
    for (std::size_t i = 0; i < parts.size(); ++i)
        arguments << (i == 0 ? QString::fromStdString(parts[i]) : FromBytes(parts[i]));
    compiler.setArguments(arguments);
    compiler.setWorkingDirectory(QString::fromStdString(paths.compilerFolder.string()));
    compiler.start();
    if (compiler.waitForStarted(3000)) return true;
    prompts_.Error(std::to_string(static_cast<int>(compiler.error())) + " - " + ToBytes(compiler.errorString()) +
                   " (" + paths.compilerProgram.string() + ")");
    return false;
}

// Waits, with the progress shown and the window's events going on, until the
// compiler has ended; one that hangs is stopped after CompilerTimeLimitSeconds
// ticks. Cancel ends the compiler at once.
FMapEditor::CompilerWait FMapEditor::WaitForCompiler(QProcess& compiler, const CompilePaths& paths,
                                                      const std::string& name, const CompiledMapStamp& before,
                                                      CompilerExit& exit) {
    const LongOperation busy(*this);
    LongWorkProgress progress(this, tr("Generate Map"), 0);
    shared_.TickCount = 0;
    while (compiler.state() != QProcess::NotRunning && shared_.TickCount < CompilerTimeLimitSeconds) {
        progress.Tick(tr("Compiling %1").arg(FromBytes(name)));
        if (progress.Cancelled()) {
            EndCompiler(compiler, paths, before);
            return CompilerWait::Cancelled;
        }
        compiler.waitForFinished(10);
    }
    if (compiler.state() != QProcess::NotRunning) {
        compiler.kill();
        compiler.waitForFinished(3000);
        exit = CompilerExit{};
        return CompilerWait::Ended;
    }
    exit = CompilerExit{compiler.exitStatus() == QProcess::NormalExit, compiler.exitCode()};
    return CompilerWait::Ended;
}

// Ends a cancelled compiler and removes a map this run may have half
// written; a map from an earlier run, or the maps folder's own map (the
// compiler writing there directly), stays.
void FMapEditor::EndCompiler(QProcess& running, const CompilePaths& paths, const CompiledMapStamp& before) {
    if (running.state() != QProcess::NotRunning) {
        running.kill();
        running.waitForFinished(3000);
    }
    std::error_code ignored;
    const bool sameFile = std::filesystem::exists(paths.finalMap, ignored) &&
                          std::filesystem::equivalent(paths.compilerMap, paths.finalMap, ignored);
    if (!sameFile && ChangedSince(paths.compilerMap, before)) std::filesystem::remove(paths.compilerMap, ignored);
}

void FMapEditor::RandomMapCommand() {
    FRandom dialog(data_, prompts_, this);
    prompts_.ExecDialog(dialog);
    if (dialog.galaxyType.empty()) return;
    // The generated map replaces the one on screen, as New Map and Load do.
    if (!MaySetMapAside()) return;
    const LongOperation busy(*this);
    // Generated aside, so that Cancel leaves the map on screen as it was.
    CUniverse generated;
    {
        LongWorkProgress progress(this, tr("Random Map"), 2 * dialog.numberOfSystems);
        GenerationContext context = RandomMapContext(generated, progress);
        try {
            randomMaps_.GenerateRandomMap(context, dialog.galaxyType, dialog.numberOfSystems, dialog.shape);
        } catch (const GenerationCancelled&) {
            DrawSystems();
            return;
        }
    }
    // One step that keeps the map it replaces, for an undo. The new map has
    // no file yet; undone, the old one has its name back.
    const std::string name = "Random Map (" + std::to_string(generated.NSistemas()) + " systems)";
    document_.Submit(std::make_unique<ReplaceMapEdit>(std::move(generated), name),
                     [this, before = shared_.MapName](bool undone) { SetMapName(undone ? before : ""); });
    ShowFreshMap();
}

// Each system generated and each one linked is a step of the progress; the
// galaxy grows on screen, redrawn at most every 40 ms.
GenerationContext FMapEditor::RandomMapContext(CUniverse& generated, LongWorkProgress& progress) {
    GenerationContext context{generated, data_, random_, prompts_, data_.Config.AllowsMultipleObjects(), {}};
    auto steps = std::make_shared<int>(0);
    context.progress.status = [&progress, steps](const std::string& text) {
        progress.Step(++*steps, FromBytes(text));
        if (progress.Cancelled()) throw GenerationCancelled{};
    };
    auto sinceRedraw = std::make_shared<QElapsedTimer>();
    sinceRedraw->start();
    context.progress.redraw = [this, &generated, sinceRedraw] {
        if (sinceRedraw->elapsed() < RandomMapRedrawMs) return;
        sinceRedraw->restart();
        galaxyPainter_.SetUniverse(generated, nullptr);
        PicUniverseMap->Refresh();
        QCoreApplication::processEvents();
    };
    return context;
}

void FMapEditor::RandomSystemCommand() {
    const int X = LabelNumber(ToBytes(LblXG->text())), Y = LabelNumber(ToBytes(LblYG->text()));
    if (universe_.GetOccupied(X, Y)) {
        prompts_.Error("There's a system in that coordinates yet");
        return;
    }
    FSystemType dialog(data_, prompts_, [this, X, Y](const std::string& type, const std::string& name) {
        // Made apart, then added to the map as one step.
        CUniverse scratch;
        GenerationContext context = MakeGenerationContext(scratch);
        const SystemRef made = GenerateRandomSystem(context, type, X, Y, name);
        document_.Submit(std::make_unique<AddRandomSystemEdit>(DetachSystem(scratch, made->ID)));
    }, this);
    dialog.SetNameCheck([this, X, Y](const std::string& name) {
        if (Trim(name).empty()) return std::string();
        CurrentObjectRecord record;
        record.Name = name;
        record.X = X;
        record.Y = Y;
        return FindSystemClash(universe_, record, NoID).message;
    });
    prompts_.ExecDialog(dialog);
    DrawSystems();
    GalaxyPress(0, galaxyPressX_, galaxyPressY_);
}

// A random system is made in a universe of its own and joins the map as one
// step, so the generation needs no progress.
GenerationContext FMapEditor::MakeGenerationContext(CUniverse& target) {
    return GenerationContext{target, data_, random_, prompts_, data_.Config.AllowsMultipleObjects(), {}};
}

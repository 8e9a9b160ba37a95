// The editor's own costs, through its main window on an offscreen screen:
// redrawing the galaxy and a system map at 200 and 3,400 systems, a press and
// a 40-step drag on the system map, loading a map, and Random Map from OK to
// the map shown, next to the generation alone. Every redraw is painted before
// the clock stops: asking a view to update only queues a paint.
//
// Run offscreen unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "../BenchSupport.h"
#include "../SyntheticGalaxy.h"
#include "random/GameData.h"
#include "mapfile/MapSave.h"
#include "model/RandomSource.h"
#include "model/SectorField.h"
#include "random/RandomMap.h"
#include "ui/FMapEditor.h"
#include "ui/MapDialogs.h"
#include "ui/MapView.h"
#include "ui/RecordingPrompts.h"

namespace {

namespace fs = std::filesystem;

const int Sizes[] = {200, 3400};
constexpr int RandomSystems = 200;
constexpr int DragSteps = 40;

// The program folder's data and bitmaps, copied so that maps can be saved
// beside them.
fs::path CopyProgramFolder() {
    const fs::path copy = fs::temp_directory_path() / ("diz_editor_bench_" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const auto& entry : fs::directory_iterator(DIZ_PROGRAM_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_directory() || extension == ".ini" || extension == ".bmp" || extension == ".dat" ||
            extension == ".txt")
            fs::copy(entry.path(), copy / entry.path().filename(), fs::copy_options::recursive);
    }
    return copy;
}

std::int32_t FirstOrdinal(const GameData& data, const char* physicalType) {
    for (const StellarTypeEntry& entry : data.Stellar.Entries())
        if (entry.PhysicalType == physicalType) return entry.Ordinal;
    return 0;
}

// A pixel well inside the hexagon of sector (X, Y) of the system map.
QPoint SectorPixel(CCoord sector) {
    const LabelPoint label = SectorToPixel(sector.X, -sector.y);
    return {label.x - 16, label.y + 16};
}

// Paints the view now, as the next paint event would.
void PaintNow(MapView* view) {
    QImage target(view->viewport()->size(), QImage::Format_RGB32);
    view->viewport()->render(&target);
    benchmark::DoNotOptimize(target.constBits());
}

// Messages other than the questions the commands ask.
std::vector<std::string> Complaints(const RecordingPrompts& prompts) {
    std::vector<std::string> texts;
    for (const auto& entry : prompts.recorder.entries)
        if (entry.kind != RecordingReporter::Entry::Kind::Question) texts.push_back(entry.message);
    return texts;
}

// The bench's user sets the changed map aside whenever asked: a command
// answered Cancel would measure nothing.
class DiscardingPrompts : public RecordingPrompts {
public:
    SaveChoice AskSaveChanges(const std::string& mapName) override {
        RecordingPrompts::AskSaveChanges(mapName);
        return SaveChoice::Discard;
    }
};

// Runs a command that replaces the map; counts the runs that left it as it was.
template <typename Command>
int RunReplacing(const CUniverse& universe, Command&& command) {
    const std::uint64_t stamp = universe.GalaxyStamp();
    command();
    return universe.GalaxyStamp() == stamp ? 1 : 0;
}

// The copied program folder and its data; a base so it exists before the window.
struct ProgramData {
    ProgramData() {
        data.ProgramFolder = folder;
        data.UserFolder = folder;
    }
    ~ProgramData() { fs::remove_all(folder); }
    fs::path folder = CopyProgramFolder();
    GameData data;
};

// The main window after start-up with a galaxy of one size, a normal system
// selected. Only one lives at a time.
struct Editor : ProgramData {
    explicit Editor(int systems) : systems(systems), window(data, prompts, random) {
        window.SetContextMenusShown(false);
        // The size the window starts at on a 1366 x 768 screen.
        window.resize(1366, 740);
        window.show();
        window.RunStartUp(7);
        types = {FirstOrdinal(data, "Star"), FirstOrdinal(data, "Planet"), FirstOrdinal(data, "Asteroids"),
                 FirstOrdinal(data, "Storm"), FirstOrdinal(data, "Warp")};
        BuildSyntheticGalaxy(window.Universe(), systems, types);
        window.DrawSystems();
        SelectMiddleSystem();
        QCoreApplication::processEvents();
    }

    // A normal system half-way down the list (every tenth is a black hole).
    void SelectMiddleSystem() {
        const SystemRef& system = window.Universe().Systems()[static_cast<std::size_t>(systems / 2 + 1)];
        window.GalaxyPress(1, 4 * system->X + 2, 4 * system->y + 2);
        window.GalaxyClick();
        selected = system;
    }

    int systems;
    DiscardingPrompts prompts;
    RandomSource random{7};
    FMapEditor window;
    SyntheticTypes types;
    SystemRef selected;
};

// Let go before the application object ends.
std::unique_ptr<Editor> editor;

Editor& Current(int systems) {
    if (!editor || editor->systems != systems) {
        editor.reset();
        editor = std::make_unique<Editor>(systems);
        std::cout << systems << " systems: " << editor->window.Universe().NObjetosU() << " objects\n";
    }
    return *editor;
}

// After an edit inside a system: nothing the galaxy shows changed, so the
// view is painted from what was gathered, at the scale it has in the window.
void GalaxyRedraw(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    for (auto _ : state) {
        e.window.DrawSystems();
        PaintNow(e.window.GalaxyView());
    }
    state.counters["scale"] = e.window.GalaxyView()->Scale();
}

// After a system was edited: gathered again and painted at the window's scale.
void GalaxyRedrawAfterSystemEdit(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    for (auto _ : state) {
        e.window.Universe().EditSystem(e.selected, e.selected->ID);
        e.window.DrawSystems();
        PaintNow(e.window.GalaxyView());
    }
    state.counters["scale"] = e.window.GalaxyView()->Scale();
}

// The galaxy drawn at scale 1 (the size the window once had) with the
// selected system marked, after the painter looked at the map.
void PaintGalaxyAtScale1(Editor& e, GalaxyPainter& painter, QImage& image) {
    GalaxyPaintOptions options;
    options.selectedSystem = e.selected->ID;
    painter.SetUniverse(e.window.Universe(), nullptr);
    image.fill(Qt::black);
    QPainter onImage(&image);
    painter.Paint(onImage, 1.0, options);
}

// A map seen for the first time: gathered, laid out and drawn.
void GalaxyFirstPaintAtScale1(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    QImage image(GalaxyPainter::SizeAt(1.0), QImage::Format_RGB32);
    for (auto _ : state) {
        GalaxyPainter painter;
        PaintGalaxyAtScale1(e, painter, image);
    }
}

// After a system was edited: gathered again and drawn by the painter that
// drew it before.
void GalaxyRedrawAfterSystemEditAtScale1(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    QImage image(GalaxyPainter::SizeAt(1.0), QImage::Format_RGB32);
    GalaxyPainter painter;
    for (auto _ : state) {
        e.window.Universe().EditSystem(e.selected, e.selected->ID);
        PaintGalaxyAtScale1(e, painter, image);
    }
}

// The selected system drawn again at scale 1 by the painter that drew it.
void SystemMapPaintAtScale1(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    SystemMapPainter painter(e.data.Stellar, e.folder);
    QImage image(SystemMapPainter::SizeAt(1.0), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        QPainter onImage(&image);
        painter.Paint(onImage, 1.0, e.window.Universe(), e.selected->ID, {});
    }
    state.counters["objects"] = static_cast<double>(e.selected->NObjetos());
}

void SystemMapRedraw(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    for (auto _ : state) {
        e.window.DrawSystemMap(e.selected->ID);
        PaintNow(e.window.SystemMapView());
    }
    state.counters["objects"] = static_cast<double>(e.selected->NObjetos());
    state.counters["scale"] = e.window.SystemMapView()->Scale();
}

// A left press on the planet of the selected system, 40 mouse moves towards
// an empty sector and the release there; the next drag brings it back.
void PressAndDrag(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    QPoint from = SectorPixel(synthetic_detail::SectorOf(1));
    QPoint to = SectorPixel(CCoord{5, 5});
    for (auto _ : state) {
        e.window.SystemMapPress(1, from.x(), from.y());
        for (int step = 1; step <= DragSteps; ++step) {
            const QPoint at = from + (to - from) * step / DragSteps;
            e.window.SystemMapMove(at.x(), at.y());
        }
        e.window.SystemMapRelease(1, to.x(), to.y());
        std::swap(from, to);
    }
}

// Load Map of a map of this size saved in the program folder.
void LoadThroughWindow(benchmark::State& state, int systems) {
    Editor& e = Current(systems);
    const std::string name = "Bench" + std::to_string(systems);
    if (const std::string error = SaveMapText(e.window.Universe(), e.data.Stellar, e.folder, name); !error.empty())
        state.SkipWithError(error.c_str());
    e.prompts.ClearMessages();
    int unchanged = 0;
    for (auto _ : state)
        unchanged += RunReplacing(e.window.Universe(), [&] { e.window.LoadMapFile(QString::fromStdString(name + ".txt")); });
    if (unchanged > 0) state.SkipWithError("a load left the map as it was");
    if (!Complaints(e.prompts).empty()) state.SkipWithError(Complaints(e.prompts).front().c_str());
    if (e.window.Universe().NSistemas() != systems) state.SkipWithError("the map did not load");
    e.prompts.ClearMessages();
    e.SelectMiddleSystem();
}

// The "Create Quadrant" dialog filled as a user would, then OK.
RecordingPrompts::DialogDriver RandomMapDialog() {
    return [](QDialog& dialog) {
        auto& random = dynamic_cast<FRandom&>(dialog);
        random.cmbGalType->setEditText("Balanced Galaxy");
        random.TxtMaxNumber->setText(QString::number(RandomSystems));
        random.CmbShape->setEditText("Random");
        random.Ok();
        return dialog.result();
    };
}

// From OK in the dialog to the generated map drawn.
void RandomMapThroughWindow(benchmark::State& state) {
    Editor& e = Current(Sizes[0]);
    e.prompts.ClearMessages();
    int unchanged = 0;
    for (auto _ : state) {
        e.random.Seed(42);
        e.prompts.QueueDialog(RandomMapDialog());
        unchanged += RunReplacing(e.window.Universe(), [&] { e.window.RandomMapCommand(); });
    }
    if (unchanged > 0) state.SkipWithError("a Random Map left the map as it was");
    if (e.window.Universe().NSistemas() != RandomSystems) state.SkipWithError("no random map was made");
    if (!Complaints(e.prompts).empty()) state.SkipWithError(Complaints(e.prompts).front().c_str());
}

// The same generation without the window.
void RandomMapGenerationAlone(benchmark::State& state) {
    Editor& e = Current(Sizes[0]);
    RandomSource random;
    for (auto _ : state) {
        CUniverse universe;
        random.Seed(42);
        GenerationContext context = MakeGenerationContext(universe, e.data, random, e.prompts);
        RandomMapGenerator().GenerateRandomMap(context, "Balanced Galaxy", RandomSystems, "Random");
        benchmark::DoNotOptimize(universe);
    }
}

std::string Name(const char* task, int systems) { return std::string(task) + "/" + std::to_string(systems); }

void Register(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void RegisterAll() {
    using Task = void (*)(benchmark::State&, int);
    const std::pair<const char*, Task> tasks[] = {{"GalaxyRedraw", GalaxyRedraw},
                                                  {"GalaxyRedrawAfterSystemEdit", GalaxyRedrawAfterSystemEdit},
                                                  {"GalaxyFirstPaintAtScale1", GalaxyFirstPaintAtScale1},
                                                  {"GalaxyRedrawAfterSystemEditAtScale1",
                                                   GalaxyRedrawAfterSystemEditAtScale1},
                                                  {"SystemMapRedraw", SystemMapRedraw},
                                                  {"SystemMapPaintAtScale1", SystemMapPaintAtScale1},
                                                  {"PressAndDrag", PressAndDrag},
                                                  {"LoadThroughWindow", LoadThroughWindow}};
    for (int systems : Sizes)
        for (const auto& [task, run] : tasks)
            Register(benchmark::RegisterBenchmark(Name(task, systems).c_str(), run, systems));
    Register(benchmark::RegisterBenchmark(Name("RandomMapThroughWindow", RandomSystems).c_str(),
                                          RandomMapThroughWindow));
    Register(benchmark::RegisterBenchmark(Name("RandomMapGenerationAlone", RandomSystems).c_str(),
                                          RandomMapGenerationAlone));
}

void PrintOverhead(const MedianReporter& reporter, const std::string& whole, const std::string& part, double target) {
    if (!reporter.Has(whole) || !reporter.Has(part)) return;
    const double cpu = reporter.Of(whole).cpu - reporter.Of(part).cpu;
    const double real = reporter.Of(whole).real - reporter.Of(part).real;
    std::cout << whole << " - " << part << ": " << real << " ms in real time, " << cpu << " ms in CPU time (target "
              << target << " ms, " << (cpu <= target ? "met" : "missed") << " in CPU time)\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    PrintMachineLoad("before");
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintMachineLoad("after");
    PrintRatio(reporter, "PressAndDrag/3400", "PressAndDrag/200", 1);
    PrintRatio(reporter, "GalaxyRedraw/3400", "GalaxyRedraw/200", 0);
    PrintRatio(reporter, "GalaxyFirstPaintAtScale1/3400", "GalaxyFirstPaintAtScale1/200", 0);
    PrintRatio(reporter, "LoadThroughWindow/3400", "LoadThroughWindow/200", 25);
    PrintOverhead(reporter, "RandomMapThroughWindow/200", "RandomMapGenerationAlone/200", 50);
    editor.reset();
    benchmark::Shutdown();
    return 0;
}

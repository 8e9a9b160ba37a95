#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "random/StartUp.h"
#include "mapfile/MapProblems.h"
#include "mapfile/MapSave.h"
#include "random/GenerationContext.h"
#include "random/RandomMap.h"
#include "model/CUniverse.h"
#include "ui/EditorState.h"
#include "ui/MapDocument.h"
#include "ui/RecoveryCopy.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/render/SystemMapPainter.h"
#include "ui/dialogs/ObjectDialogs.h"
#include "ui/editing/AbilityChoice.h"
#include "ui/editing/GameDataCatalogue.h"
#include "ui/editing/ObjectPlacement.h"
#include "ui/editing/SystemMapEditing.h"
#include "ui/editing/SystemMapHost.h"
#include "ui/editing/SystemMapState.h"

class QAction;
class QCheckBox;
class QDockWidget;
class QFileSystemWatcher;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProcess;
struct CompilerExit;
struct CompiledMapStamp;
class QTimer;
class LongWorkProgress;
class MapView;
class ProblemsPanel;
class QSettings;
class QSplitter;
class QStringListModel;
struct GameData;
class RandomSource;
class UserPrompts;
struct ImageExportChoice;

// The main window: owns the universe of the run, shows the galaxy map and the
// map of the selected system, carries every command and opens the dialogs.
// Its handlers are public so tests reach them as a mouse press or a button
// would.
class FMapEditor : public QMainWindow, public SystemMapHost, public DialogHost {
    Q_OBJECT
public:
    FMapEditor(GameData& data, UserPrompts& prompts, RandomSource& random, QWidget* parent = nullptr);
    ~FMapEditor() override;

    // Start-up: reads the settings and data files and fills the status labels.
    void RunStartUp(std::uint64_t seed);
    void ApplyStatusTexts(const StatusTexts& texts, bool includingMod);

    // Galaxy map.
    void GalaxyPress(int button, double px, double py);
    void GalaxyClick();
    void GalaxyDoubleClick();
    void CreateSystemCommand();     // PSystem
    void RandomSystemCommand();     // RandomSystem
    void RemoveCommand();           // RSystem, RObject

    // System map.
    void SystemMapPress(int button, double px, double py);
    void SystemMapRelease(int button, double px, double py);
    void SystemMapDoubleClick();
    void SystemMapMove(double px, double py);
    void CreateObjectCommand(std::int32_t kind);  // PStar .. PWarp

    // Window commands.
    void NewMapCommand();
    // Save (1) or save and compile (0) under the map name: cmdMap_Click.
    void MapCommand(int index);
    void SaveMenuCommand();      // FSave
    void GenerateMenuCommand();  // FGenerate
    // The name dialog of the two menu entries: OK sets MapName and runs MapCommand(index).
    void MapNameDialog(const QString& caption, int index);
    // Save (1) or save and compile (0) under a name.
    void SaveUnder(const std::string& name, int index);
    void LoadCommand();          // CmdLoad_Click
    void LoadMenuCommand();      // FLoad
    void RandomMapCommand();     // cmdRandom_Click
    // Whether a long operation (compiler wait, random map) is running.
    bool Busy() const { return longOperations_ > 0; }
    void ChangeSettings();
    void AboutCommand();
    void TypeChosen(const QString& text);  // cmbType click
    // F: its current entry (by mouse, keys or focus) is the one Load Map opens.
    void RefreshFileList();
    // Loads a listed file of the program folder (after the question).
    void LoadMapFile(const QString& fileName);
    // The name of the map on screen: the name fields and the window title.
    void SetMapName(const std::string& name);

    // DialogHost.
    bool Update() override;
    void Cancel() override;

    // SystemMapHost.
    void SetSectorLabels(const std::string& x, const std::string& y) override;
    std::string SectorLabelX() const override;
    std::string SectorLabelY() const override;
    void SetSelectedLabel(const std::string& text) override;
    std::string SelectedLabel() const override;
    void SetObjectSelectedLabel(const std::string& text) override;
    std::string SystemLabel() const override;
    void SetKindText(const std::string& text) override;
    void SetKindEnabled(bool enabled) override;
    void SetGalaxyCaptionBold(bool bold) override;
    void RedrawSystemMap() override { DrawSystemMap(state_.SelectedSystem); }
    void DrawSystems() override;
    void ReselectGalaxyCell() override { GalaxyPress(0, galaxyPressX_, galaxyPressY_); }
    void ClearSystemMap() override;
    void OpenSystemMapMenu() override;
    void ShowDialogs(const DialogFlags& flags) override;
    void BeginCreate() override;
    void DispatchKind() override;
    bool PickObject(const std::vector<SpaceObjectRef>& objects, std::int32_t& picked) override;

    void DrawSystemMap(std::int32_t systemId);

    CUniverse& Universe() { return universe_; }
    MapDocument& Document() { return document_; }
    // The map name the title and the save question show: MapName, or
    // "Untitled" for a map never saved or loaded.
    std::string MapDisplayName() const;
    EditorState& Shared() { return shared_; }
    SystemMapState& State() { return state_; }
    GameData& Data() { return data_; }

    // For tests and the screenshot: the two pictures as drawn at scale 1.
    QImage GalaxyImage() const;
    QImage SystemMapImage() const;
    // The galaxy cell the marker stands on.
    QPoint GalaxyMarkerCell() const { return markerCell_; }
    MapView* GalaxyView() const { return PicUniverseMap; }
    MapView* SystemMapView() const { return PicMap; }
    const GalaxyPainter& GalaxyPicture() const { return galaxyPainter_; }
    GalaxyPaintOptions GalaxyOptions() const;
    // Zoom of the view the user worked in last.
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    // Window size, position and panel layout between runs.
    void RestoreLayout(QSettings& settings);
    void SaveLayout(QSettings& settings) const;
    void SetLayoutRemembered(bool remembered) { rememberLayout_ = remembered; }
    // The first size and place on a screen with that available area.
    void FitToScreen(const QRect& available);
    bool SystemMapEnabled() const;
    std::string TypeText() const;
    // Opens the system dialog modally.
    void ShowSystemDialog();
    // Whether a right press opens a context menu; tests turn it off, since a
    // menu waits for a user.
    void SetContextMenusShown(bool shown) { showContextMenus_ = shown; }

    // Recovery copies of a map with unsaved changes go to this folder; none
    // are written or offered without one.
    void SetRecoveryFolder(const std::filesystem::path& folder);
    // Writes the copy now when there are unsaved changes (the timer's work).
    void WriteRecoveryCopy();
    // At start: offers a copy left by a session that did not end properly.
    void OfferRecovery();

    // The map's problems as the validator finds them now.
    std::vector<MapProblem> CurrentProblems() const;
    ProblemsPanel* Problems() const { return problems_; }
    // Selects the problem's system and, when it has one, its object.
    void ShowProblem(std::int32_t systemId, std::int32_t objectId);

    // Map > Export Image: asks what to export, then for the file.
    void ExportImageCommand();
    // Writes the galaxy or the shown system as PNG; false (reported) when it
    // cannot be written.
    bool ExportImage(const ImageExportChoice& choice, const QString& file);

    // The status bar's map name and counts; runs after every change of the
    // map (MapChanged) and of its name.
    void RefreshStatusBar();
    // The pointer over the galaxy map, in pixels of the unscaled picture.
    void GalaxyMove(double px, double py);
    // Find: selects the system the typed name finds and brings it into view;
    // otherwise the status bar says why and nothing changes.
    void FindSystem(const QString& typed);
    void FocusFind();
    // Selects a system as a press on its galaxy cell does, scrolled into view.
    void ShowSystem(const SystemRef& system);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window, area by area.
    void BuildMenus();
    QWidget* BuildGalaxyArea();
    QWidget* BuildSystemArea();
    QWidget* BuildObjectFrame();
    QWidget* BuildLegend();
    QWidget* BuildButtons();
    QWidget* BuildFileFields();
    QWidget* BuildSettingsStrip();
    void BuildContextMenus();
    void ConnectViews();
    QLabel* NamedLabel(const char* name, const QString& text = {});

    struct LongOperation;

    void CompileMap(const std::string& name);
    bool StartCompiler(QProcess& compiler, const CompilePaths& paths, const std::string& name);
    enum class CompilerWait { Ended, Cancelled };
    CompilerWait WaitForCompiler(QProcess& compiler, const CompilePaths& paths, const std::string& name,
                                 const CompiledMapStamp& before, CompilerExit& exit);
    void EndCompiler(QProcess& running, const CompilePaths& paths, const CompiledMapStamp& before);
    GenerationContext RandomMapContext(CUniverse& generated, LongWorkProgress& progress);
    QStringList MapFiles() const;
    void WatchMapFolder();
    GenerationContext MakeGenerationContext(CUniverse& target);
    void SelectGalaxySystem(const SystemRef& system);
    void SelectNoSystem();
    void MoveMarker(int X, int Y);
    void PaintGalaxyMarker(QPainter& painter, double scale) const;
    QString GalaxyTip(QPointF point) const;
    QString SystemMapTip(QPointF point) const;
    void FitOnScreen();
    void SetMapsEnabled();
    void ForgetSectorSelection();
    void ChooseObjectKind(std::int32_t kind);
    void ChooseSystemKind();
    void ShowSelectionKind();
    void BuildProblemsPanel();
    void BuildStatusBar();
    QWidget* BuildFindField();
    void SectorPointerStatus(double px, double py);
    void ShowPointerStatus(const QString& text);
    void ClearPointerStatus();
    // After any change of the map: the Problems panel checks again.
    void MapChanged();
    // With errors in the map, lists them and asks whether to compile anyway.
    bool ConfirmGenerateDespiteErrors();
    void BuildExportCommand();
    // The name of the system on the system map; empty when none is shown.
    QString ShownSystemForExport() const;
    QImage ExportedImage(const ImageExportChoice& choice) const;
    void BuildEditMenu();
    void BuildHistoryDock();
    // With unsaved changes, asks "Save changes to NAME?": true when the map
    // may be set aside (saved, or its changes discarded), false on Cancel
    // or a failed save.
    bool MaySetMapAside();
    // Saves under the map name, asking for one when there is none; true
    // when the map was saved.
    bool SaveCurrentMap();
    void UpdateTitle();
    // After an undo or a redo: redraws, and selects and shows the system
    // and object the step touched.
    void ShowHistoryStep(int systemId, int objectId);
    // A new or loaded map is shown with nothing selected.
    void ShowFreshMap();
    void StartRecoveryCopies();
    void EndRecoveryCopies();

    GameData& data_;
    UserPrompts& prompts_;
    RandomSource& random_;
    MapDocument document_;
    CUniverse& universe_ = document_.Universe();
    EditorState shared_;
    SystemMapState state_;
    // Pixel of the last galaxy press; Update re-selects the galaxy cell from it.
    double galaxyPressX_ = 0, galaxyPressY_ = 0;
    AbilityChoice abilities_;
    GameDataCatalogue catalogue_;
    ObjectPlacement placement_;
    std::unique_ptr<ObjectDialogs> objectDialogs_;
    SystemMapEditing editing_;
    mutable SystemMapPainter systemPainter_;  // its caches fill while drawing
    GalaxyPainter galaxyPainter_;
    SystemMapPaintOptions systemOptions_;
    std::int32_t shownSystem_ = NoID;
    QPoint markerCell_;
    MapView* activeView_ = nullptr;
    QSplitter* splitter_ = nullptr;
    bool rememberLayout_ = false;
    RandomMapGenerator randomMaps_;
    int longOperations_ = 0;
    bool showContextMenus_ = true;

    // Controls, named as the editor's handlers know them.
    QGroupBox* FrUniverseMap = nullptr;
    MapView* PicUniverseMap = nullptr;
    QCheckBox* ChkHideNamesG = nullptr;
    QLabel* LblXG = nullptr;
    QLabel* LblYG = nullptr;
    QLabel* lblSystem = nullptr;
    MapView* PicMap = nullptr;
    QCheckBox* ChkHideNamesS = nullptr;
    QLabel* lblSystemSel = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* LblXS = nullptr;
    QLabel* lblYS = nullptr;
    QLabel* CXsel = nullptr;
    QLabel* CYSel = nullptr;
    QLabel* lblselected = nullptr;
    QComboBox* cmbType = nullptr;
    QLabel* LblObjectSelected = nullptr;
    QLabel* LbLSystemSelected = nullptr;
    QLabel* lblPaths = nullptr;
    QLabel* LblUsingParse = nullptr;
    QLabel* lblAllow = nullptr;
    QLabel* lblMod = nullptr;
    QLabel* lblsys = nullptr;
    QLineEdit* TxtMapLoad = nullptr;
    QLineEdit* TxtFileName = nullptr;
    QLineEdit* TxtMapSave = nullptr;
    QListWidget* F = nullptr;
    QMenu* pop = nullptr;
    QMenu* pop2 = nullptr;
    QTimer* Timer1 = nullptr;
    QFileSystemWatcher* folderWatcher_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    QString lastExportFolder_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QDockWidget* historyDock_ = nullptr;
    RecoveryCopy recovery_;
    QTimer* recoveryTimer_ = nullptr;

    QLabel* pointerStatus_ = nullptr;
    QLabel* mapNameStatus_ = nullptr;
    QLabel* countsStatus_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QStringListModel* systemNames_ = nullptr;
    // The galaxy stamp the warp count and the Find names were taken at.
    std::uint64_t countedStamp_ = 0;
    std::int32_t countedWarps_ = 0;
};

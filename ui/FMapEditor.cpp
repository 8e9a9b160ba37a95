#include "ui/FMapEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "random/GameData.h"
#include "model/SectorField.h"
#include "ui/FSystem.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/MapDialogs.h"
#include "ui/dialogs/FSelectObject.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/MapView.h"
#include "ui/StartUpReport.h"
#include "ui/TabOrder.h"
#include "ui/UserPrompts.h"

FMapEditor::FMapEditor(GameData& data, UserPrompts& prompts, RandomSource& random, QWidget* parent)
    : QMainWindow(parent),
      data_(data),
      prompts_(prompts),
      random_(random),
      catalogue_(data, prompts),
      placement_({universe_, document_, shared_, abilities_, catalogue_, prompts_,
                  [this] { return data_.Config.AllowsMultipleObjects(); }, [this] { DrawSystems(); }}),
      editing_({state_, *this, placement_, universe_, document_, shared_, abilities_, prompts_}),
      systemPainter_(data.Stellar, data.ProgramFolder) {
    setObjectName("FMapEditor");
    BuildMenus();
    BuildContextMenus();
    auto* central = new QWidget;
    auto* grid = new QVBoxLayout(central);
    auto* leftPanel = new QWidget;
    auto* left = new QVBoxLayout(leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(BuildGalaxyArea(), 1);
    auto* objectAndButtons = new QHBoxLayout;
    objectAndButtons->addWidget(BuildObjectFrame());
    objectAndButtons->addWidget(BuildButtons(), 1);
    left->addLayout(objectAndButtons);
    left->addWidget(BuildFileFields());
    left->addWidget(lblsys = NamedLabel("lblsys", tr("Generating random map...")));
    lblsys->setVisible(false);
    // The two maps share the width; the user moves the divider.
    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName("MapSplitter");
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(leftPanel);
    splitter_->addWidget(BuildSystemArea());
    splitter_->setStretchFactor(0, 2);
    splitter_->setStretchFactor(1, 3);
    grid->addWidget(splitter_, 1);
    grid->addWidget(BuildSettingsStrip());
    setCentralWidget(central);
    BuildStatusBar();
    // Tab follows the window as it reads: galaxy side, then the system map.
    OrderTabsByLayout(central);
    FitOnScreen();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { ++shared_.TickCount; });
    Timer1->start(1000);
    ConnectViews();
    BuildProblemsPanel();
    BuildExportCommand();
    connect(&document_, &MapDocument::modifiedChanged, this, &FMapEditor::UpdateTitle);
    connect(&document_, &MapDocument::historyStepped, this, &FMapEditor::ShowHistoryStep);
    connect(&document_, &MapDocument::mapChanged, this, &FMapEditor::MapChanged);
    UpdateTitle();
    StartRecoveryCopies();
    objectDialogs_ = std::make_unique<ObjectDialogs>(
        DialogLinks{shared_, *this, prompts_, catalogue_, abilities_, random_, universe_}, this);
    DrawSystems();
}

// The document goes before the members its signals reach; emptying its
// history on the way must not call back into them.
FMapEditor::~FMapEditor() { disconnect(&document_, nullptr, this, nullptr); }

void FMapEditor::ConnectViews() {
    connect(PicUniverseMap, &MapView::pressed, this, &FMapEditor::GalaxyPress);
    connect(PicUniverseMap, &MapView::clicked, this, &FMapEditor::GalaxyClick);
    connect(PicUniverseMap, &MapView::doubleClicked, this, &FMapEditor::GalaxyDoubleClick);
    connect(PicMap, &MapView::pressed, this, &FMapEditor::SystemMapPress);
    connect(PicMap, &MapView::released, this, &FMapEditor::SystemMapRelease);
    connect(PicMap, &MapView::doubleClicked, this, &FMapEditor::SystemMapDoubleClick);
    connect(PicMap, &MapView::moved, this, &FMapEditor::SystemMapMove);
    connect(PicUniverseMap, &MapView::moved, this, &FMapEditor::GalaxyMove);
    for (MapView* view : {PicUniverseMap, PicMap}) connect(view, &MapView::left, this, &FMapEditor::ClearPointerStatus);
    for (MapView* view : {PicUniverseMap, PicMap})
        connect(view, &MapView::activated, this, [this, view] { activeView_ = view; });
    activeView_ = PicMap;
    PicUniverseMap->SetPaint([this](QPainter& painter, double scale) {
        galaxyPainter_.Paint(painter, scale, GalaxyOptions());
    });
    PicUniverseMap->SetOverlay([this](QPainter& painter, double scale) { PaintGalaxyMarker(painter, scale); });
    PicUniverseMap->SetTip([this](QPointF point) { return GalaxyTip(point); });
    PicMap->SetPaint([this](QPainter& painter, double scale) {
        systemPainter_.Paint(painter, scale, universe_, shownSystem_, systemOptions_);
    });
    PicMap->SetTip([this](QPointF point) { return SystemMapTip(point); });
    connect(ChkHideNamesG, &QCheckBox::clicked, this, &FMapEditor::DrawSystems);
    connect(ChkHideNamesS, &QCheckBox::clicked, this, [this] {
        if (PicMap->isEnabled()) DrawSystemMap(state_.SelectedSystem);
    });
    connect(cmbType, &QComboBox::textActivated, this, &FMapEditor::TypeChosen);
}

void FMapEditor::RunStartUp(std::uint64_t seed) {
    LblUsingParse->setText(ParsingDataFilesText);
    LblUsingParse->repaint();
    CollectedMessages collected(prompts_);
    const StartUpResult result = StartUp(data_.ProgramFolder, data_.UserFolder, data_, random_, seed, collected);
    ApplyStatusTexts(result.Status, true);
    if (!collected.messages.empty()) prompts_.Error(StartUpSummary(collected.messages));
    systemPainter_.ClearCache();
    RefreshFileList();
    WatchMapFolder();
}

void FMapEditor::ApplyStatusTexts(const StatusTexts& texts, bool includingMod) {
    LblUsingParse->setText(FromBytes(texts.LblUsingParse));
    // The compiler and map folders are separated by a carriage return.
    lblPaths->setText(FromBytes(texts.lblPaths).replace('\r', '\n'));
    lblAllow->setText(FromBytes(texts.lblAllow));
    if (includingMod) lblMod->setText(FromBytes(texts.lblMod));
}

// --- SystemMapHost -------------------------------------------------------

void FMapEditor::SetSectorLabels(const std::string& x, const std::string& y) {
    LblXS->setText(FromBytes(x));
    lblYS->setText(FromBytes(y));
}

std::string FMapEditor::SectorLabelX() const { return ToBytes(LblXS->text()); }
std::string FMapEditor::SectorLabelY() const { return ToBytes(lblYS->text()); }
void FMapEditor::SetSelectedLabel(const std::string& text) { lblselected->setText(FromBytes(text)); }
std::string FMapEditor::SelectedLabel() const { return ToBytes(lblselected->text()); }
std::string FMapEditor::SystemLabel() const { return ToBytes(lblSystem->text()); }
void FMapEditor::SetObjectSelectedLabel(const std::string& text) { LblObjectSelected->setText(FromBytes(text)); }
void FMapEditor::SetKindText(const std::string& text) { cmbType->setEditText(FromBytes(text)); }
void FMapEditor::SetKindEnabled(bool enabled) { cmbType->setEnabled(enabled); }
std::string FMapEditor::TypeText() const { return ToBytes(cmbType->currentText()); }

void FMapEditor::SetGalaxyCaptionBold(bool bold) {
    QFont font = FrUniverseMap->font();
    font.setBold(bold);
    FrUniverseMap->setFont(font);
}

GalaxyPaintOptions FMapEditor::GalaxyOptions() const {
    return {ChkHideNamesG->isChecked(), state_.SystemIsSelected ? state_.SelectedSystem : NoID};
}

void FMapEditor::DrawSystems() {
    galaxyPainter_.SetUniverse(universe_, &prompts_);
    PicUniverseMap->Refresh();
    MapChanged();
}

void FMapEditor::DrawSystemMap(std::int32_t systemId) {
    // The selection hexagon is the hexagon drawn under the last press.
    const PixelSector sector = SectorAtPoint(state_.LastPixel.x, state_.LastPixel.y);
    systemOptions_.hideLabels = ChkHideNamesS->isChecked();
    if (IsValidSector(sector.X, sector.Y)) {
        state_.LastSector = {sector.X, sector.Y};
        systemOptions_.selection = std::make_pair(sector.X, sector.Y);
    } else {
        state_.LastSector = {};
        systemOptions_.selection.reset();
        SetSectorLabels("", "");
        SetSelectedLabel("");
    }
    shownSystem_ = systemId;
    PicMap->setEnabled(true);
    PicMap->Refresh();
    MapChanged();
}

void FMapEditor::ClearSystemMap() {
    shownSystem_ = NoID;
    PicMap->setEnabled(false);
    PicMap->Refresh();
}

void FMapEditor::ShowDialogs(const DialogFlags& flags) {
    if (flags.System) ShowSystemDialog();
    objectDialogs_->Show(flags);
}

void FMapEditor::ShowSystemDialog() {
    const std::int32_t edited = shared_.CreatingNew ? NoID : state_.SelectedSystem;
    FSystem dialog(shared_, *this, prompts_, data_, random_, universe_, edited, this);
    prompts_.ExecDialog(dialog);
}

bool FMapEditor::PickObject(const std::vector<SpaceObjectRef>& objects, std::int32_t& picked) {
    FSelectObject dialog(objects, this);
    const bool confirmed = prompts_.ExecDialog(dialog) == QDialog::Accepted;
    if (confirmed) picked = dialog.Picked();
    return confirmed;
}

void FMapEditor::OpenSystemMapMenu() {
    if (showContextMenus_) pop2->exec(QCursor::pos());
}

QImage FMapEditor::GalaxyImage() const { return galaxyPainter_.Render(1.0, GalaxyOptions()); }

QImage FMapEditor::SystemMapImage() const {
    if (!PicMap->isEnabled()) return SystemMapPainter::BlankImage();
    return systemPainter_.Render(1.0, universe_, shownSystem_, systemOptions_);
}
bool FMapEditor::SystemMapEnabled() const { return PicMap->isEnabled(); }

void FMapEditor::closeEvent(QCloseEvent* event) {
    // Closing in the middle of a compiler wait or a random map would pull the
    // window from under the running operation.
    if (Busy()) {
        event->ignore();
        return;
    }
    // Unsaved changes get the three-way question instead of the plain one.
    const bool close = document_.IsModified() ? MaySetMapAside() : prompts_.Question("Are you sure to quit?");
    if (!close) {
        event->ignore();
        return;
    }
    if (rememberLayout_) {
        QSettings settings;
        SaveLayout(settings);
    }
    EndRecoveryCopies();
    event->accept();
}

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
#include <QTimer>
#include <QVBoxLayout>

#include "random/GameData.h"
#include "ui/FSystem.h"
#include "ui/GalaxyRenderer.h"
#include "ui/MapDialogs.h"
#include "ui/dialogs/FSelectObject.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/PictureView.h"
#include "ui/StartUpReport.h"
#include "ui/UserPrompts.h"

FMapEditor::FMapEditor(GameData& data, UserPrompts& prompts, RandomSource& random, QWidget* parent)
    : QMainWindow(parent),
      data_(data),
      prompts_(prompts),
      random_(random),
      catalogue_(data, prompts),
      placement_({universe_, shared_, abilities_, catalogue_, prompts_,
                  [this] { return data_.Config.AllowsMultipleObjects(); }, [this] { DrawSystems(); }}),
      editing_({state_, *this, placement_, universe_, shared_, abilities_, prompts_}),
      systemRenderer_(data.Stellar, data.ProgramFolder) {
    setObjectName("FMapEditor");
    setWindowTitle(MapWindowTitle(""));
    BuildMenus();
    BuildContextMenus();
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildGalaxyArea());
    left->addWidget(BuildObjectFrame());
    left->addWidget(BuildLegend());
    left->addWidget(BuildButtons());
    left->addWidget(BuildFileFields());
    left->addWidget(lblsys = NamedLabel("lblsys", tr("Generating random map...")));
    lblsys->setVisible(false);
    left->addStretch();
    grid->addLayout(left, 0, 0);
    grid->addWidget(BuildSystemArea(), 0, 1, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(BuildSettingsStrip(), 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setCentralWidget(central);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { ++shared_.TickCount; });
    Timer1->start(1000);
    ConnectViews();
    objectDialogs_ = std::make_unique<ObjectDialogs>(
        DialogLinks{shared_, *this, prompts_, catalogue_, abilities_, random_, universe_}, this);
    DrawSystems();
}

FMapEditor::~FMapEditor() = default;

void FMapEditor::ConnectViews() {
    connect(PicUniverseMap, &PictureView::pressed, this, &FMapEditor::GalaxyPress);
    connect(PicUniverseMap, &PictureView::clicked, this, &FMapEditor::GalaxyClick);
    connect(PicUniverseMap, &PictureView::doubleClicked, this, &FMapEditor::GalaxyDoubleClick);
    connect(PicMap, &PictureView::pressed, this, &FMapEditor::SystemMapPress);
    connect(PicMap, &PictureView::released, this, &FMapEditor::SystemMapRelease);
    connect(PicMap, &PictureView::doubleClicked, this, &FMapEditor::SystemMapDoubleClick);
    connect(PicMap, &PictureView::moved, this, &FMapEditor::SystemMapMove);
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
    systemRenderer_.ClearCache();
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

void FMapEditor::DrawSystems() {
    PicUniverseMap->SetImage(RenderGalaxy(universe_, ChkHideNamesG->isChecked(), prompts_));
}

void FMapEditor::DrawSystemMap(std::int32_t systemId) {
    QImage image;
    const bool selectionValid =
        systemRenderer_.Render(image, universe_, systemId, state_, ChkHideNamesS->isChecked());
    if (!selectionValid) {
        SetSectorLabels("", "");
        SetSelectedLabel("");
    }
    PicMap->SetImage(image);
    PicMap->setEnabled(true);
}

void FMapEditor::ClearSystemMap() {
    PicMap->SetImage(SystemMapRenderer::BlankImage());
    PicMap->setEnabled(false);
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

const QImage& FMapEditor::GalaxyImage() const { return PicUniverseMap->Image(); }
const QImage& FMapEditor::SystemMapImage() const { return PicMap->Image(); }
bool FMapEditor::SystemMapEnabled() const { return PicMap->isEnabled(); }

void FMapEditor::closeEvent(QCloseEvent* event) {
    // Closing in the middle of a compiler wait or a random map would pull the
    // window from under the running operation.
    if (Busy()) {
        event->ignore();
        return;
    }
    if (prompts_.Question("Are you sure to quit?"))
        event->accept();
    else
        event->ignore();
}

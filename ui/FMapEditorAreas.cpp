// Building the main window, one area at a time.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AtmosphereColours.h"
#include "ui/ElidedLabel.h"
#include "ui/FMapEditor.h"
#include "ui/MapDialogs.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/MapView.h"

namespace {

QPushButton* CommandButton(const char* name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void AddLabelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field) {
    grid->addWidget(new QLabel(caption), row, column);
    grid->addWidget(field, row, column + 1);
}

// An action of a menu with its name and keys; the menu shows the keys.
template <class Slot>
QAction* AddCommand(QMenu* menu, const QString& caption, const char* name, const QKeySequence& keys,
                    FMapEditor* receiver, Slot slot) {
    QAction* action = menu->addAction(caption, receiver, slot);
    action->setObjectName(name);
    action->setShortcut(keys);
    return action;
}

}  // namespace

QLabel* FMapEditor::NamedLabel(const char* name, const QString& text) {
    // Long names and messages are cut, never widening the window.
    auto* label = new ElidedLabel(text);
    label->setObjectName(name);
    return label;
}

void FMapEditor::BuildMenus() {
    QMenu* map = menuBar()->addMenu(tr("&Map"));
    map->setObjectName("f_mnu");
    // Standard keys where there are any; Ctrl+Z/Y and Ctrl+0/+/- belong to
    // Edit and View.
    AddCommand(map, tr("New Map"), "newmap", QKeySequence::New, this, &FMapEditor::NewMapCommand);
    AddCommand(map, tr("Load Map"), "LoadMap", QKeySequence::Open, this, &FMapEditor::LoadMenuCommand);
    AddCommand(map, tr("Generate Random Map"), "randommap", QKeySequence(Qt::CTRL | Qt::Key_R), this,
               &FMapEditor::RandomMapCommand);
    AddCommand(map, tr("Save Map"), "saveMap", QKeySequence::Save, this, &FMapEditor::SaveMenuCommand);
    AddCommand(map, tr("Generate Map with Map Compiler"), "generatemap", QKeySequence(Qt::CTRL | Qt::Key_G), this,
               &FMapEditor::GenerateMenuCommand);
    map->addSeparator()->setObjectName("m1");
    AddCommand(map, tr("Quit"), "quit", QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);
    BuildEditMenu();
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("view_mnu");
    QAction* zoomIn = view->addAction(tr("Zoom In"), this, &FMapEditor::ZoomIn);
    zoomIn->setObjectName("zoomIn");
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = view->addAction(tr("Zoom Out"), this, &FMapEditor::ZoomOut);
    zoomOut->setObjectName("zoomOut");
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* fit = view->addAction(tr("Fit"), this, &FMapEditor::ZoomToFit);
    fit->setObjectName("zoomFit");
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    AddCommand(view, tr("Find System..."), "findSystem", QKeySequence::Find, this, &FMapEditor::FocusFind);
    menuBar()->addAction(tr("&Settings"), this, &FMapEditor::ChangeSettings)->setObjectName("settings");
    menuBar()->addAction(tr("&About"), this, &FMapEditor::AboutCommand)->setObjectName("about");
}

void FMapEditor::BuildContextMenus() {
    pop = new QMenu(tr("Pop"), this);
    pop->setObjectName("pop");
    pop->addAction(tr("Create System"), this, &FMapEditor::CreateSystemCommand)->setObjectName("PSystem");
    pop->addAction(tr("Generate Random System"), this, &FMapEditor::RandomSystemCommand)
        ->setObjectName("RandomSystem");
    pop->addAction(tr("Remove System"), this, &FMapEditor::RemoveCommand)->setObjectName("RSystem");
    pop2 = new QMenu(tr("Pop2"), this);
    pop2->setObjectName("pop2");
    const struct {
        const char* name;
        const char* caption;
        std::int32_t kind;
    } creates[] = {{"PStar", "Create Star", KindStar},          {"PPlanet", "Create Planet", KindPlanet},
                   {"PAsteroids", "Create Asteroids", KindAsteroids}, {"PStorm", "Create Storm", KindStorm},
                   {"PWarp", "Create Warp", KindWarpPoint}};
    for (const auto& create : creates)
        pop2->addAction(tr(create.caption), this, [this, kind = create.kind] { CreateObjectCommand(kind); })
            ->setObjectName(create.name);
    pop2->addAction(tr("Remove Object"), this, &FMapEditor::RemoveCommand)->setObjectName("RObject");
}

QWidget* FMapEditor::BuildGalaxyArea() {
    FrUniverseMap = new QGroupBox(tr("Universe"));
    FrUniverseMap->setObjectName("FrUniverseMap");
    auto* layout = new QVBoxLayout(FrUniverseMap);
    auto* heading = new QHBoxLayout;
    heading->addWidget(Heading(tr("GALAXY MAP")));
    heading->addStretch();
    heading->addWidget(BuildFindField(), 2);
    layout->addLayout(heading);
    PicUniverseMap = new MapView(QSize(GalaxyMapWidth, GalaxyMapHeight));
    PicUniverseMap->setObjectName("PicUniverseMap");
    layout->addWidget(PicUniverseMap, 1);
    ChkHideNamesG = new QCheckBox(tr("Hide labels"));
    ChkHideNamesG->setObjectName("ChkHideNamesG");
    auto* cell = new QHBoxLayout;
    cell->addWidget(ChkHideNamesG);
    cell->addWidget(new QLabel(tr("X:")));
    cell->addWidget(LblXG = NamedLabel("LblXG", "0"));
    cell->addWidget(new QLabel(tr("Y:")));
    cell->addWidget(LblYG = NamedLabel("LblYG", "0"));
    // A cell number always has its room beside its caption.
    for (QLabel* number : {LblXG, LblYG}) {
        number->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        number->setMinimumWidth(28);
    }
    cell->addStretch();
    layout->addLayout(cell);
    auto* system = new QHBoxLayout;
    system->addWidget(new QLabel(tr("System:")));
    system->addWidget(lblSystem = NamedLabel("lblSystem"), 1);
    layout->addLayout(system);
    return FrUniverseMap;
}

QWidget* FMapEditor::BuildSystemArea() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(Heading(tr("SYSTEM MAP")));
    top->addWidget(lblSystemSel = NamedLabel("lblSystemSel", tr("System: NONE")), 1);
    ChkHideNamesS = new QCheckBox(tr("Hide Labels"));
    ChkHideNamesS->setObjectName("ChkHideNamesS");
    top->addWidget(ChkHideNamesS);
    layout->addLayout(top);
    top->insertWidget(2, lblDescription = NamedLabel("lblDescription"), 2);
    lblDescription->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    PicMap = new MapView(QSize(SystemMapWidth, SystemMapHeight));
    PicMap->setObjectName("PicMap");
    PicMap->setEnabled(false);
    layout->addWidget(PicMap, 1);
    auto* sector = new QHBoxLayout;
    const std::pair<QString, QLabel**> labels[] = {{tr("X:"), &LblXS},        {tr("Y:"), &lblYS},
                                                   {tr("Cursor X:"), &CXsel}, {tr("Cursor Y:"), &CYSel},
                                                   {tr("Object Selected:"), &lblselected}};
    const char* names[] = {"LblXS", "lblYS", "CXsel", "CYSel", "lblselected"};
    for (int i = 0; i < 5; ++i) {
        sector->addWidget(new QLabel(labels[i].first));
        sector->addWidget(*labels[i].second = NamedLabel(names[i]), i == 4 ? 1 : 0);
        (*labels[i].second)->setMinimumWidth(28);
        // A sector number always has its room, so the captions never run into it.
        if (i < 4) (*labels[i].second)->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    layout->addLayout(sector);
    layout->addWidget(BuildLegend());
    return area;
}

QWidget* FMapEditor::BuildObjectFrame() {
    auto* frame = new QGroupBox(tr("Object"));
    auto* grid = new QGridLayout(frame);
    cmbType = new QComboBox;
    cmbType->setObjectName("cmbType");
    cmbType->setEditable(true);
    cmbType->setInsertPolicy(QComboBox::NoInsert);
    cmbType->addItems({"System", "Star", "Planet", "Asteroids", "Warp", "Storm"});
    cmbType->setEditText("Nothing");
    grid->addWidget(cmbType, 0, 0, 1, 2);
    AddLabelled(grid, 1, 0, tr("Object ID:"), LblObjectSelected = NamedLabel("LblObjectSelected", "NONE"));
    AddLabelled(grid, 2, 0, tr("System ID:"), LbLSystemSelected = NamedLabel("LbLSystemSelected", "NONE"));
    LblObjectSelected->setMinimumWidth(fontMetrics().horizontalAdvance("NONE 0000"));
    LbLSystemSelected->setMinimumWidth(fontMetrics().horizontalAdvance("NONE 0000"));
    return frame;
}

// One line under the system map, whose planets it explains.
QWidget* FMapEditor::BuildLegend() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Heading(tr("ATMOSPHERE")));
    for (const AtmosphereColour& colour : AtmosphereColours) {
        auto* swatch = new QLabel;
        swatch->setFixedSize(14, 14);
        swatch->setStyleSheet(QString("background: rgb(%1, %2, %3); border: 1px solid black;")
                                  .arg(colour.red).arg(colour.green).arg(colour.blue));
        row->addSpacing(8);
        row->addWidget(swatch);
        row->addWidget(new QLabel(colour.legend));
    }
    row->addStretch();
    return box;
}

QWidget* FMapEditor::BuildButtons() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* cmdNew = CommandButton("cmdNew", tr("New Map"), tr("Create a New Map"));
    connect(cmdNew, &QPushButton::clicked, this, &FMapEditor::NewMapCommand);
    auto* cmdExit = CommandButton("cmdExit", tr("Exit"), tr("Exit Application"));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    auto* CmdLoad = CommandButton("CmdLoad", tr("Load Map"), tr("Load a 'txt' Map"));
    connect(CmdLoad, &QPushButton::clicked, this, &FMapEditor::LoadCommand);
    auto* save = CommandButton("cmdMap1", tr("Save Map"), tr("Save Map in 'txt' format"));
    connect(save, &QPushButton::clicked, this, [this] { MapCommand(1); });
    auto* generate = CommandButton("cmdMap0", tr("Generate Map"), tr("Save & Generate map using Tarsis Map Compiler"));
    connect(generate, &QPushButton::clicked, this, [this] { MapCommand(0); });
    auto* cmdRandom = CommandButton("cmdRandom", tr("Random Map"), tr("Generate Random Map"));
    connect(cmdRandom, &QPushButton::clicked, this, &FMapEditor::RandomMapCommand);
    grid->addWidget(cmdNew, 0, 0);
    grid->addWidget(CmdLoad, 0, 1);
    grid->addWidget(cmdRandom, 0, 2);
    grid->addWidget(save, 1, 0);
    grid->addWidget(generate, 1, 1);
    grid->addWidget(cmdExit, 1, 2);
    return box;
}

QWidget* FMapEditor::BuildFileFields() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QLineEdit**> fields[] = {
        {"TxtMapLoad", &TxtMapLoad}, {"TxtFileName", &TxtFileName}, {"TxtMapSave", &TxtMapSave}};
    const QString captions[] = {tr("Load Map:"), tr("Map File Name:"), tr("ASCII Map File Name:")};
    for (int i = 0; i < 3; ++i) {
        *fields[i].second = new QLineEdit;
        (*fields[i].second)->setObjectName(fields[i].first);
        // They show names; the list chooses what loads and Save names the map.
        (*fields[i].second)->setReadOnly(true);
        // Shown, not edited: Tab passes them by; a click still selects their text.
        (*fields[i].second)->setFocusPolicy(Qt::ClickFocus);
        AddLabelled(grid, i, 0, captions[i], *fields[i].second);
    }
    // The map list beside the fields, to leave the height to the galaxy.
    grid->addWidget(new QLabel(tr("Available Maps:")), 0, 2);
    F = new QListWidget;
    F->setObjectName("F");
    F->setMinimumWidth(120);
    ShowChosenMapIn(*F, *TxtMapLoad);
    grid->addWidget(F, 1, 2, 2, 1);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* FMapEditor::BuildSettingsStrip() {
    auto* frame = new QGroupBox(tr("Settings"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(lblPaths = NamedLabel("lblPaths"), 0, 0, 2, 1);
    grid->addWidget(LblUsingParse = NamedLabel("LblUsingParse"), 0, 1);
    grid->addWidget(lblAllow = NamedLabel("lblAllow"), 1, 1);
    auto* mod = new QHBoxLayout;
    mod->addWidget(new QLabel(tr("Mod Selected")));
    mod->addWidget(lblMod = NamedLabel("lblMod"), 1);
    auto* cmdChange = CommandButton("cmdChange", tr("Change"), tr("Change Paths for data files"));
    connect(cmdChange, &QPushButton::clicked, this, &FMapEditor::ChangeSettings);
    mod->addWidget(cmdChange);
    grid->addLayout(mod, 0, 2);
    grid->addWidget(NamedLabel("lblVersion", tr("Version 0.4.1")), 1, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

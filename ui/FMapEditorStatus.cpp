// The status bar (pointer, map name, counts) and Find: what the window says
// about the map as a whole, and the way to a system by its name.
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStringListModel>

#include "model/SectorField.h"
#include "text/TextHelpers.h"
#include "ui/ElidedLabel.h"
#include "ui/FMapEditor.h"
#include "ui/MapStatus.h"
#include "ui/MapView.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/SystemFinder.h"
#include "ui/SystemRecords.h"
#include "ui/render/GalaxyPainter.h"

namespace {

constexpr int FindMessageMs = 10000;

ElidedLabel* StatusLabel(const char* name) {
    auto* label = new ElidedLabel;
    label->setObjectName(name);
    return label;
}

}  // namespace

void FMapEditor::BuildStatusBar() {
    pointerStatus_ = StatusLabel("pointerStatus");
    mapNameStatus_ = StatusLabel("mapNameStatus");
    // Short and never cut: the counts keep the room they need.
    countsStatus_ = new QLabel;
    countsStatus_->setObjectName("countsStatus");
    countsStatus_->setToolTip(tr("Objects are stars, planets, asteroid fields and storms; warp points are counted apart"));
    // The pointer on the left (a passing message covers it), the map on the right.
    // The name takes the room its text needs (a long one is cut), leaving the
    // rest to the pointer and to passing messages, which are shown there.
    mapNameStatus_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    statusBar()->addWidget(pointerStatus_, 1);
    statusBar()->addPermanentWidget(mapNameStatus_);
    statusBar()->addPermanentWidget(countsStatus_);
}

QWidget* FMapEditor::BuildFindField() {
    findField_ = new QLineEdit;
    findField_->setObjectName("FindSystem");
    findField_->setPlaceholderText(tr("Find system (Ctrl+F)"));
    findField_->setClearButtonEnabled(true);
    systemNames_ = new QStringListModel(this);
    auto* completer = new QCompleter(systemNames_, findField_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    findField_->setCompleter(completer);
    connect(findField_, &QLineEdit::returnPressed, this, [this] { FindSystem(findField_->text()); });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &FMapEditor::FindSystem);
    return findField_;
}

void FMapEditor::RefreshStatusBar() {
    // Warp points and system names change only with what the galaxy shows;
    // walking and sorting the whole map after every edit inside one system
    // would cost more than the edit on a large map.
    if (universe_.GalaxyStamp() != countedStamp_) {
        countedStamp_ = universe_.GalaxyStamp();
        countedWarps_ = CountWarps(universe_);
        const QStringList names = SystemNames(universe_);
        if (names != systemNames_->stringList()) systemNames_->setStringList(names);
    }
    countsStatus_->setText(CountsText(CountMapWithWarps(universe_, countedWarps_)));
    mapNameStatus_->setText(MapNameStatus(shared_.MapName));
}

void FMapEditor::GalaxyMove(double px, double py) {
    if (px < 0 || py < 0 || px >= GalaxyMapWidth || py >= GalaxyMapHeight) return ClearPointerStatus();
    const int X = GalaxyCellOf(px, GalaxyColumns), Y = GalaxyCellOf(py, GalaxyRows);
    const SystemRef system = FindSystemAt(universe_, X, Y);
    ShowPointerStatus(CellStatus(X, Y, system->ID == NoID ? QString() : FromBytes(Trim(system->name))));
}

void FMapEditor::SectorPointerStatus(double px, double py) {
    const PixelSector sector = SectorAtPoint(px, py);
    if (!PicMap->isEnabled() || !IsValidSector(sector.X, sector.Y)) return ClearPointerStatus();
    QStringList contents;
    for (const SpaceObjectRef& object : universe_.SpaceObjectsOf(shownSystem_))
        if (object->coord.X == sector.X && object->coord.y == sector.Y) contents << ObjectDescription(*object);
    ShowPointerStatus(SectorStatus(sector.X, sector.Y, contents.join(", ")));
}

// A passing message (Find's) gives way once the pointer moves over a map.
void FMapEditor::ShowPointerStatus(const QString& text) {
    statusBar()->clearMessage();
    pointerStatus_->setText(text);
}

void FMapEditor::ClearPointerStatus() { pointerStatus_->clear(); }

void FMapEditor::FocusFind() {
    findField_->setFocus(Qt::ShortcutFocusReason);
    findField_->selectAll();
}

void FMapEditor::FindSystem(const QString& typed) {
    const FoundSystem found = FindSystemNamed(universe_, typed);
    if (!found.system) {
        statusBar()->showMessage(found.message, FindMessageMs);
        return;
    }
    ShowSystem(found.system);
    statusBar()->showMessage(tr("Found %1").arg(FromBytes(Trim(found.system->name))), FindMessageMs);
}

void FMapEditor::ShowSystem(const SystemRef& system) {
    const auto centre = [](int cell) { return cell * GalaxyCellSize + GalaxyCellSize / 2.0; };
    GalaxyPress(0, centre(system->X), centre(system->y));
    // A zoomed galaxy scrolls to it; a fitted one shows it already.
    PicUniverseMap->ShowPicturePoint(QPointF(centre(system->X), centre(system->y)));
}

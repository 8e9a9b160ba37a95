// The window's side of the two map views: zoom, the galaxy marker, tooltips,
// and the window's size and layout on screen.
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSplitter>

#include "text/TextHelpers.h"
#include "model/SectorField.h"
#include "ui/FMapEditor.h"
#include "ui/MapStatus.h"
#include "ui/MapView.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/editing/ObjectPlacement.h"

namespace {

// Raised when the panels change so much that an old layout no longer fits.
constexpr int PanelStateVersion = 1;

}  // namespace

void FMapEditor::ZoomIn() { activeView_->ZoomIn(); }
void FMapEditor::ZoomOut() { activeView_->ZoomOut(); }
void FMapEditor::ZoomToFit() { activeView_->Fit(); }

void FMapEditor::PaintGalaxyMarker(QPainter& painter, double scale) const {
    painter.setPen(QColor(255, 64, 64));
    painter.setBrush(Qt::NoBrush);
    const double side = GalaxyCellSize + 1;
    painter.drawRect(QRectF(GalaxyCellSize * markerCell_.x() * scale + 0.5, GalaxyCellSize * markerCell_.y() * scale + 0.5,
                            side * scale - 1, side * scale - 1));
}

// Name, cell and kind of the system under the pointer.
QString FMapEditor::GalaxyTip(QPointF point) const {
    const double scale = PicUniverseMap->Scale();
    const GalaxySystemMark* system = galaxyPainter_.SystemNear(point * scale, scale);
    if (!system) return {};
    return QString("%1\nCell %2, %3\n%4").arg(system->name).arg(system->X).arg(system->Y).arg(system->kindText);
}

// The sector under the pointer and what lies in it.
QString FMapEditor::SystemMapTip(QPointF point) const {
    if (!PicMap->isEnabled()) return {};
    const PixelSector sector = SectorAtPoint(point.x(), point.y());
    if (!IsValidSector(sector.X, sector.Y)) return {};
    QString text = QString("Sector %1, %2").arg(sector.X).arg(sector.Y);
    for (const SpaceObjectRef& object : universe_.SpaceObjectsOf(shownSystem_))
        if (object->coord.X == sector.X && object->coord.y == sector.Y) text += "\n" + ObjectDescription(*object);
    return text;
}

// The first size: the whole available screen on a small one (leaving room
// for the title bar), most of it on a large one.
void FMapEditor::FitOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) FitToScreen(screen->availableGeometry());
}

void FMapEditor::FitToScreen(const QRect& available) {
    QSize size = available.size() - QSize(0, 28);
    if (available.width() > 1600) size = QSize(available.width() * 85 / 100, available.height() * 85 / 100);
    resize(size);
    // Two fifths of the width to the galaxy side, the rest to the system map.
    splitter_->setSizes({size.width() * 2 / 5, size.width() * 3 / 5});
    move(available.topLeft() + QPoint((available.width() - size.width()) / 2, 0));
}

void FMapEditor::RestoreLayout(QSettings& settings) {
    if (settings.contains("window/geometry")) restoreGeometry(settings.value("window/geometry").toByteArray());
    if (settings.contains("window/splitter")) splitter_->restoreState(settings.value("window/splitter").toByteArray());
    // The panels: where they are docked (or float), their sizes and whether
    // they are open.
    if (settings.contains("window/panels"))
        restoreState(settings.value("window/panels").toByteArray(), PanelStateVersion);
    // A window saved on a larger screen is brought back onto this one.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (!available.contains(frameGeometry())) FitOnScreen();
    }
}

void FMapEditor::SaveLayout(QSettings& settings) const {
    settings.setValue("window/geometry", saveGeometry());
    settings.setValue("window/splitter", splitter_->saveState());
    settings.setValue("window/panels", saveState(PanelStateVersion));
}

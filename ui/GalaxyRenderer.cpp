#include "ui/GalaxyRenderer.h"

#include <QPainter>

#include "catalog/TextHelpers.h"
#include "model/CUniverse.h"
#include "model/Reporter.h"
#include "ui/MessageBoxPrompts.h"

namespace {

QPoint CellCentre(const CSystem& system) {
    return {GalaxyCellSize * system.X + 2, GalaxyCellSize * system.y + 2};
}

void DrawWarpLines(QPainter& painter, const CUniverse& universe, const CSystem& system, Reporter& reporter) {
    for (const SpaceObjectRef& object : universe.SpaceObjectsOf(system.ID)) {
        if (object->Tipo != KindWarpPoint) continue;
        const std::int32_t destinationId = object->destSystem ? object->destSystem->ID : NoID;
        const SystemRef destination = universe.GetOneSystem(destinationId);
        if (destination->ID == NoID) {
            const std::string destinationName = object->destSystem ? object->destSystem->name : std::string();
            reporter.Information("A Warp in the system " + Trim(system.name) + " points to a non existent System (" +
                                 Trim(destinationName) + ")");
            continue;
        }
        painter.setPen(WarpLineColour());
        painter.drawLine(CellCentre(system), CellCentre(*destination));
    }
}

void DrawDisc(QPainter& painter, const CSystem& system) {
    painter.setPen(QColor(255, 255, 0));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(CellCentre(system), 2, 2);
    painter.setBrush(Qt::NoBrush);
}

void DrawName(QPainter& painter, const CSystem& system) {
    painter.setPen(Qt::white);
    painter.drawText(QRect(GalaxyCellSize * system.X + 4, GalaxyCellSize * system.y - 2, 200, 20),
                     Qt::AlignLeft | Qt::AlignTop, FromBytes(system.name));
}

}  // namespace

QColor WarpLineColour() { return QColor(191, 205, 219); }

QImage RenderGalaxy(const CUniverse& universe, bool hideLabels, Reporter& reporter) {
    QImage image(GalaxyMapWidth, GalaxyMapHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(8);
    painter.setFont(font);
    for (const SystemRef& system : universe.Systems()) {
        DrawWarpLines(painter, universe, *system, reporter);
        DrawDisc(painter, *system);
        if (!hideLabels) DrawName(painter, *system);
    }
    return image;
}

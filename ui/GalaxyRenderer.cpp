#include "ui/GalaxyRenderer.h"

#include <QPainter>

#include <unordered_map>
#include <vector>

#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "text/Reporter.h"
#include "ui/MessageBoxPrompts.h"

namespace {

QPoint CellCentre(const CSystem& system) {
    return {GalaxyCellSize * system.X + 2, GalaxyCellSize * system.y + 2};
}

// The warps of every system and the systems by ID, gathered in one pass:
// the galaxy is redrawn after every generated system, and walking the whole
// object list once per system made that quadratic.
struct WarpIndex {
    explicit WarpIndex(const CUniverse& universe) {
        for (const SystemRef& system : universe.Systems()) systemsById.emplace(system->ID, system.get());
        for (const SpaceObjectRef& object : universe.Objects())
            if (object->Tipo == KindWarpPoint && object->systema)
                warpsBySystem[object->systema->ID].push_back(object.get());
    }
    // The first system with that ID, as the universe's own lookup answers.
    const CSystem* System(std::int32_t id) const {
        const auto found = systemsById.find(id);
        return found == systemsById.end() ? nullptr : found->second;
    }

    std::unordered_map<std::int32_t, const CSystem*> systemsById;
    std::unordered_map<std::int32_t, std::vector<const CSpaceObject*>> warpsBySystem;
};

void DrawWarpLines(QPainter& painter, const WarpIndex& index, const CSystem& system, Reporter& reporter) {
    const auto warps = index.warpsBySystem.find(system.ID);
    if (warps == index.warpsBySystem.end()) return;
    for (const CSpaceObject* warp : warps->second) {
        const CSystem* destination = warp->destSystem ? index.System(warp->destSystem->ID) : nullptr;
        if (!destination) {
            const std::string destinationName = warp->destSystem ? warp->destSystem->name : std::string();
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
    const WarpIndex warps(universe);
    for (const SystemRef& system : universe.Systems()) {
        DrawWarpLines(painter, warps, *system, reporter);
        DrawDisc(painter, *system);
        if (!hideLabels) DrawName(painter, *system);
    }
    return image;
}

#include "ui/MapStatus.h"

#include <algorithm>
#include <cmath>

#include "model/CUniverse.h"
#include "text/TextHelpers.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/editing/ObjectPlacement.h"
#include "ui/render/GalaxyPainter.h"

namespace {

QString Counted(std::int32_t count, const char* one, const char* many) {
    return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
}

}  // namespace

std::int32_t CountWarps(const CUniverse& universe) {
    const auto& objects = universe.Objects();
    return static_cast<std::int32_t>(std::count_if(objects.begin(), objects.end(), [](const SpaceObjectRef& object) {
        return object->Tipo == KindWarpPoint;
    }));
}

MapCounts CountMapWithWarps(const CUniverse& universe, std::int32_t warps) {
    MapCounts counts;
    counts.systems = universe.NSistemas();
    counts.warps = warps;
    counts.objects = static_cast<std::int32_t>(universe.Objects().size()) - warps;
    return counts;
}

QString CountsText(const MapCounts& counts) {
    return Counted(counts.systems, "system", "systems") + ", " + Counted(counts.objects, "object", "objects") + ", " +
           Counted(counts.warps, "warp point", "warp points");
}

QString MapNameStatus(const std::string& mapName) {
    // Map names are file names, in the file system's own encoding.
    return "Map: " + (mapName.empty() ? QStringLiteral("untitled") : QString::fromStdString(mapName));
}

QString CellStatus(int X, int Y, const QString& systemName) {
    const QString cell = QString("Cell %1, %2").arg(X).arg(Y);
    return systemName.isEmpty() ? cell : cell + ": " + systemName;
}

QString SectorStatus(std::int32_t X, std::int32_t Y, const QString& contents) {
    const QString sector = QString("Sector %1, %2").arg(X).arg(Y);
    return contents.isEmpty() ? sector : sector + ": " + contents;
}

QString ObjectDescription(const CSpaceObject& object) {
    const std::string kind = KindWord(object.Tipo);
    QString text = FromBytes(kind.empty() ? std::string("Object") : kind);
    if (!Trim(object.name).empty()) text += " " + FromBytes(Trim(object.name));
    if (object.Tipo == KindWarpPoint)
        text += " to " + FromBytes(object.destSystem ? Trim(object.destSystem->name) : std::string());
    return text;
}

int GalaxyCellOf(double pixel, int cells) {
    const int cell = static_cast<int>(std::lround(pixel)) / GalaxyCellSize;
    return std::clamp(cell, 0, cells - 1);
}

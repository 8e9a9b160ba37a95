#include "ui/render/GalaxyPainter.h"

#include <QPainter>
#include <cmath>
#include <unordered_map>
#include <utility>

#include "ui/render/BlankCanvas.h"
#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "text/Reporter.h"

namespace {

QPoint CellCentre(int X, int Y) { return {GalaxyCellSize * X + 2, GalaxyCellSize * Y + 2}; }

QString Text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

QSize GalaxyPainter::SizeAt(double scale) {
    return {static_cast<int>(std::lround(GalaxyMapWidth * scale)), static_cast<int>(std::lround(GalaxyMapHeight * scale))};
}

void GalaxyPainter::SetUniverse(const CUniverse& universe, Reporter* reporter) {
    if (&universe == gatheredFrom_ && universe.GalaxyStamp() == gatheredStamp_) {
        // Nothing the galaxy shows has changed; broken warps are still told.
        if (reporter)
            for (const std::string& message : brokenWarps_) reporter->Information(message);
        return;
    }
    Gather(universe);
    gatheredFrom_ = &universe;
    gatheredStamp_ = universe.GalaxyStamp();
    if (reporter)
        for (const std::string& message : brokenWarps_) reporter->Information(message);
}

void GalaxyPainter::Gather(const CUniverse& universe) {
    std::unordered_map<std::int32_t, std::size_t> indexOf;
    systems_.clear();
    for (const SystemRef& system : universe.Systems()) {
        indexOf.emplace(system->ID, systems_.size());
        systems_.push_back({system->ID, system->X, system->y, Text(Trim(system->name)),
                            Text(PhysicalTypeText(system->PhysicalType)), {}});
    }
    // Per system (by index), its warps in the order of the object list.
    std::vector<std::vector<const CSpaceObject*>> warps(systems_.size());
    for (const SpaceObjectRef& object : universe.Objects()) {
        if (object->Tipo != KindWarpPoint || !object->systema) continue;
        const auto owner = indexOf.find(object->systema->ID);
        if (owner != indexOf.end()) warps[owner->second].push_back(object.get());
    }
    // A renamed or retyped system leaves lines and discs as they were, and the
    // layer drawn from them need not be drawn again.
    const std::vector<QLine> oldLines = std::exchange(lines_, {});
    const std::vector<QPoint> oldCentres = std::exchange(centres_, {});
    brokenWarps_.clear();
    for (std::size_t i = 0; i < systems_.size(); ++i) {
        AddWarpLines(i, warps[i], indexOf);
        centres_.push_back(CellCentre(systems_[i].X, systems_[i].Y));
    }
    labels_.Reset(systems_.size());
    if (lines_ != oldLines || centres_ != oldCentres) layer_.Invalidate();
}

void GalaxyPainter::AddWarpLines(std::size_t index, const std::vector<const CSpaceObject*>& warps,
                                 const std::unordered_map<std::int32_t, std::size_t>& indexOf) {
    GalaxySystemMark& mark = systems_[index];
    for (const CSpaceObject* warp : warps) {
        const auto found = warp->destSystem ? indexOf.find(warp->destSystem->ID) : indexOf.end();
        if (found == indexOf.end()) {
            const std::string destination = warp->destSystem ? warp->destSystem->name : std::string();
            brokenWarps_.push_back("A Warp in the system " + Trim(warp->systema->name) +
                                   " points to a non existent System (" + Trim(destination) + ")");
            continue;
        }
        const GalaxySystemMark& destination = systems_[found->second];
        lines_.emplace_back(CellCentre(mark.X, mark.Y), CellCentre(destination.X, destination.Y));
        mark.neighbours.push_back(destination.id);
    }
}

const std::vector<PlacedLabel>& GalaxyPainter::Labels(double scale, const GalaxyPaintOptions& options) const {
    return labels_.Layout(systems_, scale, options.selectedSystem, QSizeF(SizeAt(scale)));
}

void GalaxyPainter::Paint(QPainter& painter, double scale, const GalaxyPaintOptions& options) const {
    painter.save();
    const QTransform& transform = painter.worldTransform();
    const bool movedOnly = transform.type() <= QTransform::TxTranslate && transform.dx() == std::floor(transform.dx()) &&
                           transform.dy() == std::floor(transform.dy());
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QImage* layer = movedOnly ? layer_.At(lines_, centres_, scale, SizeAt(scale), pixelRatio) : nullptr;
    if (layer)
        painter.drawImage(QPointF(0, 0), *layer);
    else
        PaintLinesAndDiscs(painter, lines_, centres_, scale);
    if (!options.hideLabels) {
        painter.setFont(GalaxyLabels::Font(scale));
        painter.setPen(Qt::white);
        for (const PlacedLabel& label : Labels(scale, options))
            painter.drawStaticText(label.rect.topLeft(), labels_.Text(systems_, label.system, scale));
    }
    painter.restore();
}

QImage GalaxyPainter::Render(double scale, const GalaxyPaintOptions& options, double pixelRatio) const {
    QImage image = BlankCanvas(SizeAt(scale), pixelRatio);
    QPainter painter(&image);
    Paint(painter, scale, options);
    return image;
}

const GalaxySystemMark* GalaxyPainter::SystemNear(QPointF point, double scale) const {
    const GalaxySystemMark* nearest = nullptr;
    double best = std::max(4.0, 3 * scale);
    for (const GalaxySystemMark& system : systems_) {
        const QPointF centre = QPointF(CellCentre(system.X, system.Y)) * scale;
        const double distance = std::hypot(centre.x() - point.x(), centre.y() - point.y());
        if (distance <= best) {
            best = distance;
            nearest = &system;
        }
    }
    return nearest;
}

#include "ui/render/GalaxyPainter.h"

#include <QPainter>
#include <cmath>
#include <unordered_map>

#include "ui/render/BlankCanvas.h"
#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "text/Reporter.h"

namespace {

QPoint CellCentre(int X, int Y) { return {GalaxyCellSize * X + 2, GalaxyCellSize * Y + 2}; }

QString Text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// The disc of a system, drawn once per scale and stamped at every system:
// the same pixels as drawing each ellipse, at a fraction of the cost.
QImage DiscStamp(double scale, double pixelRatio) {
    const double radius = 2 * std::min(scale, 2.0);
    const int half = static_cast<int>(std::ceil((radius + 1) * pixelRatio));
    QImage stamp(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.translate(half, half);
    painter.scale(pixelRatio, pixelRatio);
    painter.setPen(QColor(255, 255, 0));
    painter.setBrush(QColor(255, 255, 0));
    if (scale != 1.0) painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.end();
    stamp.setDevicePixelRatio(pixelRatio);
    return stamp;
}

}  // namespace

QColor WarpLineColour() { return QColor(191, 205, 219); }

QSize GalaxyPainter::SizeAt(double scale) {
    return {static_cast<int>(std::lround(GalaxyMapWidth * scale)), static_cast<int>(std::lround(GalaxyMapHeight * scale))};
}

void GalaxyPainter::SetUniverse(const CUniverse& universe, Reporter* reporter) {
    std::unordered_map<std::int32_t, const CSystem*> byId;
    for (const SystemRef& system : universe.Systems()) byId.emplace(system->ID, system.get());
    std::unordered_map<std::int32_t, std::vector<const CSpaceObject*>> warps;
    for (const SpaceObjectRef& object : universe.Objects())
        if (object->Tipo == KindWarpPoint && object->systema) warps[object->systema->ID].push_back(object.get());
    systems_.clear();
    lines_.clear();
    for (const SystemRef& system : universe.Systems()) {
        GalaxySystemMark mark{system->ID, system->X, system->y, Text(Trim(system->name)),
                              Text(PhysicalTypeText(system->PhysicalType)), {}};
        std::vector<QLine> lines;
        for (const CSpaceObject* warp : warps[system->ID]) {
            const auto found = warp->destSystem ? byId.find(warp->destSystem->ID) : byId.end();
            if (found == byId.end()) {
                const std::string destination = warp->destSystem ? warp->destSystem->name : std::string();
                if (reporter)
                    reporter->Information("A Warp in the system " + Trim(system->name) +
                                          " points to a non existent System (" + Trim(destination) + ")");
                continue;
            }
            lines.emplace_back(CellCentre(system->X, system->y), CellCentre(found->second->X, found->second->y));
            mark.neighbours.push_back(found->second->ID);
        }
        systems_.push_back(std::move(mark));
        lines_.push_back(std::move(lines));
    }
    labels_.Reset(systems_.size());
}

const std::vector<PlacedLabel>& GalaxyPainter::Labels(double scale, const GalaxyPaintOptions& options) const {
    return labels_.Layout(systems_, scale, options.selectedSystem, QSizeF(SizeAt(scale)));
}

void GalaxyPainter::PaintSystem(QPainter& painter, std::size_t index, double scale, const QImage& disc) const {
    const std::vector<QLine>& lines = lines_[index];
    if (!lines.empty()) {
        if (scale == 1.0) {
            painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        } else {
            std::vector<QLineF> scaled;
            scaled.reserve(lines.size());
            for (const QLine& line : lines) scaled.emplace_back(QPointF(line.p1()) * scale, QPointF(line.p2()) * scale);
            painter.drawLines(scaled.data(), static_cast<int>(scaled.size()));
        }
    }
    const GalaxySystemMark& system = systems_[index];
    const QPointF centre = QPointF(CellCentre(system.X, system.Y)) * scale;
    const QSizeF half = disc.deviceIndependentSize() / 2;
    painter.drawImage(QPointF(centre.x() - std::floor(half.width()), centre.y() - std::floor(half.height())), disc);
}

void GalaxyPainter::Paint(QPainter& painter, double scale, const GalaxyPaintOptions& options) const {
    painter.save();
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QImage disc = DiscStamp(scale, pixelRatio);
    QPen linePen(WarpLineColour());
    if (scale != 1.0) {
        linePen.setWidthF(std::min(scale, 2.0));
        painter.setRenderHint(QPainter::Antialiasing);
    }
    painter.setPen(linePen);
    // Each system's warp lines, then its disc: the order the map always had,
    // so later lines cross earlier discs exactly as before.
    for (std::size_t i = 0; i < systems_.size(); ++i) PaintSystem(painter, i, scale, disc);
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

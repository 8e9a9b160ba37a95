#include "ui/render/GalaxyLabels.h"

#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "ui/render/GalaxyPainter.h"

namespace {

// Placed rectangles in buckets of a coarse grid, so a test looks only at the
// labels nearby.
class RectGrid {
public:
    bool Overlaps(const QRectF& rect) const {
        for (int gy = Cell(rect.top()); gy <= Cell(rect.bottom()); ++gy)
            for (int gx = Cell(rect.left()); gx <= Cell(rect.right()); ++gx) {
                const auto found = buckets_.find(Key(gx, gy));
                if (found == buckets_.end()) continue;
                for (const QRectF& other : found.value())
                    if (other.intersects(rect)) return true;
            }
        return false;
    }
    void Add(const QRectF& rect) {
        for (int gy = Cell(rect.top()); gy <= Cell(rect.bottom()); ++gy)
            for (int gx = Cell(rect.left()); gx <= Cell(rect.right()); ++gx) buckets_[Key(gx, gy)].push_back(rect);
    }

private:
    static int Cell(double v) { return static_cast<int>(std::floor(v / 32.0)); }
    static qint64 Key(int gx, int gy) { return (static_cast<qint64>(gx) << 32) ^ static_cast<quint32>(gy); }
    QHash<qint64, std::vector<QRectF>> buckets_;
};

// The selected system, its warp neighbours, then by number of warps, then in
// map order.
std::vector<std::size_t> ByImportance(const std::vector<GalaxySystemMark>& systems, std::int32_t selected) {
    std::unordered_set<std::int32_t> near;
    for (const GalaxySystemMark& system : systems)
        if (system.id == selected) near.insert(system.neighbours.begin(), system.neighbours.end());
    auto rank = [&](const GalaxySystemMark& s) { return s.id == selected ? 0 : near.count(s.id) ? 1 : 2; };
    std::vector<std::size_t> order(systems.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ra = rank(systems[a]), rb = rank(systems[b]);
        if (ra != rb) return ra < rb;
        return systems[a].neighbours.size() > systems[b].neighbours.size();
    });
    return order;
}

// Whether even the narrowest name would find every place beside the disc
// taken: each place of a real name covers the sliver tested here, so the name
// need not be laid out to know it has no room.
bool NoRoomAtAll(const RectGrid& taken, const QRectF& area, QPointF centre, double radius, double lift,
                 double lineHeight) {
    constexpr double Sliver = 1;
    const QRectF slivers[] = {{centre.x() + radius, centre.y() - lift, Sliver, lineHeight},
                              {centre.x() - radius - Sliver, centre.y() - lift, Sliver, lineHeight},
                              {centre.x() - Sliver / 2, centre.y() - radius - lineHeight, Sliver, lineHeight},
                              {centre.x() - Sliver / 2, centre.y() + radius, Sliver, lineHeight}};
    for (const QRectF& sliver : slivers)
        if (area.contains(sliver) && !taken.Overlaps(sliver)) return false;
    return true;
}

}  // namespace

double GalaxyLabels::FontScale(double scale) { return std::clamp(scale, 1.0, 1.5); }

QFont GalaxyLabels::Font(double scale) {
    QFont font;
    font.setPixelSize(static_cast<int>(std::lround(8 * FontScale(scale))));
    return font;
}

void GalaxyLabels::Reset(std::size_t) {
    // Texts are matched to the new list on the next layout; laid-out names stay.
    texts_.clear();
    placedScale_ = -1;
}

// Texts are matched to the list of systems here, but laid out only when
// first needed: on a crowded map most names never find a place.
void GalaxyLabels::PrepareTexts(const std::vector<GalaxySystemMark>& systems, double scale) {
    const double fontScale = FontScale(scale);
    if (textScale_ == fontScale && texts_.size() == systems.size()) return;
    // Names of maps long gone are let go.
    if (textScale_ != fontScale || byName_.size() > 4 * systems.size() + 1000) byName_.clear();
    texts_.assign(systems.size(), nullptr);
    textScale_ = fontScale;
}

const QStaticText& GalaxyLabels::Text(const std::vector<GalaxySystemMark>& systems, std::size_t index, double scale) {
    PrepareTexts(systems, scale);
    const QStaticText*& text = texts_.at(index);
    if (text) return *text;
    const QString& name = systems[index].name;
    auto found = byName_.find(name);
    if (found == byName_.end()) {
        QStaticText laidOut(name);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), Font(scale));
        found = byName_.emplace(name, laidOut).first;
    }
    text = &found->second;
    return *text;
}

const std::vector<PlacedLabel>& GalaxyLabels::Layout(const std::vector<GalaxySystemMark>& systems, double scale,
                                                     std::int32_t selected, QSizeF bounds) {
    if (placedScale_ == scale && placedSelection_ == selected && placedBounds_ == bounds) return placed_;
    PrepareTexts(systems, scale);
    placed_.clear();
    RectGrid taken;
    const QRectF area(QPointF(0, 0), bounds);
    const double radius = 2 * std::min(scale, 2.0), lift = 4 * FontScale(scale);
    const double lineHeight = QFontMetricsF(Font(scale)).height();
    for (const std::size_t index : ByImportance(systems, selected)) {
        const GalaxySystemMark& system = systems[index];
        if (system.name.isEmpty()) continue;
        const QPointF centre((GalaxyCellSize * system.X + 2) * scale, (GalaxyCellSize * system.Y + 2) * scale);
        if (NoRoomAtAll(taken, area, centre, radius, lift, lineHeight)) continue;
        const QSizeF size = Text(systems, index, scale).size();
        // Right of the disc (where names always stood), left of it, above, below.
        const QPointF corners[] = {{centre.x() + radius, centre.y() - lift},
                                   {centre.x() - radius - size.width(), centre.y() - lift},
                                   {centre.x() - size.width() / 2, centre.y() - radius - size.height()},
                                   {centre.x() - size.width() / 2, centre.y() + radius}};
        for (const QPointF& corner : corners) {
            const QRectF rect(corner, size);
            if (!area.contains(rect) || taken.Overlaps(rect)) continue;
            taken.Add(rect);
            placed_.push_back({index, rect});
            break;
        }
    }
    placedScale_ = scale;
    placedSelection_ = selected;
    placedBounds_ = bounds;
    return placed_;
}

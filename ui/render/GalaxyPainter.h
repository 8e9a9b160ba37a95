#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/render/GalaxyLabels.h"
#include "ui/render/GalaxyLayer.h"

class CSpaceObject;
class CUniverse;
class QPainter;
class Reporter;

constexpr int GalaxyCellSize = 4;
constexpr int GalaxyMapWidth = 272;   // 68 columns
constexpr int GalaxyMapHeight = 200;  // 50 rows

// One system as the galaxy map shows it.
struct GalaxySystemMark {
    std::int32_t id = 0;
    int X = 0, Y = 0;
    QString name;      // trimmed
    QString kindText;  // "Normal", "Black Hole", "Nebulae"
    std::vector<std::int32_t> neighbours;  // IDs of the systems its warps lead to
};

struct GalaxyPaintOptions {
    bool hideLabels = false;
    std::int32_t selectedSystem = -999;
};

// Draws the galaxy (warp lines, system discs, names) onto any painter at any
// scale; scale 1 is the 272 x 200 picture with 4-pixel cells. What to draw is
// gathered once per change of the map (SetUniverse), so a repaint after a
// resize or a zoom neither walks the map nor reports anything again.
class GalaxyPainter {
public:
    // Gathers systems and warp lines. A warp whose destination is no longer
    // in the universe is reported through the reporter (once per warp, when
    // given) and not drawn.
    void SetUniverse(const CUniverse& universe, Reporter* reporter);

    void Paint(QPainter& painter, double scale, const GalaxyPaintOptions& options) const;
    // A black picture of the galaxy at the scale, for a device pixel ratio.
    QImage Render(double scale, const GalaxyPaintOptions& options, double pixelRatio = 1.0) const;
    static QSize SizeAt(double scale);

    const std::vector<GalaxySystemMark>& Systems() const { return systems_; }
    // The system whose disc is nearest to a point of the scaled picture,
    // within a few pixels; null when none is that close.
    const GalaxySystemMark* SystemNear(QPointF point, double scale) const;
    // The names shown at that scale, placed so that none overlaps another.
    const std::vector<PlacedLabel>& Labels(double scale, const GalaxyPaintOptions& options) const;

private:
    void Gather(const CUniverse& universe);
    void AddWarpLines(std::size_t index, const std::vector<const CSpaceObject*>& warps,
                      const std::unordered_map<std::int32_t, std::size_t>& indexOf);

    std::vector<GalaxySystemMark> systems_;
    // The lines of all warps between scale-1 cell centres, and the centres.
    std::vector<QLine> lines_;
    std::vector<QPoint> centres_;
    mutable GalaxyLayer layer_;
    mutable GalaxyLabels labels_;
    // What was gathered, from which universe at which stamp: gathering again
    // is skipped while neither has changed.
    std::vector<std::string> brokenWarps_;
    const CUniverse* gatheredFrom_ = nullptr;
    std::uint64_t gatheredStamp_ = 0;
};

#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/render/GalaxyLabels.h"

class CUniverse;
class QPainter;
class Reporter;

constexpr int GalaxyCellSize = 4;
constexpr int GalaxyMapWidth = 272;   // 68 columns
constexpr int GalaxyMapHeight = 200;  // 50 rows

// The colour of warp lines: the grey of an inactive window border.
QColor WarpLineColour();

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
    void PaintSystem(QPainter& painter, std::size_t index, double scale, const QImage& disc) const;

    std::vector<GalaxySystemMark> systems_;
    // Per system, the lines of its warps between scale-1 cell centres.
    std::vector<std::vector<QLine>> lines_;
    mutable GalaxyLabels labels_;
};

#pragma once

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

// The colour of warp lines: the grey of an inactive window border.
QColor WarpLineColour();

// The galaxy's warp lines, then its system discs over them (a line never
// strikes through a system it merely passes), drawn with a painter at a
// scale. Lines join and discs sit on scale-1 cell centres.
void PaintLinesAndDiscs(QPainter& painter, const std::vector<QLine>& lines, const std::vector<QPoint>& centres,
                        double scale);

// Lines and discs change only with the map, not with the selection or the
// names shown: kept as one transparent picture per scale, a repaint lays them
// down in one go. Unscaled, the picture is written pixel by pixel, with the
// same pixels a painter would set.
class GalaxyLayer {
public:
    void Invalidate();
    // The layer for that scale and device pixel ratio; null when it would be
    // too large to keep (draw directly then).
    const QImage* At(const std::vector<QLine>& lines, const std::vector<QPoint>& centres, double scale,
                     QSize logicalSize, double pixelRatio);

private:
    QImage image_;
    double scale_ = -1, pixelRatio_ = -1;
};

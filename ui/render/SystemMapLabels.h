#pragma once

#include <QPoint>
#include <QRectF>
#include <QStaticText>
#include <QStringList>
#include <vector>

#include "ui/render/LabelTextCache.h"

class QPainter;

// A label of the system map as it is printed: its lines (cut with an
// ellipsis when too long) and the rectangle they take, in picture pixels.
struct SectorLabel {
    QStringList lines;
    std::vector<QStaticText> laidOut;  // the lines as printed
    QRectF rect;
};

// Places the labels of the system map's objects. A label stands where it
// always stood, right of its hexagon, unless it would leave the field or
// cover the picture of another object or an earlier label; then it takes the
// first free place of: left of the hexagon, half a row lower on either side,
// below or above it. With no free place it takes the one that covers least.
class SystemMapLabels {
public:
    // texts: the lines measured and laid out in the labels' font (in use);
    // pictures: the object pictures on the field, which labels must leave visible.
    SystemMapLabels(LabelTextCache& texts, QSizeF field, std::vector<QRectF> pictures);

    // The label of the object in the hexagon whose top-left corner is given;
    // it becomes an obstacle to the labels placed after it.
    SectorLabel Place(QPoint hexagonCorner, const QStringList& lines);
    static void Draw(QPainter& painter, const SectorLabel& label);

    // Lines are this far apart, as the kind word and the warp destination are.
    static constexpr double LineSpacing = 12;
    // A longer line is cut: the whole text is in the map's tooltip.
    static constexpr double MaxLineWidth = 220;

private:
    std::vector<QRectF> Candidates(QPoint corner, QSizeF size) const;
    double Covered(const QRectF& rect) const;
    QRectF InsideField(QRectF rect) const;

    LabelTextCache& texts_;
    QRectF field_;
    std::vector<QRectF> pictures_;
    std::vector<QRectF> labels_;
};

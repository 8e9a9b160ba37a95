#include "ui/render/SystemMapLabels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int HexSize = 32;

double OverlapArea(const QRectF& a, const QRectF& b) {
    const QRectF common = a.intersected(b);
    return common.isEmpty() ? 0.0 : common.width() * common.height();
}

}  // namespace

SystemMapLabels::SystemMapLabels(LabelTextCache& texts, QSizeF field, std::vector<QRectF> pictures)
    : texts_(texts), field_(QPointF(0, 0), field), pictures_(std::move(pictures)) {}

std::vector<QRectF> SystemMapLabels::Candidates(QPoint corner, QSizeF size) const {
    const double x = corner.x(), y = corner.y(), w = size.width(), h = size.height();
    // Whole pixels, as the labels always stood.
    const double centred = std::floor(x + HexSize / 2.0 - w / 2.0);
    return {QRectF(x + HexSize, y, w, h),          QRectF(x - w, y, w, h),
            QRectF(x + HexSize, y + HexSize / 2.0, w, h), QRectF(x - w, y + HexSize / 2.0, w, h),
            QRectF(centred, y + HexSize, w, h),    QRectF(centred, y - h, w, h)};
}

// How much of the other pictures and labels a rectangle hides; pictures
// count far more than text.
double SystemMapLabels::Covered(const QRectF& rect) const {
    double covered = 0;
    for (const QRectF& picture : pictures_) covered += 16 * OverlapArea(rect, picture);
    for (const QRectF& label : labels_) covered += OverlapArea(rect, label);
    return covered;
}

QRectF SystemMapLabels::InsideField(QRectF rect) const {
    rect.moveLeft(std::clamp(rect.left(), field_.left(), std::max(field_.left(), field_.right() - rect.width())));
    rect.moveTop(std::clamp(rect.top(), field_.top(), std::max(field_.top(), field_.bottom() - rect.height())));
    return rect;
}

SectorLabel SystemMapLabels::Place(QPoint hexagonCorner, const QStringList& lines) {
    SectorLabel label;
    double width = 0;
    for (const QString& line : lines) {
        const LabelTextCache::Line& text = texts_.Get(line);
        label.lines << text.text;
        label.laidOut.push_back(text.laidOut);
        width = std::max(width, text.width);
    }
    const QSizeF size(std::ceil(width), LineSpacing * (lines.size() - 1) + std::ceil(texts_.Metrics().height()));
    double best = std::numeric_limits<double>::max();
    for (const QRectF& candidate : Candidates(hexagonCorner, size)) {
        const bool inside = field_.contains(candidate);
        const QRectF rect = inside ? candidate : InsideField(candidate);
        const double covered = Covered(rect);
        if (inside && covered == 0) {
            label.rect = rect;
            break;
        }
        // Kept fields count a little, so that a free place beats a moved one.
        const double cost = covered + (inside ? 0 : 1);
        if (cost < best) {
            best = cost;
            label.rect = rect;
        }
    }
    labels_.push_back(label.rect);
    return label;
}

void SystemMapLabels::Draw(QPainter& painter, const SectorLabel& label) {
    const QPoint at = label.rect.topLeft().toPoint();
    for (std::size_t i = 0; i < label.laidOut.size(); ++i)
        painter.drawStaticText(QPoint(at.x(), at.y() + static_cast<int>(LineSpacing * static_cast<double>(i))),
                               label.laidOut[i]);
}

#include "ui/render/GalaxyLayer.h"

#include <QPainter>
#include <cmath>

#include "ui/render/AliasedLines.h"
#include "ui/render/BlankCanvas.h"

namespace {

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

void PaintLines(QPainter& painter, const std::vector<QLine>& lines, double scale) {
    if (lines.empty()) return;
    QPen pen(WarpLineColour());
    if (scale != 1.0) {
        pen.setWidthF(std::min(scale, 2.0));
        painter.setRenderHint(QPainter::Antialiasing);
    }
    painter.setPen(pen);
    if (scale == 1.0) return painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    std::vector<QLineF> scaled;
    scaled.reserve(lines.size());
    for (const QLine& line : lines) scaled.emplace_back(QPointF(line.p1()) * scale, QPointF(line.p2()) * scale);
    painter.drawLines(scaled.data(), static_cast<int>(scaled.size()));
}

// Unscaled at one pixel per pixel, when the disc has no half-covered pixel.
bool WriteUnscaled(QImage& layer, const std::vector<QLine>& lines, const std::vector<QPoint>& centres,
                   const QImage& disc) {
    const HardStamp stamp(disc);
    if (!stamp.IsUsable()) return false;
    const QRgb lineColour = WarpLineColour().rgba();
    for (const QLine& line : lines) DrawAliasedLine(layer, line, lineColour);
    const QPoint offset(disc.width() / 2, disc.height() / 2);
    for (const QPoint& centre : centres) stamp.DrawAt(layer, centre - offset);
    return true;
}

}  // namespace

QColor WarpLineColour() { return QColor(191, 205, 219); }

void PaintLinesAndDiscs(QPainter& painter, const std::vector<QLine>& lines, const std::vector<QPoint>& centres,
                        double scale) {
    painter.save();
    PaintLines(painter, lines, scale);
    const double pixelRatio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QImage disc = DiscStamp(scale, pixelRatio);
    const QSizeF half = disc.deviceIndependentSize() / 2;
    const QPointF offset(std::floor(half.width()), std::floor(half.height()));
    for (const QPoint& centre : centres) painter.drawImage(QPointF(centre) * scale - offset, disc);
    painter.restore();
}

void GalaxyLayer::Invalidate() {
    image_ = QImage();
    scale_ = pixelRatio_ = -1;
}

const QImage* GalaxyLayer::At(const std::vector<QLine>& lines, const std::vector<QPoint>& centres, double scale,
                              QSize logicalSize, double pixelRatio) {
    if (scale == scale_ && pixelRatio == pixelRatio_) return &image_;
    const QSize size(static_cast<int>(std::lround(logicalSize.width() * pixelRatio)),
                     static_cast<int>(std::lround(logicalSize.height() * pixelRatio)));
    if (!FitsKeptPicture(size)) return nullptr;
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    const bool written = scale == 1.0 && pixelRatio == 1.0 && WriteUnscaled(image_, lines, centres, DiscStamp(1.0, 1.0));
    image_.setDevicePixelRatio(pixelRatio);
    if (!written) {
        QPainter painter(&image_);
        PaintLinesAndDiscs(painter, lines, centres, scale);
    }
    scale_ = scale;
    pixelRatio_ = pixelRatio;
    return &image_;
}

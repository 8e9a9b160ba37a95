#include "ui/render/TransparentBitmap.h"

#include <QPainter>

TransparentBitmap::TransparentBitmap(const QImage& source, int size, QPoint keyPixel) {
    if (source.isNull()) return;
    // Nearest-pixel scaling keeps the key colour exact at the edges.
    image_ = source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                 .convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image_.pixel(keyPixel) | 0xff000000u;
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            if ((line[x] | 0xff000000u) == key) line[x] = 0;
    }
}

void TransparentBitmap::DrawAt(QPainter& painter, int x, int y) const {
    if (!image_.isNull()) painter.drawImage(x, y, image_);
}

void TransparentBitmap::DrawAt(QPainter& painter, const QRect& target) const {
    if (image_.isNull()) return;
    if (image_.size() == target.size() && painter.transform().isIdentity())
        painter.drawImage(target.topLeft(), image_);
    else
        painter.drawImage(QRectF(target), image_, QRectF(image_.rect()));
}

const TransparentBitmap& BitmapCache::Get(const QString& file, int size, QPoint keyPixel) {
    const auto key = std::make_pair(file, size);
    auto found = bitmaps_.find(key);
    if (found == bitmaps_.end()) found = bitmaps_.emplace(key, TransparentBitmap(QImage(file), size, keyPixel)).first;
    return found->second;
}

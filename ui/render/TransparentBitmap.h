#pragma once

#include <QImage>
#include <QString>
#include <QPoint>
#include <QRect>
#include <map>

class QPainter;

// A bitmap scaled to a fixed size whose pixels of one colour (the colour of a
// chosen corner pixel) are not drawn: the stand-in for a transparent blit.
// The colour key is turned into alpha once, when the bitmap is prepared.
class TransparentBitmap {
public:
    TransparentBitmap() = default;
    // Scales source to size x size and keys out the colour of keyPixel.
    TransparentBitmap(const QImage& source, int size, QPoint keyPixel);

    bool IsNull() const { return image_.isNull(); }
    const QImage& Image() const { return image_; }
    void DrawAt(QPainter& painter, int x, int y) const;
    // Draws into a rectangle of the painter's coordinates; a bitmap prepared
    // at the device size of that rectangle is copied pixel for pixel.
    void DrawAt(QPainter& painter, const QRect& target) const;

private:
    QImage image_;
};

// Prepared bitmaps by file, so a redraw never reads or scales a file again.
// A file that cannot be read gives a null bitmap (and is not retried until
// Clear).
class BitmapCache {
public:
    const TransparentBitmap& Get(const QString& file, int size, QPoint keyPixel);
    void Clear() { bitmaps_.clear(); }
    std::size_t Size() const { return bitmaps_.size(); }

private:
    std::map<std::pair<QString, int>, TransparentBitmap> bitmaps_;
};

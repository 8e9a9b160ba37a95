#pragma once

#include <QImage>
#include <QLine>
#include <QRgb>
#include <utility>
#include <vector>

// Sets the pixels of a line exactly as the raster paint engine does for an
// opaque, square-capped one-pixel pen on an unscaled painter, at a fraction of
// its cost: the engine blends every pixel through a span, this writes it.
// Pixels outside the image are skipped. The image must be 32 bits per pixel.
void DrawAliasedLine(QImage& image, const QLine& line, QRgb colour);

// The pixels of a picture that is either opaque or fully transparent at
// every pixel, ready to be copied without blending.
class HardStamp {
public:
    explicit HardStamp(const QImage& stamp);
    // False when the picture has partly transparent pixels: blend it instead.
    bool IsUsable() const { return usable_; }
    void DrawAt(QImage& image, QPoint topLeft) const;

private:
    std::vector<std::pair<QPoint, QRgb>> pixels_;
    bool usable_ = true;
};

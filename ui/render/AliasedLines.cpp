#include "ui/render/AliasedLines.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Coordinates in 26.6 fixed point, slopes in 16.16, as the engine steps them.
constexpr int One26 = 64;
constexpr int Half26 = 32;

int FixedDivide(int numerator, int denominator) {
    if (std::abs(numerator) > 0x7fff)
        return static_cast<int>((static_cast<long long>(numerator) << 16) / denominator);
    return (numerator << 16) / denominator;
}

// The image's pixels, looked up once: asking the image for a row checks
// whether it is shared each time.
class Pixels {
public:
    explicit Pixels(QImage& image)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}
    void Put(int x, int y, QRgb colour) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        PutInside(x, y, colour);
    }
    void PutInside(int x, int y, QRgb colour) {
        reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_)[x] = colour;
    }
    // Whether every pixel of the line, caps included, lies in the image.
    bool Holds(const QLine& line) const {
        return std::min(line.x1(), line.x2()) >= 1 && std::min(line.y1(), line.y2()) >= 1 &&
               std::max(line.x1(), line.x2()) < width_ - 1 && std::max(line.y1(), line.y2()) < height_ - 1;
    }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_, height_;
};

// Steps along the major axis one pixel at a time, the minor coordinate in
// 16.16; the square caps reach half a pixel beyond both ends.
template <typename PutPixel>
void StepLine(int major1, int minor1, int major2, int minor2, PutPixel put) {
    if (major1 > major2) {
        std::swap(major1, major2);
        std::swap(minor1, minor2);
    }
    const int increment = FixedDivide(minor2 - minor1, major2 - major1);
    int minor = minor1 * (1 << 10) - (increment >> 1);
    major1 -= Half26;
    major2 += Half26;
    int at = (major1 + Half26) >> 6;
    const int end = (major2 + Half26) >> 6;
    if (at == end) return;
    minor += ((at * One26) + (increment > 0 ? Half26 : 0) - major1) * increment >> 6;
    do {
        put(at, minor >> 16);
        minor += increment;
    } while (++at < end);
}

}  // namespace

void DrawAliasedLine(QImage& image, const QLine& line, QRgb colour) {
    const int x1 = line.x1() * One26, y1 = line.y1() * One26;
    const int x2 = line.x2() * One26, y2 = line.y2() * One26;
    Pixels pixels(image);
    if (x1 == x2 && y1 == y2) return pixels.Put(line.x1(), line.y1(), colour);
    const bool vertical = std::abs(x2 - x1) < std::abs(y2 - y1);
    if (pixels.Holds(line)) {
        if (vertical)
            StepLine(y1, x1, y2, x2, [&](int y, int x) { pixels.PutInside(x, y, colour); });
        else
            StepLine(x1, y1, x2, y2, [&](int x, int y) { pixels.PutInside(x, y, colour); });
    } else if (vertical) {
        StepLine(y1, x1, y2, x2, [&](int y, int x) { pixels.Put(x, y, colour); });
    } else {
        StepLine(x1, y1, x2, y2, [&](int x, int y) { pixels.Put(x, y, colour); });
    }
}

HardStamp::HardStamp(const QImage& stamp) {
    const QImage argb = stamp.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height() && usable_; ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 255) pixels_.push_back({QPoint(x, y), pixel});
            if (qAlpha(pixel) != 0 && qAlpha(pixel) != 255) usable_ = false;
        }
    if (!usable_) pixels_.clear();
}

void HardStamp::DrawAt(QImage& image, QPoint topLeft) const {
    Pixels pixels(image);
    for (const auto& [offset, colour] : pixels_) pixels.Put(topLeft.x() + offset.x(), topLeft.y() + offset.y(), colour);
}

#pragma once

#include <QImage>
#include <QSize>

#include <cmath>

// A picture a painter keeps between repaints is never larger than this: a
// map zoomed in beyond it (or exported at a large scale) is drawn directly.
constexpr qint64 MaxKeptPicturePixels = 8'000'000;

inline bool FitsKeptPicture(QSize devicePixels) {
    return static_cast<qint64>(devicePixels.width()) * devicePixels.height() <= MaxKeptPicturePixels;
}

// A black image of a logical size at a device pixel ratio, ready to paint on.
inline QImage BlankCanvas(QSize logicalSize, double pixelRatio) {
    QImage image(QSize(static_cast<int>(std::lround(logicalSize.width() * pixelRatio)),
                       static_cast<int>(std::lround(logicalSize.height() * pixelRatio))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::black);
    return image;
}

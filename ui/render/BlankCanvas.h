#pragma once

#include <QImage>
#include <QSize>

#include <cmath>

// A black image of a logical size at a device pixel ratio, ready to paint on.
inline QImage BlankCanvas(QSize logicalSize, double pixelRatio) {
    QImage image(QSize(static_cast<int>(std::lround(logicalSize.width() * pixelRatio)),
                       static_cast<int>(std::lround(logicalSize.height() * pixelRatio))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::black);
    return image;
}

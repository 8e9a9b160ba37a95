#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The scales a map picture can be exported at: a quarter of the editor's
// picture up to twelve times it (a system at 12 is 7872 x 8064 pixels).
constexpr double MinImageScale = 0.25;
constexpr double MaxImageScale = 12.0;
// The galaxy is exported at four times the editor's picture unless asked
// otherwise; a system's field is large enough at its own size.
constexpr double DefaultGalaxyImageScale = 4.0;
constexpr double DefaultSystemImageScale = 1.0;

inline bool IsImageScale(double scale) { return scale >= MinImageScale && scale <= MaxImageScale; }

// Writes the picture as PNG through a temporary file renamed into place, so
// a failed write leaves any earlier file of that name as it was. Returns an
// empty text on success, otherwise what went wrong, naming the file.
QString WritePngSafely(const QImage& image, const QString& file);

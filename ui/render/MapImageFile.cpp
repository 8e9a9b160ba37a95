#include "ui/render/MapImageFile.h"

#include <QImageWriter>
#include <QSaveFile>

QString WritePngSafely(const QImage& image, const QString& file) {
    if (image.isNull()) return QString("Cannot write %1: there is no picture to write").arg(file);
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly)) return QString("Cannot write %1: %2").arg(file, target.errorString());
    QImageWriter writer(&target, "png");
    if (!writer.write(image)) {
        target.cancelWriting();
        return QString("Cannot write %1: %2").arg(file, writer.errorString());
    }
    if (!target.commit()) return QString("Cannot write %1: %2").arg(file, target.errorString());
    return {};
}

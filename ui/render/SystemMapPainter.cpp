#include "ui/render/SystemMapPainter.h"

#include <QPainter>
#include <cmath>

#include "ui/render/BlankCanvas.h"
#include "ui/render/SystemMapLabels.h"
#include "catalog/StellarCatalog.h"
#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "model/SectorField.h"

namespace {

constexpr int HexSize = 32;
constexpr int PictureSize = 24;

QString Text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// Top-left corner of the hexagon of sector (X, Y).
QPoint HexagonCorner(std::int32_t X, std::int32_t Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return {label.x - HexSize, label.y};
}

// Storms and warp points say what they are (a warp also where it leads);
// a name, when there is one, follows on its own line.
QStringList LabelLines(const CSpaceObject& object) {
    QStringList lines;
    if (object.Tipo == KindStorm) lines << "Storm";
    if (object.Tipo == KindWarpPoint)
        lines << "Warp" << "(" + Text(object.destSystem ? object.destSystem->name : std::string()) + ")";
    if (!Trim(object.name).empty()) lines << Text(object.name);
    return lines;
}

void PrintText(QPainter& painter, int x, int y, const std::string& text) {
    painter.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, Text(text));
}

void SetFont(QPainter& painter, bool bold, int pointSize, QColor colour) {
    QFont font = painter.font();
    font.setBold(bold);
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(colour);
}

void DrawTypeCaption(QPainter& painter, std::uint8_t physicalType) {
    if (physicalType == PhysicalBlackHole) {
        SetFont(painter, true, 12, QColor(255, 0, 0));
        PrintText(painter, 256, 320, "B L A C K  H O L E");
    } else if (physicalType == PhysicalNebulae) {
        SetFont(painter, true, 12, QColor(255, 0, 255));
        PrintText(painter, 275, 320, "N E B U L A E");
    }
    SetFont(painter, false, 8, Qt::white);
}

// What marks an object whose picture is missing: a grey frame in its hexagon.
void DrawMissingPicture(QPainter& painter, QPoint corner) {
    painter.save();
    painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(corner.x() + 4, corner.y() + 4, PictureSize - 1, PictureSize - 1);
    painter.restore();
}

}  // namespace

QSize SystemMapPainter::SizeAt(double scale) {
    return {static_cast<int>(std::lround(SystemMapWidth * scale)), static_cast<int>(std::lround(SystemMapHeight * scale))};
}

QImage SystemMapPainter::BlankImage() {
    QImage image(SystemMapWidth, SystemMapHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void SystemMapPainter::ClearCache() {
    cache_.Clear();
    pictures_.clear();
    grid_ = QImage();
    labelTexts_ = LabelTextCache();
}

QString SystemMapPainter::ProgramFile(const char* name) const {
    return QString::fromStdString((programFolder_ / name).string());
}

const TransparentBitmap& SystemMapPainter::Bitmap(const QString& file, int size, QPoint keyPixel) {
    return cache_.Get(file, static_cast<int>(std::lround(size * devicePixels_)), keyPixel);
}

const QString& SystemMapPainter::PictureFile(std::int32_t stellarType) {
    auto found = pictures_.find(stellarType);
    if (found == pictures_.end()) {
        const auto picture = catalog_.ResolvePicture(catalog_.PictureOfOrdinal(stellarType));
        found = pictures_.emplace(stellarType, picture ? QString::fromStdString(picture->string()) : QString()).first;
    }
    return found->second;
}

QImage SystemMapPainter::Render(double scale, const CUniverse& universe, std::int32_t systemId,
                                const SystemMapPaintOptions& options, double pixelRatio) {
    QImage image = BlankCanvas(SizeAt(scale), pixelRatio);
    QPainter painter(&image);
    Paint(painter, scale, universe, systemId, options);
    return image;
}

void SystemMapPainter::Paint(QPainter& painter, double scale, const CUniverse& universe, std::int32_t systemId,
                             const SystemMapPaintOptions& options) {
    painter.save();
    const bool gridCopied = CopyHexGrid(painter, scale);
    // Everything is placed in picture pixels; bitmaps are prepared at the
    // device's own resolution so that they stay sharp when scaled.
    painter.scale(scale, scale);
    devicePixels_ = scale * (painter.device() ? painter.device()->devicePixelRatio() : 1.0);
    if (!gridCopied) DrawHexagons(painter);
    if (options.selection) DrawSelection(painter, options.selection->first, options.selection->second);
    DrawTypeCaption(painter, universe.GetOneSystem(systemId)->PhysicalType);
    DrawObjects(painter, universe, systemId, options.hideLabels);
    painter.restore();
}

// Copied pixel for pixel from the hexagons drawn once for this scale and
// pixel ratio; keyed-out pixels stay transparent, so the copy equals drawing
// them again. False, with nothing drawn, when the picture is too large to keep.
bool SystemMapPainter::CopyHexGrid(QPainter& painter, double scale) {
    const double ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (grid_.isNull() || gridScale_ != scale || grid_.devicePixelRatio() != ratio) {
        grid_ = QImage();
        const QSize size = SizeAt(scale) * ratio;
        if (!FitsKeptPicture(size)) return false;
        grid_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        grid_.setDevicePixelRatio(ratio);
        grid_.fill(Qt::transparent);
        QPainter onGrid(&grid_);
        onGrid.scale(scale, scale);
        devicePixels_ = scale * ratio;
        DrawHexagons(onGrid);
        gridScale_ = scale;
    }
    painter.drawImage(QPointF(0, 0), grid_);
    return true;
}

void SystemMapPainter::DrawHexagons(QPainter& painter) {
    const TransparentBitmap& hexagon = Bitmap(ProgramFile("Hexagono32.bmp"), HexSize, QPoint(1, 1));
    for (std::int32_t X = SectorMinX; X <= SectorMaxX; ++X)
        for (std::int32_t Y = SectorMinY; Y <= SectorMaxY; ++Y) {
            if (!IsValidSector(X, Y)) continue;
            const QPoint corner = HexagonCorner(X, Y);
            hexagon.DrawAt(painter, QRect(corner, QSize(HexSize, HexSize)));
        }
}

void SystemMapPainter::DrawSelection(QPainter& painter, std::int32_t X, std::int32_t Y) {
    const QPoint corner = HexagonCorner(X, Y);
    Bitmap(ProgramFile("hexagono32Sel.bmp"), HexSize, QPoint(0, 0))
        .DrawAt(painter, QRect(corner, QSize(HexSize, HexSize)));
}

void SystemMapPainter::DrawObjects(QPainter& painter, const CUniverse& universe, std::int32_t systemId,
                                   bool hideLabels) {
    const std::vector<SpaceObjectRef> objects = universe.SpaceObjectsOf(systemId);
    std::vector<QRectF> pictures;
    for (const SpaceObjectRef& object : objects)
        pictures.emplace_back(HexagonCorner(object->coord.X, object->coord.y) + QPoint(4, 4), QSizeF(PictureSize, PictureSize));
    labelTexts_.Use(painter.font(), painter.device(), SystemMapLabels::MaxLineWidth);
    SystemMapLabels labels(labelTexts_, QSizeF(SystemMapWidth, SystemMapHeight),
                           std::move(pictures));
    for (const SpaceObjectRef& object : objects) {
        DrawObjectPicture(painter, object->coord.X, object->coord.y, object->StellarObjectType,
                          object->Tipo == KindPlanet);
        const QStringList lines = LabelLines(*object);
        if (!hideLabels && !lines.isEmpty())
            SystemMapLabels::Draw(painter, labels.Place(HexagonCorner(object->coord.X, object->coord.y), lines));
    }
}

void SystemMapPainter::DrawObjectPicture(QPainter& painter, std::int32_t X, std::int32_t Y,
                                         std::int32_t stellarType, bool planet) {
    const QPoint corner = HexagonCorner(X, Y);
    const QRect target(corner + QPoint(4, 4), QSize(PictureSize, PictureSize));
    const QString& picture = PictureFile(stellarType);
    const TransparentBitmap* bitmap = picture.isEmpty() ? nullptr : &Bitmap(picture, PictureSize, QPoint(0, 0));
    if (bitmap && !bitmap->IsNull())
        bitmap->DrawAt(painter, target);
    else
        DrawMissingPicture(painter, corner);
    if (!planet) return;
    const std::string atmosphere = AtmospherePicture(catalog_.FindTypeByOrdinal(stellarType).Atmosphere);
    Bitmap(ProgramFile(atmosphere.c_str()), PictureSize, QPoint(0, 0)).DrawAt(painter, target);
}

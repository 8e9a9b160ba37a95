#include "ui/SystemMapRenderer.h"

#include <QPainter>

#include "catalog/StellarCatalog.h"
#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "model/SectorField.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/editing/SystemMapState.h"

namespace {

constexpr int HexSize = 32;
constexpr int PictureSize = 24;

// Top-left corner of the hexagon of sector (X, Y).
QPoint HexagonCorner(std::int32_t X, std::int32_t Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return {label.x - HexSize, label.y};
}

void PrintText(QPainter& painter, int x, int y, const std::string& text) {
    painter.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, FromBytes(text));
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

QImage SystemMapRenderer::BlankImage() {
    QImage image(SystemMapWidth, SystemMapHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QString SystemMapRenderer::ProgramFile(const char* name) const {
    return QString::fromStdString((programFolder_ / name).string());
}

bool SystemMapRenderer::Render(QImage& image, const CUniverse& universe, std::int32_t systemId,
                               SystemMapState& state, bool hideLabels) {
    image = BlankImage();
    QPainter painter(&image);
    DrawHexGrid(painter);
    const bool selectionValid = DrawSelection(painter, state);
    DrawTypeCaption(painter, universe.GetOneSystem(systemId)->PhysicalType);
    DrawObjects(painter, universe, systemId, hideLabels);
    return selectionValid;
}

void SystemMapRenderer::DrawHexGrid(QPainter& painter) {
    const TransparentBitmap& hexagon = cache_.Get(ProgramFile("Hexagono32.bmp"), HexSize, QPoint(1, 1));
    for (std::int32_t X = SectorMinX; X <= SectorMaxX; ++X)
        for (std::int32_t Y = SectorMinY; Y <= SectorMaxY; ++Y) {
            if (!IsValidSector(X, Y)) continue;
            const QPoint corner = HexagonCorner(X, Y);
            hexagon.DrawAt(painter, corner.x(), corner.y());
        }
}

bool SystemMapRenderer::DrawSelection(QPainter& painter, SystemMapState& state) {
    const PixelSector sector = PixelToSector(state.LastPixel.x, state.LastPixel.y);
    if (!IsValidSector(sector.X, sector.Y)) {
        state.LastSector = {};
        return false;
    }
    state.LastSector = {sector.X, sector.Y};
    const int y = sector.c % 2 == 0 ? 32 * sector.k - 16 : 32 * sector.k - 32;
    cache_.Get(ProgramFile("hexagono32Sel.bmp"), HexSize, QPoint(0, 0)).DrawAt(painter, 24 * sector.c, y);
    return true;
}

void SystemMapRenderer::DrawObjects(QPainter& painter, const CUniverse& universe, std::int32_t systemId,
                                    bool hideLabels) {
    for (const SpaceObjectRef& object : universe.SpaceObjectsOf(systemId)) {
        const LabelPoint label = SectorToPixel(object->coord.X, -object->coord.y);
        if (!hideLabels && object->Tipo == KindStorm) PrintText(painter, label.x, label.y, "Storm");
        if (!hideLabels && object->Tipo == KindWarpPoint) {
            PrintText(painter, label.x, label.y, "Warp");
            const std::string destination = object->destSystem ? object->destSystem->name : std::string();
            PrintText(painter, label.x, label.y + 12, "(" + destination + ")");
        }
        DrawObjectPicture(painter, object->coord.X, object->coord.y, object->StellarObjectType,
                          object->Tipo == KindPlanet);
        if (!hideLabels) PrintText(painter, label.x, label.y, object->name);
    }
}

void SystemMapRenderer::DrawObjectPicture(QPainter& painter, std::int32_t X, std::int32_t Y,
                                          std::int32_t stellarType, bool planet) {
    const QPoint corner = HexagonCorner(X, Y);
    const auto picture = catalog_.ResolvePicture(catalog_.PictureOfOrdinal(stellarType));
    const TransparentBitmap* bitmap = nullptr;
    if (picture) bitmap = &cache_.Get(QString::fromStdString(picture->string()), PictureSize, QPoint(0, 0));
    if (bitmap && !bitmap->IsNull())
        bitmap->DrawAt(painter, corner.x() + 4, corner.y() + 4);
    else
        DrawMissingPicture(painter, corner);
    if (!planet) return;
    const std::string atmosphere = AtmospherePicture(catalog_.FindTypeByOrdinal(stellarType).Atmosphere);
    cache_.Get(ProgramFile(atmosphere.c_str()), PictureSize, QPoint(0, 0)).DrawAt(painter, corner.x() + 4, corner.y() + 4);
}

#include "ui/ProgramBitmaps.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <set>

#include "catalog/StellarCatalog.h"
#include "ui/AtmosphereColours.h"

namespace {

constexpr int PictureSide = 48;

QImage KeyedImage(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(TransparentKey());
    return image;
}

// Flat-topped hexagon filling a 32 x 32 cell; neighbouring columns 24 pixels
// apart and half a cell lower share their sloped edges exactly.
QPolygonF HexagonOutline(double inset) {
    return QPolygonF({QPointF(8 + inset, inset), QPointF(23 - inset, inset), QPointF(31 - inset, 15.5),
                      QPointF(23 - inset, 31 - inset), QPointF(8 + inset, 31 - inset), QPointF(inset, 15.5)});
}

QImage HexagonImage(QColor colour, double width, double inset) {
    QImage image = KeyedImage(32);
    QPainter painter(&image);
    painter.setPen(QPen(colour, width));
    painter.drawPolygon(HexagonOutline(inset));
    return image;
}

QColor StarColour(const std::string& colour) {
    if (colour == "Red") return QColor(235, 70, 50);
    if (colour == "Purple") return QColor(160, 70, 230);
    if (colour == "Green") return QColor(70, 220, 90);
    if (colour == "Blue") return QColor(90, 140, 255);
    if (colour == "White") return QColor(245, 245, 245);
    if (colour == "Orange") return QColor(255, 150, 40);
    return QColor(255, 230, 60);  // Yellow and anything unknown
}

// 0.5 for "Tiny" up to 1.0 for "Huge".
double SizeScale(const std::string& size) {
    const char* sizes[] = {"Tiny", "Small", "Medium", "Large", "Huge"};
    for (int i = 0; i < 5; ++i)
        if (size == sizes[i]) return 0.5 + 0.125 * i;
    return 0.75;
}

void Disc(QPainter& painter, QColor colour, double radius) {
    const QPointF centre(PictureSide / 2.0, PictureSide / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void DrawStar(QPainter& painter, const StellarTypeEntry& entry) {
    const double radius = 22 * SizeScale(entry.Size);
    Disc(painter, StarColour(entry.Colour).darker(130), radius);
    Disc(painter, StarColour(entry.Colour), radius * 0.8);
    Disc(painter, StarColour(entry.Colour).lighter(140), radius * 0.4);
}

void DrawPlanet(QPainter& painter, const StellarTypeEntry& entry) {
    const double radius = 20 * SizeScale(entry.Size);
    QColor body(150, 110, 80);  // Rock
    if (entry.SubType == "Ice") body = QColor(170, 220, 240);
    if (entry.SubType == "Gas Giant") body = QColor(220, 160, 90);
    Disc(painter, body, radius);
    painter.setPen(QPen(body.darker(150), 2));
    const double c = PictureSide / 2.0;
    for (double band = -radius / 2; band <= radius / 2; band += radius / 2)
        painter.drawLine(QPointF(c - radius * 0.8, c + band), QPointF(c + radius * 0.8, c + band));
}

void DrawAsteroids(QPainter& painter) {
    const QPoint specks[] = {{12, 14}, {22, 10}, {33, 15}, {16, 26}, {28, 24}, {38, 29}, {11, 36}, {24, 36}, {34, 39}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 160, 150));
    int radius = 2;
    for (const QPoint& speck : specks) {
        painter.drawEllipse(speck, radius, radius);
        radius = radius == 3 ? 2 : radius + 1;
    }
}

void DrawStorm(QPainter& painter) {
    painter.setPen(QPen(QColor(120, 200, 255), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int arm = 0; arm < 3; ++arm)
        painter.drawArc(QRectF(6 + 5 * arm, 6 + 5 * arm, 36 - 10 * arm, 36 - 10 * arm), arm * 1920, 3600);
}

void DrawWarp(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    const QColor rings[] = {QColor(80, 255, 200), QColor(40, 180, 150), QColor(20, 110, 100)};
    for (int ring = 0; ring < 3; ++ring) {
        painter.setPen(QPen(rings[ring], 3));
        const double r = 20 - 6 * ring;
        painter.drawEllipse(QPointF(24, 24), r, r);
    }
}

void DrawUnknown(QPainter& painter) {
    painter.setPen(QPen(QColor(200, 200, 200), 2));
    painter.drawRect(8, 8, 32, 32);
}

std::string SaveBitmap(const QImage& image, const std::filesystem::path& file) {
    if (image.save(QString::fromStdString(file.string()), "BMP")) return {};
    return "Cannot write " + file.string();
}

}  // namespace

QColor TransparentKey() { return QColor(255, 0, 255); }

QImage HexagonBitmap() { return HexagonImage(QColor(70, 100, 150), 1, 0); }

QImage SelectionBitmap() { return HexagonImage(QColor(255, 255, 0), 2, 1); }

QImage AtmosphereBitmap(QColor ring) {
    QImage image = KeyedImage(24);
    QPainter painter(&image);
    painter.setPen(QPen(ring, 2));
    painter.drawEllipse(QRectF(2, 2, 20, 20));
    return image;
}

QImage ObjectPicture(const StellarTypeEntry& entry) {
    QImage image = KeyedImage(PictureSide);
    QPainter painter(&image);
    if (entry.PhysicalType == "Star")
        DrawStar(painter, entry);
    else if (entry.PhysicalType == "Planet")
        DrawPlanet(painter, entry);
    else if (entry.PhysicalType == "Asteroids")
        DrawAsteroids(painter);
    else if (entry.PhysicalType == "Storm")
        DrawStorm(painter);
    else if (entry.PhysicalType == "Warp")
        DrawWarp(painter);
    else
        DrawUnknown(painter);
    return image;
}

std::string WriteSectorBitmaps(const std::filesystem::path& folder) {
    std::string error = SaveBitmap(HexagonBitmap(), folder / "Hexagono32.bmp");
    if (error.empty()) error = SaveBitmap(SelectionBitmap(), folder / "hexagono32Sel.bmp");
    for (const AtmosphereColour& colour : AtmosphereColours)
        if (error.empty())
            error = SaveBitmap(AtmosphereBitmap(QColor(colour.red, colour.green, colour.blue)), folder / colour.bitmap);
    return error;
}

std::string WriteObjectPictures(const StellarCatalog& catalog, const std::filesystem::path& folder) {
    std::error_code code;
    std::filesystem::create_directories(folder, code);
    if (code) return "Cannot create " + folder.string() + ": " + code.message();
    std::set<std::string> written;
    for (const StellarTypeEntry& entry : catalog.Entries()) {
        if (entry.PictureFile.empty() || !written.insert(entry.PictureFile).second) continue;
        if (std::string error = SaveBitmap(ObjectPicture(entry), folder / entry.PictureFile); !error.empty())
            return error;
    }
    return {};
}

#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <unordered_map>

#include "ui/render/LabelTextCache.h"
#include "ui/render/TransparentBitmap.h"

class CUniverse;
class QPainter;
class StellarCatalog;

// Size of the system map picture at scale 1.
constexpr int SystemMapWidth = 656;
constexpr int SystemMapHeight = 672;

struct SystemMapPaintOptions {
    bool hideLabels = false;
    // The sector drawn with the selection hexagon, when there is one.
    std::optional<std::pair<std::int32_t, std::int32_t>> selection;
};

// Draws the sector field of one system onto any painter at any scale:
// hexagons, the selection hexagon, the black-hole or nebula caption, and per
// object its kind word, picture, atmosphere overlay and name. Sector and
// atmosphere bitmaps are looked up in the program folder, object pictures
// through the catalogue. Bitmaps are prepared once per size and the picture
// file each catalogue entry resolves to is looked up once, so a repaint reads
// no file.
class SystemMapPainter {
public:
    SystemMapPainter(const StellarCatalog& catalog, std::filesystem::path programFolder)
        : catalog_(catalog), programFolder_(std::move(programFolder)) {}

    void Paint(QPainter& painter, double scale, const CUniverse& universe, std::int32_t systemId,
               const SystemMapPaintOptions& options);
    // A black picture of the system map at the scale, for a device pixel ratio.
    QImage Render(double scale, const CUniverse& universe, std::int32_t systemId,
                  const SystemMapPaintOptions& options, double pixelRatio = 1.0);
    static QSize SizeAt(double scale);
    // An empty, black picture of the map's size at scale 1.
    static QImage BlankImage();

    // Bitmaps, the drawn hexagons and picture lookups are cached; forget them
    // (after the files or the picture folders changed).
    void ClearCache();

private:
    bool CopyHexGrid(QPainter& painter, double scale);
    void DrawHexagons(QPainter& painter);
    void DrawSelection(QPainter& painter, std::int32_t X, std::int32_t Y);
    void DrawObjects(QPainter& painter, const CUniverse& universe, std::int32_t systemId, bool hideLabels);
    void DrawObjectPicture(QPainter& painter, std::int32_t X, std::int32_t Y, std::int32_t stellarType, bool planet);
    const TransparentBitmap& Bitmap(const QString& file, int size, QPoint keyPixel);
    const QString& PictureFile(std::int32_t stellarType);
    QString ProgramFile(const char* name) const;

    const StellarCatalog& catalog_;
    std::filesystem::path programFolder_;
    BitmapCache cache_;
    std::unordered_map<std::int32_t, QString> pictures_;  // by ordinal; empty when no file exists
    // Device pixels per picture pixel while painting.
    double devicePixels_ = 1.0;
    // The 441 hexagons as last drawn, at the scale and pixel ratio they were
    // drawn for (when small enough to keep): the same on every repaint, and
    // most of its cost.
    QImage grid_;
    double gridScale_ = 0;
    LabelTextCache labelTexts_;
};

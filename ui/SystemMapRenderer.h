#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>

#include "ui/TransparentBitmap.h"

class CUniverse;
class StellarCatalog;
struct SystemMapState;

// Size of the system map picture.
constexpr int SystemMapWidth = 656;
constexpr int SystemMapHeight = 672;

// Draws the sector field of one system: hexagons, the selection hexagon, the
// black-hole or nebula caption, and per object its kind word, picture,
// atmosphere overlay and name. Sector bitmaps and atmosphere bitmaps are
// looked up in the program folder, object pictures through the catalogue.
class SystemMapRenderer {
public:
    SystemMapRenderer(const StellarCatalog& catalog, std::filesystem::path programFolder)
        : catalog_(catalog), programFolder_(std::move(programFolder)) {}

    // The whole redraw of DrawSystemMap. Moves state.LastSector to the sector
    // of state.LastPixel, or to (0, 0) when that is not a valid sector; returns
    // whether the selection was valid.
    bool Render(QImage& image, const CUniverse& universe, std::int32_t systemId, SystemMapState& state,
                bool hideLabels);

    // An empty, black picture of the map's size.
    static QImage BlankImage();
    // Bitmaps are cached; forget them (after the files changed).
    void ClearCache() { cache_.Clear(); }

private:
    void DrawHexGrid(QPainter& painter);
    bool DrawSelection(QPainter& painter, SystemMapState& state);
    void DrawObjects(QPainter& painter, const CUniverse& universe, std::int32_t systemId, bool hideLabels);
    void DrawObjectPicture(QPainter& painter, std::int32_t X, std::int32_t Y, std::int32_t stellarType,
                           bool planet);
    QString ProgramFile(const char* name) const;

    const StellarCatalog& catalog_;
    std::filesystem::path programFolder_;
    BitmapCache cache_;
};

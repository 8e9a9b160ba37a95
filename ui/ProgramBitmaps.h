#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>

class StellarCatalog;
struct StellarTypeEntry;

// The bitmaps the editor draws with, made procedurally: the two sector
// hexagons, the atmosphere rings and one picture per picture file of the
// stellar catalogue. Every bitmap's transparent colour is that of its corner
// pixel (TransparentKey), which the art never uses.

QColor TransparentKey();

QImage HexagonBitmap();    // "Hexagono32.bmp", key at pixel (1, 1)
QImage SelectionBitmap();  // "hexagono32Sel.bmp", key at pixel (0, 0)
QImage AtmosphereBitmap(QColor ring);
// A picture for the catalogue entry: a star disc of its colour, a planet by
// its type, asteroid specks, a storm swirl or warp rings.
QImage ObjectPicture(const StellarTypeEntry& entry);

// Writes the hexagons and the atmosphere bitmaps into the folder. Returns an
// error text, empty on success.
std::string WriteSectorBitmaps(const std::filesystem::path& folder);
// Writes one picture for every picture file the catalogue names, made from
// the first entry naming it. Returns an error text, empty on success.
std::string WriteObjectPictures(const StellarCatalog& catalog, const std::filesystem::path& folder);

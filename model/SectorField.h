#pragma once

#include <array>
#include <cstdint>
#include <string>

// The hexagonal sector field of a system: 27 columns (X -13 .. 13) by 21 rows
// (Y -10 .. 10, growing upwards), of which 441 sectors exist. Pure geometry,
// shared by the system map view, object placement and random generation.

constexpr std::int32_t SectorColumns = 27;
constexpr std::int32_t SectorRows = 21;
constexpr std::int32_t SectorMinX = -13, SectorMaxX = 13;
constexpr std::int32_t SectorMinY = -10, SectorMaxY = 10;
constexpr std::int32_t ValidSectorCount = 441;

// The 27-character mask of display row r (-10 .. 10): character c is '1' when
// the sector of column c exists. Empty for any other r.
std::string SectorRowMask(std::int32_t r);

struct SectorCell {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool Valid = false;
};

// The 27 by 21 table of sector cells, indexed by column c = X + 13 and row
// index r + 10 of display row r.
class SectorTable {
public:
    SectorTable();

    // The cell at column c, row index ri; both must be inside the table.
    const SectorCell& Cell(std::int32_t c, std::int32_t ri) const;
    static bool InTable(std::int32_t c, std::int32_t ri);
    // True for the 441 sectors of the field; false for anything else,
    // including coordinates outside the table.
    bool IsValid(std::int32_t X, std::int32_t Y) const;

private:
    std::array<std::array<SectorCell, SectorRows>, SectorColumns> cells_{};
};

// The one table of the run, built on first use.
const SectorTable& TheSectorTable();
// Shorthand for TheSectorTable().IsValid(X, Y).
bool IsValidSector(std::int32_t X, std::int32_t Y);

// Pixel geometry of the system map: sectors are 32 by 32 hexagons whose
// columns lie 24 pixels apart, even columns half a hexagon higher.
struct PixelSector {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t c = 0;  // column of the drawing grid
    std::int32_t k = 0;  // row count of the drawing grid
};
PixelSector PixelToSector(std::int32_t px, std::int32_t py);
// The sector whose hexagon, as drawn, contains the point (x, y) of the
// unscaled picture. Unlike PixelToSector, which reads the field as 24-pixel
// columns and misplaces presses on the sloped edges, this follows the
// hexagons' outline. Beyond the field the lattice continues, so the result
// may lie outside the table.
PixelSector SectorAtPoint(double x, double y);

struct LabelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
// Label point (right edge, top of the hexagon) of sector X, display row Yd = -Y.
LabelPoint SectorToPixel(std::int32_t X, std::int32_t Yd);

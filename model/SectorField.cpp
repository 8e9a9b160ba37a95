#include "model/SectorField.h"

#include "text/TextHelpers.h"

#include <cmath>

std::string SectorRowMask(std::int32_t r) {
    if (r >= -2 && r <= 3) return "111111111111111111111111111";
    switch (r) {
        case -10: return "000000000001010100000000000";
        case -9: return "000000011111111111110000000";
        case -8: return "000001111111111111111100000";
        case -7: return "000011111111111111111110000";
        case -6: return "000111111111111111111111000";
        case -5: return "001111111111111111111111100";
        case -4:
        case -3:
        case 4: return "011111111111111111111111110";
        case 5:
        case 6: return "001111111111111111111111100";
        case 7:
        case 8: return "000011111111111111111110000";
        case 9: return "000000111111111111111000000";
        case 10: return "000000001011111110100000000";
        default: return "";
    }
}

SectorTable::SectorTable() {
    for (std::int32_t r = SectorMinY; r <= SectorMaxY; ++r) {
        const std::string mask = SectorRowMask(r);
        for (std::int32_t X = SectorMinX; X <= SectorMaxX; ++X) {
            SectorCell& cell = cells_[X + 13][r + 10];
            cell.X = X;
            cell.Y = (X % 2 == 0) ? r : r + 1;
            cell.Valid = mask[static_cast<std::size_t>(X + 13)] != '0';
        }
    }
}

bool SectorTable::InTable(std::int32_t c, std::int32_t ri) {
    return c >= 0 && c < SectorColumns && ri >= 0 && ri < SectorRows;
}

const SectorCell& SectorTable::Cell(std::int32_t c, std::int32_t ri) const { return cells_.at(c).at(ri); }

bool SectorTable::IsValid(std::int32_t X, std::int32_t Y) const {
    if (!InTable(X + 13, Y + 10)) return false;
    const SectorCell& first = Cell(X + 13, Y + 10);
    if (!InTable(first.X + 13, first.Y + 10)) return false;
    return Cell(first.X + 13, first.Y + 10).Valid;
}

const SectorTable& TheSectorTable() {
    static const SectorTable table;
    return table;
}

bool IsValidSector(std::int32_t X, std::int32_t Y) { return TheSectorTable().IsValid(X, Y); }

PixelSector PixelToSector(std::int32_t px, std::int32_t py) {
    PixelSector s;
    s.c = px / 24;
    const double rows = py / 32.0;
    if (s.c % 2 == 0 && rows >= 1.0)
        s.k = RoundHalfEven(rows).value_or(0);
    else
        s.k = static_cast<std::int32_t>(std::trunc(rows)) + 1;
    s.X = s.c - 13;
    s.Y = (s.c % 2 == 0) ? 10 - s.k : 11 - s.k;
    return s;
}

LabelPoint SectorToPixel(std::int32_t X, std::int32_t Yd) {
    const std::int32_t c = X + 13;
    const std::int32_t k = (X % 2 == 0) ? Yd + 11 : Yd + 10;
    return {24 * c + 32, (c % 2 == 0) ? 32 * k - 16 : 32 * k - 32};
}

namespace {

// Row count of the hexagon of drawing column c that spans height y: even
// columns sit half a hexagon higher.
std::int32_t RowCountAt(std::int32_t c, double y) {
    const double shifted = (c % 2 == 0) ? y + 16 : y;
    return static_cast<std::int32_t>(std::floor(shifted / 32)) + (c % 2 == 0 ? 0 : 1);
}

// Top of the hexagon of column c with row count k.
double HexagonTop(std::int32_t c, std::int32_t k) { return (c % 2 == 0) ? 32.0 * k - 16 : 32.0 * k - 32; }

PixelSector FromColumnAndRow(std::int32_t c, std::int32_t k) {
    PixelSector s;
    s.c = c;
    s.k = k;
    s.X = c - 13;
    s.Y = (c % 2 == 0) ? 10 - k : 11 - k;
    return s;
}

std::int32_t FloorDiv(double value, double step) { return static_cast<std::int32_t>(std::floor(value / step)); }

}  // namespace

PixelSector SectorAtPoint(double x, double y) {
    // Columns are 24 pixels apart; the first 8 pixels of a column's strip are
    // shared between its hexagon's left slopes and the previous column's
    // right slopes.
    std::int32_t c = FloorDiv(x, 24);
    const double inStrip = x - 24.0 * c;
    std::int32_t k = RowCountAt(c, y);
    if (inStrip < 8) {
        const double fromMiddle = std::abs(y - HexagonTop(c, k) - 16);
        if (fromMiddle > 2 * inStrip) {
            --c;
            k = RowCountAt(c, y);
        }
    }
    return FromColumnAndRow(c, k);
}

#pragma once

#include <QString>
#include <cstdint>
#include <string>

class CUniverse;
class CSpaceObject;

// What the status bar says about the map and the pointer. Plain functions,
// so the texts can be checked without a window.

struct MapCounts {
    std::int32_t systems = 0;
    std::int32_t objects = 0;  // stars, planets, asteroid fields and storms
    std::int32_t warps = 0;    // warp points, counted apart from the objects
};

// The warp points of the map alone: they change only when what the galaxy
// shows changes, so a caller may keep the count between such changes.
std::int32_t CountWarps(const CUniverse& universe);
// The counts when the warp points are already known.
MapCounts CountMapWithWarps(const CUniverse& universe, std::int32_t warps);
// "12 systems, 80 objects, 24 warp points" (singular for one).
QString CountsText(const MapCounts& counts);
// "Map: NAME", or "Map: untitled" before the map has a file.
QString MapNameStatus(const std::string& mapName);
// "Cell 12, 30", with ": NAME" when a system stands there.
QString CellStatus(int X, int Y, const QString& systemName);
// "Sector 3, -2", with ": " and what lies there when anything does.
QString SectorStatus(std::int32_t X, std::int32_t Y, const QString& contents);
// "Planet Terra", "Warp to Sol", "Storm": what an object is, for tooltips
// and the status bar.
QString ObjectDescription(const CSpaceObject& object);

// The galaxy cell of a pixel of the unscaled galaxy picture, as a press
// rounds it, clamped to the grid (a press beside the picture lands on its
// edge cell).
int GalaxyCellOf(double pixel, int cells);

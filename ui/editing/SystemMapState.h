#pragma once

#include <cstdint>

#include "model/CUniverse.h"

// A point of the unscaled system map picture; reals, since a press on a
// zoomed map falls between its pixels.
struct PixelPoint {
    double x = 0, y = 0;
};
// A pixel outside the sector field: no sector is selected.
inline constexpr std::int32_t NoSectorPixel = -10000;

struct SectorPoint {
    std::int32_t X = 0, Y = 0;
};

// The main window's selection and editing state as the system map editing
// reads and changes it.
struct SystemMapState {
    std::int32_t SelectedSystem = NoID;
    bool SystemIsSelected = false;
    bool SystemMapActive = false;
    bool GalaxyHasFocus = false;
    std::int32_t EditKind = NoID;
    std::int32_t SelectedObject = NoID;
    bool Dragging = false;
    PixelPoint DragStart;
    PixelPoint LastPixel;
    SectorPoint LastSector;
};

// Which dialogs ShowDialogs opens.
struct DialogFlags {
    bool System = false, Star = false, Planet = false, Asteroid = false, Storm = false, Warp = false;
};

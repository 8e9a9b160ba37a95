#pragma once

#include <cstdint>

// The selection state of the main window. Every field starts at zero / false;
// -999 (NoID) means "nothing" for the IDs and the kind.
struct WindowState {
    std::int32_t SelectedSystem = 0;
    bool SystemIsSelected = false;
    // The system map holds the editing focus: an object was picked there or a
    // create command was started for the selected system.
    bool SystemMapActive = false;
    // Whether the last press went to the galaxy map; decides whether Remove
    // deletes a system or an object.
    bool GalaxyHasFocus = false;
    // -1 system, 1 star, 2 warp, 3 storm, 4 planet, 8 asteroids, -999 none.
    std::int32_t EditKind = 0;
    std::int32_t SelectedObject = 0;
    bool Dragging = false;
    std::int32_t DragStartX = 0, DragStartY = 0;
    // Pixel and sector of the last press on the system map.
    std::int32_t LastPixelX = 0, LastPixelY = 0;
    std::int32_t LastSectorX = 0, LastSectorY = 0;
    // Pixel of the last galaxy press; Update re-selects the galaxy cell from it.
    double GalaxyPressX = 0, GalaxyPressY = 0;
};

// EditKind of a system.
constexpr std::int32_t EditKindSystem = -1;

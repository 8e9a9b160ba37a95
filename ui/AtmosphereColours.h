#pragma once

// The colours of the planet atmosphere rings: the legend of the main window
// and the atmosphere bitmaps share them.
struct AtmosphereColour {
    const char* legend;  // text of the legend
    const char* bitmap;  // file the system map overlays on a planet
    int red, green, blue;
};

inline constexpr AtmosphereColour AtmosphereColours[] = {
    {"O2", "Oxygen.bmp", 0, 170, 255},
    {"CO2", "CarbonDioxide.bmp", 255, 140, 0},
    {"H", "Hydrogen.bmp", 230, 230, 120},
    {"CH4", "Methane.bmp", 0, 200, 80},
    {"NO", "None.bmp", 150, 150, 150},
    {"Other", "Unknown.bmp", 220, 60, 220},
};

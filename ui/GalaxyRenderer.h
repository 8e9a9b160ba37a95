#pragma once

#include <QColor>
#include <QImage>

class CUniverse;
class Reporter;

constexpr int GalaxyCellSize = 4;
constexpr int GalaxyMapWidth = 272;   // 68 columns
constexpr int GalaxyMapHeight = 200;  // 50 rows

// The colour of warp lines: the grey of an inactive window border.
QColor WarpLineColour();

// DrawSystems: every system as a yellow disc on black, warp lines between
// linked systems, names unless hidden. A warp whose destination is no longer
// in the universe is reported (once per warp, on every redraw) and not drawn.
QImage RenderGalaxy(const CUniverse& universe, bool hideLabels, Reporter& reporter);

#pragma once

#include "cli/CliContext.h"

// render MAP.txt -o OUT.png [--system NAME] [--scale K] [--no-labels]: draws
// the galaxy (or one system's sector field) as the editor draws it and writes
// it as PNG. Exit 1 when the map cannot be read or the picture not written,
// 2 for bad arguments or a system the map does not hold (nothing is written).
int RunRenderCommand(const CliContext& context);

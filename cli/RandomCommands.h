#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "folders/ProgramFolders.h"

// random-map --quadrant NAME --systems N --shape SHAPE [--seed S] [--progress]
//            [--multiple] -o OUT.txt
// Checks the request as the random map dialog does (exit 2 with its message
// on err), generates the galaxy and writes its txt map to OUT. 0 only when
// OUT was written; 1 when the map could not be written.
int RunRandomMapCommand(const ProgramFolders& folders, const std::vector<std::string>& args,
                        std::ostream& out, std::ostream& err);

// random-system --type NAME --at X,Y [--name NAME] [--map IN.txt] [--seed S]
//               [--multiple] -o OUT.txt
// Adds one random system to the map IN (or to an empty map) at galaxy cell
// X,Y and writes the result to OUT. An occupied cell or an unknown type is
// refused with exit 2.
int RunRandomSystemCommand(const ProgramFolders& folders, const std::vector<std::string>& args,
                           std::ostream& out, std::ostream& err);

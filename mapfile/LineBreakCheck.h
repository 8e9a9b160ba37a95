#pragma once

#include <string>
#include <vector>

#include "model/CUniverse.h"

// A value holding CR or LF would split its line and shift every line after
// it, so no reader could take the map back. These give the reason such a
// block or object cannot be written (naming the object and the field), or
// an empty text when every written value is a single line.
std::string FindLineBreak(const CSystem& system, const std::vector<SpaceObjectRef>& objects);
std::string FindLineBreak(const CSpaceObject& object, std::int32_t K);

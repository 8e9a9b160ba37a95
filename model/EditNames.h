#pragma once

#include <cstdint>
#include <string>

#include "model/CSpaceObject.h"
#include "model/CSystem.h"

// The words the names of edit steps are made of.

// "System 'Beta'".
std::string SystemWords(const CSystem& system);
// "Star 'Sol'", "Planet 'Earth'", "Asteroids 'Belt'", "Storm",
// "Warp Point to 'Vega'".
std::string ObjectWords(const CSpaceObject& object);
// "1 warp", "2 warps".
std::string CountWords(std::size_t count, const std::string& singular);

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/AbilityCatalog.h"
#include "model/CSystem.h"
#include "random/RandomSystemTypes.h"

// A generated system must stay within the lines one system block of a txt
// map may take, or no map holding it could be saved.

// The abilities an object of the kind ("Star", "Planet", ...) may carry within
// the lines one object may take.
std::int32_t MaxAbilitiesOf(const std::string& physicalKind);

// How many of the type's objects, from the first, fit in one system block,
// each counted with every ability its group could give it (a black-hole
// block counted with the shipped 31-line template).
std::size_t ObjectsThatFit(const RandomSystemType& type, bool blackHole, const AbilityCatalog& abilities);

// True when the system's block can take an object of that many more lines.
bool HasRoomFor(const CSystem& system, std::int32_t lines);

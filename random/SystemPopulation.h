#pragma once

#include <cstdint>
#include <string>

#include "model/CSystem.h"
#include "random/GenerationContext.h"
#include "random/RandomSystemTypes.h"

// The numerals the next star, planet, asteroid field and storm of a system take.
struct ObjectCounters {
    std::int32_t stars = 1;
    std::int32_t planets = 1;
    std::int32_t asteroids = 1;
    std::int32_t storms = 1;
};

// A new system of the type at galaxy cell (column, row) with the given name,
// one random background and the type's physical kind; not yet in the universe.
SystemRef CreateRandomSystem(GenerationContext& context, std::int32_t column, std::int32_t row,
                             const RandomSystemType& type, const std::string& name);

// Makes one object of the type at sector (X, Y) of system S, with its name,
// catalogue type, random values and abilities drawn by chance, and adds it
// to the universe. A kind it does not know is reported and gives nothing.
SpaceObjectRef CreateRandomObject(GenerationContext& context, const SystemTypeObject& object, const SystemRef& S,
                                  std::int32_t X, std::int32_t Y, ObjectCounters& counters);

// Places and creates every object of the type in the system, which must
// already be in the universe.
void PopulateSystem(GenerationContext& context, const SystemRef& system, const RandomSystemType& type);

// One random system of the named type at galaxy cell (column, row), named
// typedName or, when that is empty, by the name generator. Added with its
// objects; returned.
SystemRef GenerateRandomSystem(GenerationContext& context, const std::string& typeName, std::int32_t column,
                               std::int32_t row, const std::string& typedName);

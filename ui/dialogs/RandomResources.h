#pragma once

#include <string>

#include "model/RandomSource.h"

// The values the "Random" buttons of the planet and asteroid dialogs fill in,
// as the texts the fields receive.
struct RandomPlanetValues {
    std::string minerals, organics, radioactives, gravity, temperature, radiation, conditions;
};
struct RandomAsteroidValues {
    std::string minerals, organics, radioactives;
};

// Drawn in the order the planet dialog fills its fields.
RandomPlanetValues DrawPlanetValues(RandomSource& random);
RandomAsteroidValues DrawAsteroidValues(RandomSource& random);

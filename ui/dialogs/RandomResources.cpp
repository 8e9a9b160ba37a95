#include "ui/dialogs/RandomResources.h"

#include <cstdint>

#include "text/TextHelpers.h"
#include "model/RandomDraws.h"

namespace {

std::string WholeText(RandomSource& random, std::int32_t a, std::int32_t b) {
    return std::to_string(RandomInt(random, a, b));
}

// Rounded to the given decimals and written with a point.
std::string RealText(RandomSource& random, double a, double b, int decimals) {
    return FormatReal(RoundDecimals(RandomReal(random, a, b), decimals));
}

}  // namespace

RandomPlanetValues DrawPlanetValues(RandomSource& random) {
    RandomPlanetValues v;
    v.minerals = WholeText(random, 0, 150);
    v.organics = WholeText(random, 0, 150);
    v.radioactives = WholeText(random, 0, 150);
    v.gravity = RealText(random, 0, 2, 2);
    v.temperature = WholeText(random, -200, 200);
    v.radiation = WholeText(random, 0, 500);
    v.conditions = RealText(random, -0.5, 2, 1);
    return v;
}

RandomAsteroidValues DrawAsteroidValues(RandomSource& random) {
    RandomAsteroidValues v;
    v.minerals = WholeText(random, 0, 90);
    v.organics = WholeText(random, 0, 90);
    v.radioactives = WholeText(random, 0, 90);
    return v;
}

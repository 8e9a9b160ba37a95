#include "model/RandomDraws.h"

#include <cmath>

#include "model/RandomSource.h"

std::int32_t RandomInt(RandomSource& random, std::int32_t lo, std::int32_t hi) {
    const double span = static_cast<double>(hi) - static_cast<double>(lo) + 1.0;
    const double value = std::floor(span * random.Next() + static_cast<double>(lo));
    // Rounding of the product can reach hi + 1 for huge spans; keep it in range.
    if (lo <= hi && value > hi) return hi;
    return static_cast<std::int32_t>(value);
}

double RandomReal(RandomSource& random, double lo, double hi) { return random.Next() * (hi - lo) + lo; }

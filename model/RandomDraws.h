#pragma once

#include <cstdint>

class RandomSource;

// floor((hi - lo + 1) * r + lo) with r from the generator: every value of
// lo .. hi equally likely (callers pass lo <= hi).
std::int32_t RandomInt(RandomSource& random, std::int32_t lo, std::int32_t hi);

// r * (hi - lo) + lo.
double RandomReal(RandomSource& random, double lo, double hi);

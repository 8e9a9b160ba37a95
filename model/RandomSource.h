#pragma once

#include <cstdint>
#include <random>

// The one uniform generator every random draw goes through. The editor seeds it
// from the clock, tests from a fixed seed, so a seed reproduces a whole map.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 1) : engine_(seed) {}

    void Seed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform in [0, 1). Built from the raw bits instead of a standard
    // distribution so the sequence is the same with every standard library.
    double Next() { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::mt19937_64 engine_;
};

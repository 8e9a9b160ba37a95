#pragma once

#include <string_view>

// The keys of the resource lines of planets and asteroid fields (after the
// "Space Object K " prefix), shared by the writer and the loader.
struct ResourceKeys {
    std::string_view minerals;
    std::string_view organics;
    std::string_view radioactives;
};

inline constexpr ResourceKeys PlanetResourceKeys{"Planet Value Minerals", "Planet Value Organics",
                                                 "Planet Value Radioactives"};
inline constexpr ResourceKeys AsteroidResourceKeys{"Asteroids Value Minerals", "Asteroids Value Organics",
                                                   "Asteroids Value Radioactives"};

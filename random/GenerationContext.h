#pragma once

#include <functional>
#include <string>
#include <utility>

#include "random/GameData.h"
#include "model/CUniverse.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"

// How a generation shows its progress: the editor puts the texts in its
// progress label and redraws the galaxy map; a command-line run may print
// them; tests leave both empty.
struct GenerationProgress {
    std::function<void(const std::string&)> status;
    std::function<void()> redraw;

    void Status(const std::string& text) const {
        if (status) status(text);
    }
    void Redraw() const {
        if (redraw) redraw();
    }
};

// Everything one generation works on and with.
struct GenerationContext {
    CUniverse& universe;
    GameData& data;
    RandomSource& random;
    Reporter& reporter;
    // Several objects may share a sector (the "MultipleObjectsInSameSector" setting).
    bool multipleObjects = false;
    GenerationProgress progress;
};

// A context for the editor's settings: several objects per sector exactly
// when the settings file says "True".
inline GenerationContext MakeGenerationContext(CUniverse& universe, GameData& data, RandomSource& random,
                                               Reporter& reporter, GenerationProgress progress = {}) {
    return GenerationContext{universe, data, random, reporter, data.Config.AllowsMultipleObjects(),
                             std::move(progress)};
}

// The shapes a random galaxy can take, by their names in the dialog.
inline constexpr const char* ShapeRandom = "Random";
inline constexpr const char* ShapeSpiral = "Spiral";
inline constexpr const char* ShapeGrid = "Grid";
inline constexpr const char* ShapeIslands = "Islands";

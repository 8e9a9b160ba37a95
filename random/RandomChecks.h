#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "random/GameData.h"

// The checks of the random map and random system dialogs, in the dialogs'
// order. Each returns the message of the first failing check, or empty text
// when everything passes; the dialogs and the command-line tool share them.

// The largest number of systems a map of the shape may ask for: 80 for
// "Grid", otherwise the number of system names, at most 200.
std::int32_t MaxRandomSystems(const std::string& shape, std::size_t nameCount);

std::string CheckRandomMapRequest(const GameData& data, const std::string& quadrantTypeName,
                                  const std::string& numberText, const std::string& shape);

// The number of systems the dialog stores for an accepted number text.
std::optional<std::int32_t> RandomSystemsNumber(const std::string& numberText);

// What the number field shows for a quadrant type: its location count in red
// when it has locations, else "50" in black.
struct SystemsField {
    std::string text;
    bool red = false;
};
SystemsField SystemsFieldFor(const QuadrantType& quadrant);

std::string CheckSystemTypeChoice(const GameData& data, const std::string& typeName);

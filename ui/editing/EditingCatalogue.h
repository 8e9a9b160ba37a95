#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/StellarTypeNames.h"
#include "model/Records.h"

// The words of a stellar object type that the dialogs show for an object.
struct StellarTypeWords {
    std::string Colour, Size, SubType, Atmosphere;
};

// The choices of an object dialog that narrow its specific type list.
struct TypeChoice {
    std::string Colour, Size, Type, Atmosphere;
};

// What object editing asks of the game data catalogues: the stellar object
// types, their pictures, the atmospheres and the abilities per object kind.
class EditingCatalogue : public StellarTypeNames {
public:
    // The words of the entry with that ordinal; empty words when there is none.
    virtual StellarTypeWords WordsOfOrdinal(std::int32_t ordinal) const = 0;
    // Names of the entries of the kind that match the choice, in catalogue order
    // (stars by colour and size, planets by size, type and atmosphere,
    // asteroid fields by size and type, warp points by size, storms all).
    virtual std::vector<std::string> SpecificTypeNames(std::int32_t kind, const TypeChoice& choice) const = 0;
    // The picture file to show for a type name, when one exists.
    virtual std::optional<std::filesystem::path> PictureOfTypeName(const std::string& name) const = 0;
    virtual std::vector<std::string> Atmospheres() const = 0;
    // Ability texts offered for an object kind, in catalogue order.
    virtual std::vector<std::string> AbilityTextsOfKind(std::int32_t kind) const = 0;
    // The ability an ability text names for the kind; reports a text that
    // names none and returns an ability described "NO".
    virtual CAbility AbilityFromText(std::int32_t kind, const std::string& text) const = 0;
};

#pragma once

#include "random/GameData.h"
#include "text/Reporter.h"
#include "ui/editing/EditingCatalogue.h"

// Object editing's view of the catalogues the editor read at start-up.
class GameDataCatalogue : public EditingCatalogue {
public:
    GameDataCatalogue(const GameData& data, Reporter& reporter) : data_(data), reporter_(reporter) {}

    std::string TypeNameOfOrdinal(std::int32_t ordinal) const override;
    std::int32_t OrdinalOfTypeName(const std::string& name) const override;
    StellarTypeWords WordsOfOrdinal(std::int32_t ordinal) const override;
    std::vector<std::string> SpecificTypeNames(std::int32_t kind, const TypeChoice& choice) const override;
    std::optional<std::filesystem::path> PictureOfTypeName(const std::string& name) const override;
    std::vector<std::string> Atmospheres() const override;
    std::vector<std::string> AbilityTextsOfKind(std::int32_t kind) const override;
    CAbility AbilityFromText(std::int32_t kind, const std::string& text) const override;

private:
    const GameData& data_;
    Reporter& reporter_;
};

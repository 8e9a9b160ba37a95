#include "ui/editing/GameDataCatalogue.h"

#include "model/CSpaceObject.h"

namespace {

std::vector<StellarTypeEntry> EntriesFor(const StellarCatalog& c, std::int32_t kind, const TypeChoice& t) {
    switch (kind) {
        case KindStar: return c.StarTypesOf(t.Colour, t.Size);
        case KindPlanet: return c.PlanetTypesOf(t.Size, t.Type, t.Atmosphere);
        case KindAsteroids: return c.AsteroidTypesOf(t.Size, t.Type);
        case KindStorm: return c.StormTypes();
        case KindWarpPoint: return c.WarpTypesOf(t.Size);
        default: return {};
    }
}

}  // namespace

std::string GameDataCatalogue::TypeNameOfOrdinal(std::int32_t ordinal) const {
    return data_.Stellar.TypeNameOfOrdinal(ordinal);
}

std::int32_t GameDataCatalogue::OrdinalOfTypeName(const std::string& name) const {
    return data_.Stellar.OrdinalOfTypeName(name);
}

StellarTypeWords GameDataCatalogue::WordsOfOrdinal(std::int32_t ordinal) const {
    const StellarTypeEntry entry = data_.Stellar.FindTypeByOrdinal(ordinal);
    return {entry.Colour, entry.Size, entry.SubType, entry.Atmosphere};
}

std::vector<std::string> GameDataCatalogue::SpecificTypeNames(std::int32_t kind, const TypeChoice& choice) const {
    std::vector<std::string> names;
    for (const StellarTypeEntry& entry : EntriesFor(data_.Stellar, kind, choice)) names.push_back(entry.Name);
    return names;
}

std::optional<std::filesystem::path> GameDataCatalogue::PictureOfTypeName(const std::string& name) const {
    const std::string file = data_.Stellar.PictureOfTypeName(name);
    if (file.empty()) return std::nullopt;
    return data_.Stellar.ResolvePicture(file);
}

std::vector<std::string> GameDataCatalogue::Atmospheres() const { return data_.SystemTypes.Atmospheres(); }

std::vector<std::string> GameDataCatalogue::AbilityTextsOfKind(std::int32_t kind) const {
    std::vector<std::string> texts;
    for (const AbilityDefinition& ability : data_.Abilities.AbilitiesOfKind(kind)) texts.push_back(ability.AbilityText());
    return texts;
}

CAbility GameDataCatalogue::AbilityFromText(std::int32_t kind, const std::string& text) const {
    return data_.Abilities.AbilityFromText(kind, text, reporter_);
}

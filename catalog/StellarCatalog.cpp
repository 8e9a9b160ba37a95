#include "catalog/StellarCatalog.h"

#include <algorithm>

#include "text/LineCursor.h"
#include "text/TextHelpers.h"
#include "text/Reporter.h"
#include "model/RandomDraws.h"

namespace {

constexpr std::size_t ValueColumn = 31;
const std::string EntryKey = "Stellar Object Name";

std::string Value(LineCursor& cursor) { return ValueFrom(cursor.Next(), ValueColumn); }

// Lines 2 onwards of one entry, by its physical type. Reading past the end
// throws, leaving what was stored so far in the entry.
void ReadStar(LineCursor& in, StellarTypeEntry& e) {
    in.Skip(5);  // lines 2 to 6
    e.PictureFile = Value(in);
    in.Skip(2);
    e.Size = Value(in);
    in.Skip(1);
    e.Colour = Value(in);
    in.Skip(1);
}

void ReadPlanet(LineCursor& in, StellarTypeEntry& e, bool sphereworld) {
    in.Skip(sphereworld ? 5 : 4);
    e.PictureFile = Value(in);
    in.Skip(2);
    e.Size = Value(in);
    e.SubType = Value(in);
    e.Atmosphere = Value(in);
    in.Skip(5);
}

// Storms, asteroid fields and warp points share lines 2 to 9.
void ReadPictureAndSize(LineCursor& in, StellarTypeEntry& e) {
    in.Skip(4);
    e.PictureFile = Value(in);
    in.Skip(2);
    e.Size = Value(in);
}

// The layout follows the type as the file writes it: only "Warp Point" has
// the warp layout, a bare "Warp" is a type of no known layout.
void ReadByType(LineCursor& in, StellarTypeEntry& e, const std::string& type) {
    if (type == "Star") {
        ReadStar(in, e);
    } else if (type == "Planet") {
        ReadPlanet(in, e, e.Name.compare(0, 11, "Sphereworld") == 0);
    } else if (type == "Storm") {
        ReadPictureAndSize(in, e);
    } else if (type == "Asteroids") {
        ReadPictureAndSize(in, e);
        e.SubType = Value(in);
    } else if (type == "Warp Point") {
        ReadPictureAndSize(in, e);
        in.Skip(2);
    }
}

// One field a random pick compares, with the value asked for and the list an
// "Any" is drawn from.
struct Criterion {
    std::string StellarTypeEntry::*field;
    std::string wanted;
    std::vector<std::string> anyPool;

    bool IsAny() const { return wanted == "Any"; }
    bool CanMatch(const StellarTypeEntry& e) const {
        if (!IsAny()) return e.*field == wanted;
        return std::find(anyPool.begin(), anyPool.end(), e.*field) != anyPool.end();
    }
    std::string Draw(RandomSource& random) const {
        if (!IsAny()) return wanted;
        return anyPool[RandomInt(random, 0, static_cast<std::int32_t>(anyPool.size()) - 1)];
    }
};

bool IsKind(const StellarTypeEntry& e, const std::string& kind) { return e.PhysicalType == kind; }

bool Matches(const StellarTypeEntry& e, const std::string& kind, const std::vector<Criterion>& criteria,
             const std::vector<std::string>& values) {
    if (!IsKind(e, kind)) return false;
    for (std::size_t i = 0; i < criteria.size(); ++i)
        if (e.*(criteria[i].field) != values[i]) return false;
    return true;
}

// Resolves the "Any" values, collects the matching entries and draws one;
// draws the values again while nothing matches. Checks first that some entry
// can match at all, so the loop always ends.
std::int32_t PickRandom(const std::vector<StellarTypeEntry>& entries, const std::string& kind,
                        const std::vector<Criterion>& criteria, const std::string& kindWord,
                        RandomSource& random, Reporter& reporter) {
    const auto canMatch = [&](const StellarTypeEntry& e) {
        return IsKind(e, kind) && std::all_of(criteria.begin(), criteria.end(),
                                              [&](const Criterion& c) { return c.CanMatch(e); });
    };
    if (std::none_of(entries.begin(), entries.end(), canMatch)) {
        reporter.Error("There are no entries for that kind of " + kindWord);
        return 0;
    }
    for (;;) {
        std::vector<std::string> values;
        for (const Criterion& c : criteria) values.push_back(c.Draw(random));
        std::vector<std::int32_t> found;
        for (const StellarTypeEntry& e : entries)
            if (Matches(e, kind, criteria, values)) found.push_back(e.Ordinal);
        if (!found.empty()) return found[RandomInt(random, 0, static_cast<std::int32_t>(found.size()) - 1)];
    }
}

}  // namespace

const std::vector<std::string>& StarColours() {
    static const std::vector<std::string> list{"Yellow", "Red", "Purple", "Green", "Blue", "White", "Orange"};
    return list;
}

const std::vector<std::string>& ObjectSizes() {
    static const std::vector<std::string> list{"Tiny", "Small", "Medium", "Large", "Huge"};
    return list;
}

const std::vector<std::string>& PlanetTypes() {
    static const std::vector<std::string> list{"Rock", "Ice", "Gas Giant"};
    return list;
}

std::string AtmospherePicture(const std::string& atmosphere) {
    return LookUpText({{"Oxygen", "Oxygen.bmp"}, {"Carbon Dioxide", "CarbonDioxide.bmp"}, {"Hydrogen", "Hydrogen.bmp"},
                       {"Methane", "Methane.bmp"}, {"None", "None.bmp"}},
                      atmosphere, "Unknown.bmp");
}

bool StellarCatalog::ParseStellarObjectTypes(const std::filesystem::path& file, Reporter& reporter) {
    std::size_t count = 0;
    return ReadDataFile(file, "The 'StellarObjectTypes.txt' path is incorrect", "\"" + EntryKey + "\" entries", reporter,
                        [&](LineCursor& in) {
        while (!in.AtEnd()) {
            const std::string& line = in.Next();
            if (!StartsWith(line, EntryKey)) continue;
            // The catalogue becomes the entries read so far plus the new one.
            entries_.resize(count);
            entries_.push_back(StellarTypeEntry{});
            StellarTypeEntry& entry = entries_.back();
            entry.Name = ValueFrom(line, ValueColumn);
            const std::string fileType = Value(in);
            entry.PhysicalType = fileType == "Warp Point" ? "Warp" : fileType;
            ReadByType(in, entry, fileType);
            entry.Ordinal = static_cast<std::int32_t>(++count);
        }
        return count > 0;
    });
}

const StellarTypeEntry& StellarCatalog::FindTypeByOrdinal(std::int32_t ordinal) const {
    static const StellarTypeEntry none;
    if (ordinal == 0) return none;  // an entry cut short carries 0 and is never meant
    // Entry k normally sits at position k - 1; the scan covers everything else.
    if (ordinal > 0 && static_cast<std::size_t>(ordinal) <= entries_.size() && entries_[ordinal - 1].Ordinal == ordinal)
        return entries_[ordinal - 1];
    for (const auto& e : entries_)
        if (e.Ordinal == ordinal) return e;
    return none;
}

std::string StellarCatalog::TypeNameOfOrdinal(std::int32_t ordinal) const { return FindTypeByOrdinal(ordinal).Name; }

std::int32_t StellarCatalog::OrdinalOfTypeName(const std::string& name) const {
    return FindTypeByName(name).Ordinal;
}

std::string StellarCatalog::PictureOfTypeName(const std::string& name) const {
    return FindTypeByName(name).PictureFile;
}

std::string StellarCatalog::PictureOfOrdinal(std::int32_t ordinal) const {
    return FindTypeByOrdinal(ordinal).PictureFile;
}

std::vector<StellarTypeEntry> StellarCatalog::StarTypesOf(const std::string& colour, const std::string& size) const {
    return Select([&](const StellarTypeEntry& e) {
        return IsKind(e, "Star") && e.Colour == colour && e.Size == size;
    });
}

std::vector<StellarTypeEntry> StellarCatalog::PlanetTypesOf(const std::string& size, const std::string& planetType,
                                                            const std::string& atmosphere) const {
    return Select([&](const StellarTypeEntry& e) {
        return IsKind(e, "Planet") && e.Size == size && e.SubType == planetType && e.Atmosphere == atmosphere;
    });
}

std::vector<StellarTypeEntry> StellarCatalog::AsteroidTypesOf(const std::string& size,
                                                              const std::string& asteroidType) const {
    return Select([&](const StellarTypeEntry& e) {
        return IsKind(e, "Asteroids") && e.Size == size && e.SubType == asteroidType;
    });
}

std::vector<StellarTypeEntry> StellarCatalog::StormTypes() const {
    return Select([](const StellarTypeEntry& e) { return IsKind(e, "Storm"); });
}

std::vector<StellarTypeEntry> StellarCatalog::WarpTypesOf(const std::string& size) const {
    return Select([&](const StellarTypeEntry& e) { return IsKind(e, "Warp") && e.Size == size; });
}

std::int32_t StellarCatalog::RandomStarType(const std::string& colour, const std::string& size,
                                            RandomSource& random, Reporter& reporter) const {
    const std::vector<Criterion> criteria{{&StellarTypeEntry::Colour, colour, StarColours()},
                                          {&StellarTypeEntry::Size, size, ObjectSizes()}};
    return PickRandom(entries_, "Star", criteria, "Star", random, reporter);
}

std::int32_t StellarCatalog::RandomPlanetType(const std::string& size, const std::string& planetType,
                                              const std::string& atmosphere,
                                              const std::vector<std::string>& atmospheres, RandomSource& random,
                                              Reporter& reporter) const {
    // An "Any" atmosphere is drawn from the first five known atmospheres.
    const std::vector<std::string> atmospherePool(atmospheres.begin(),
                                                  atmospheres.begin() + std::min<std::size_t>(5, atmospheres.size()));
    const std::vector<Criterion> criteria{{&StellarTypeEntry::Size, size, ObjectSizes()},
                                          {&StellarTypeEntry::SubType, planetType, PlanetTypes()},
                                          {&StellarTypeEntry::Atmosphere, atmosphere, atmospherePool}};
    return PickRandom(entries_, "Planet", criteria, "Planet", random, reporter);
}

std::int32_t StellarCatalog::RandomAsteroidType(const std::string& size, const std::string& asteroidType,
                                                RandomSource& random, Reporter& reporter) const {
    // Asteroid types are drawn from the planet type list as well.
    const std::vector<Criterion> criteria{{&StellarTypeEntry::Size, size, ObjectSizes()},
                                          {&StellarTypeEntry::SubType, asteroidType, PlanetTypes()}};
    return PickRandom(entries_, "Asteroids", criteria, "Asteroid", random, reporter);
}

std::int32_t StellarCatalog::RandomStormType(RandomSource& random, Reporter& reporter) const {
    return PickRandom(entries_, "Storm", {}, "Storm", random, reporter);
}

std::int32_t StellarCatalog::RandomWarpType(const std::string& size, RandomSource& random, Reporter& reporter) const {
    // The size is taken as it stands, never as "Any".
    const auto found = WarpTypesOf(size);
    if (found.empty()) {
        reporter.Error("There are no entries for that kind of Warp");
        return 0;
    }
    return found[RandomInt(random, 0, static_cast<std::int32_t>(found.size()) - 1)].Ordinal;
}

void StellarCatalog::SetPictureFolders(const std::filesystem::path& primary, const std::filesystem::path& secondary) {
    primaryPictures_ = primary;
    secondaryPictures_ = secondary;
}

std::optional<std::filesystem::path> StellarCatalog::ResolvePicture(const std::string& pictureFile) const {
    if (pictureFile.empty()) return std::nullopt;
    for (const auto& folder : {primaryPictures_, secondaryPictures_}) {
        if (folder.empty()) continue;
        const auto candidate = folder / pictureFile;
        if (FileExists(candidate)) return candidate;
    }
    return std::nullopt;
}

std::vector<std::string> StellarCatalog::PictureFiles() const {
    std::vector<std::string> files;
    for (const auto& e : entries_)
        if (!e.PictureFile.empty() && std::find(files.begin(), files.end(), e.PictureFile) == files.end())
            files.push_back(e.PictureFile);
    return files;
}

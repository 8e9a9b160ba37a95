#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalog/EntryList.h"
#include "model/StellarTypeNames.h"

class RandomSource;
class Reporter;

// One named kind of star, planet, asteroid field, storm or warp point.
struct StellarTypeEntry {
    std::string Name;
    std::string PhysicalType;  // "Star", "Planet", "Storm", "Asteroids", "Warp" or as read
    std::string Size;
    std::string SubType;     // planet type or asteroid type
    std::string Atmosphere;  // planets
    std::string Colour;      // stars
    std::string PictureFile;
    std::int32_t Ordinal = 0;  // 1-based position in the file; 0 for an entry cut short
};

// The fixed value lists, in the order the random picks index them.
const std::vector<std::string>& StarColours();
const std::vector<std::string>& ObjectSizes();
const std::vector<std::string>& PlanetTypes();

// The bitmap shown for an atmosphere ("Unknown.bmp" for any unknown name).
std::string AtmospherePicture(const std::string& atmosphere);

// The catalogue of "StellarObjectTypes.txt", in file order.
class StellarCatalog : public EntryList<StellarTypeEntry>, public StellarTypeNames {
public:
    inline static const char* FileName = "StellarObjectTypes.txt";

    // Rebuilds the catalogue from the file. A failure is reported with
    // "The 'StellarObjectTypes.txt' path is incorrect" and returns false;
    // entries completed before it stay. A file that cannot be opened or holds
    // no entry leaves the previous catalogue as it was.
    bool ParseStellarObjectTypes(const std::filesystem::path& file, Reporter& reporter);

    StellarTypeEntry FindTypeByName(const std::string& name) const { return FindByName(name); }
    // An empty entry when no entry has that ordinal. The reference lasts until
    // the catalogue is read again.
    const StellarTypeEntry& FindTypeByOrdinal(std::int32_t ordinal) const;
    std::string TypeNameOfOrdinal(std::int32_t ordinal) const override;
    std::int32_t OrdinalOfTypeName(const std::string& name) const override;
    std::string PictureOfTypeName(const std::string& name) const;
    std::string PictureOfOrdinal(std::int32_t ordinal) const;

    // Filtered lists in catalogue order; their size is the count.
    std::vector<StellarTypeEntry> StarTypesOf(const std::string& colour, const std::string& size) const;
    std::vector<StellarTypeEntry> PlanetTypesOf(const std::string& size, const std::string& planetType,
                                                const std::string& atmosphere) const;
    std::vector<StellarTypeEntry> AsteroidTypesOf(const std::string& size, const std::string& asteroidType) const;
    std::vector<StellarTypeEntry> StormTypes() const;
    std::vector<StellarTypeEntry> WarpTypesOf(const std::string& size) const;

    // Random picks: the Ordinal of a matching entry drawn at random; "Any"
    // draws the value from its list first. When nothing can ever match, the
    // pick reports "There are no entries for that kind of Star" (Planet,
    // Asteroid, Storm, Warp) and returns 0. Planet atmospheres for "Any" come
    // from the system types' atmosphere list.
    std::int32_t RandomStarType(const std::string& colour, const std::string& size, RandomSource& random,
                                Reporter& reporter) const;
    std::int32_t RandomPlanetType(const std::string& size, const std::string& planetType,
                                  const std::string& atmosphere, const std::vector<std::string>& atmospheres,
                                  RandomSource& random, Reporter& reporter) const;
    std::int32_t RandomAsteroidType(const std::string& size, const std::string& asteroidType,
                                    RandomSource& random, Reporter& reporter) const;
    std::int32_t RandomStormType(RandomSource& random, Reporter& reporter) const;
    std::int32_t RandomWarpType(const std::string& size, RandomSource& random, Reporter& reporter) const;

    // The folders pictures are looked up in, set once at start-up (full paths).
    void SetPictureFolders(const std::filesystem::path& primary, const std::filesystem::path& secondary);
    // The primary folder's file when it exists, else the secondary one's, else nothing.
    std::optional<std::filesystem::path> ResolvePicture(const std::string& pictureFile) const;

    // Every distinct non-empty PictureFile, in catalogue order.
    std::vector<std::string> PictureFiles() const;

private:
    std::filesystem::path primaryPictures_;
    std::filesystem::path secondaryPictures_;
};

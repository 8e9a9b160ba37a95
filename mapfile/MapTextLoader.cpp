#include "mapfile/MapTextLoader.h"

#include <unordered_map>
#include <vector>

#include "text/TextHelpers.h"
#include "mapfile/MapLineReader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/TxtKeys.h"

namespace {

constexpr CCoord SectorField{13, 10};
constexpr const char* ObjectCountKey = "Number of Space Objects";

// A warp point whose destination is resolved once all systems exist.
struct PendingWarp {
    SpaceObjectRef object;
    std::string destination;
    std::int32_t line = 0;  // of its "WP Destination System"
};

// Transparent hashing so that names can be looked up as string_views.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Builds a fresh universe from the lines of one txt map.
class MapTextLoader {
public:
    MapTextLoader(std::string_view text, std::string fileLabel, const StellarTypeNames& names,
                  const LoadOptions& options)
        : in_(text, std::move(fileLabel), options.checkKeys), names_(names), options_(options) {}

    LoadResult Load();

private:
    void ReadHeader();
    bool AtFooter();
    void ReadSystem();
    void ReadSystemHead(CSystem& system);
    void ReadBackground(CSystem& system);
    void SkipBlackHoleTemplate();
    std::int32_t ReadObjectCount(CSystem& system);
    void ReadObject(const SystemRef& system, std::int32_t K);
    void ReadKindLines(CSpaceObject& object, std::string_view physicalType);
    void ReadResources(CSpaceObject& object, const ResourceKeys& keys);
    void ReadWarpDestination(CSpaceObject& object);
    void ReadAbilities(CSpaceObject& object);
    std::int32_t StellarOrdinal(std::string_view name);
    std::optional<CCoord> SectorBound() const {
        return options_.sectorsInField ? std::optional<CCoord>(SectorField) : std::nullopt;
    }
    std::int32_t ResolveWarps();

    MapLineReader in_;
    const StellarTypeNames& names_;
    LoadOptions options_;
    CUniverse universe_;
    std::vector<PendingWarp> warps_;
    std::string warpDestination_;
    std::int32_t warpDestinationLine_ = 0;
    // Key prefixes of the object and the ability being read, kept to spare an
    // allocation per line.
    std::string prefix_;
    std::string abilityPrefix_;
    std::unordered_map<std::string, std::int32_t, NameHash, std::equal_to<>> ordinals_;
};

LoadResult MapTextLoader::Load() {
    LoadResult result;
    try {
        ReadHeader();
        while (!AtFooter()) ReadSystem();
        result.danglingWarps = ResolveWarps();
    } catch (const MapLoadError& failure) {
        result.error = failure.what();
        return result;
    } catch (const std::exception& failure) {  // out of memory on a huge file
        result.error = in_.FileLabel() + ", line " + std::to_string(in_.LineNumber()) + ": " + failure.what();
        return result;
    }
    result.universe = std::move(universe_);
    return result;
}

void MapTextLoader::ReadHeader() {
    std::int32_t n = 0;
    for (const auto& line : MapHeaderLines())
        in_.Fixed(line, "header line " + std::to_string(++n) + " \"" + line + "\"");
}

// True at the separator that closes the list of systems (the footer then
// follows); false at the start of another system block.
bool MapTextLoader::AtFooter() {
    const auto next = in_.Peek();
    if (!next) {
        in_.Fixed(MapSeparatorLine(), "\"System Name\" or the closing separator line");  // throws
        return true;
    }
    if (*next != MapSeparatorLine()) return false;
    if (in_.CheckingKeys())
        for (const auto& line : MapFooterLines()) in_.Fixed(line, "the footer line \"" + line + "\"");
    return true;
}

// The system joins the universe before its objects, so each object goes into
// the universe's list and the system's own list at once.
void MapTextLoader::ReadSystem() {
    SystemRef system = NewSystem();
    ReadSystemHead(*system);
    const std::int32_t count = ReadObjectCount(*system);
    universe_.AddSystem(system);
    for (std::int32_t K = 1; K <= count; ++K) ReadObject(system, K);
    in_.Fixed("", "the empty line after the system block");
}

void MapTextLoader::ReadSystemHead(CSystem& system) {
    system.name = in_.Text("System Name");
    system.Description = in_.Text("Description");
    system.X = in_.Int("Quadrant Xpos", 0, GalaxyColumns - 1);
    system.y = in_.Int("Quadrant Ypos", 0, GalaxyRows - 1);
    const std::string physical = in_.Text("System Physical Type");
    system.PhysicalType = PhysicalTypeFromText(physical);
    if (system.PhysicalType == 0)
        in_.Fail("expected \"Normal\", \"Black Hole\" or \"Nebulae\" for \"System Physical Type\", found " +
                 Quoted(physical));
    system.PortraitBitmap = in_.Text("Portrait Bitmap");
    system.PortraitIndex = in_.Byte("Portrait Picture Index");
    ReadBackground(system);
    system.EmpireCanStartInSystem = in_.Value("Empires Can Start In") == "TRUE";
    in_.Value("Is Common Starting Position");
    system.WPMinRadius = in_.Real("WP Min Radius");
    system.WPMaxRadius = in_.Real("WP Max Radius");
}

// The one background image the writer writes; its count line is checked as a
// number and otherwise not used.
void MapTextLoader::ReadBackground(CSystem& system) {
    in_.Real("Number of Stellar Background Images");
    const std::int32_t side = in_.Int("Stellar Background 1 Side");
    const std::int32_t x = in_.Int("Stellar Background 1 Xpos");
    const std::int32_t y = in_.Int("Stellar Background 1 Ypos");
    CStellarBackground background;
    background.Set(side, x, y, in_.Text("Stellar Background 1 Bitmap Filename"));
    system.addStellarBackground(background);
}

// The number of space objects; a black-hole block carries the template's
// lines instead of the cloud and ability counts.
std::int32_t MapTextLoader::ReadObjectCount(CSystem& system) {
    if (system.PhysicalType == PhysicalBlackHole) {
        SkipBlackHoleTemplate();
    } else {
        in_.Value("Number of Black Hole Clouds");
        system.nhabilidades = in_.Byte("Number of Abilities");
    }
    return in_.Int(ObjectCountKey, 0);
}

// Passes over the template's lines, whatever their number, up to the
// "Number of Space Objects" key. Meeting an object, another system or the
// footer first means the count line is missing.
void MapTextLoader::SkipBlackHoleTemplate() {
    for (auto next = in_.Peek(); next && !LineHasKey(*next, ObjectCountKey); next = in_.Peek()) {
        in_.Fixed(*next, "a line of the black-hole template");
        if (BreaksBlackHoleTemplate(*next))
            in_.Fail("expected the black-hole template lines followed by \"Number of Space Objects\"");
    }
}

void MapTextLoader::ReadObject(const SystemRef& system, std::int32_t K) {
    prefix_.assign("Space Object ").append(std::to_string(K)).push_back(' ');
    const TxtKey firstKey(prefix_, "Physical Type");
    const std::string_view line = in_.Line(firstKey);
    // The key, as long as expected, must match exactly (padding follows it).
    if (line.substr(0, prefix_.size()) != prefix_ || line.substr(prefix_.size(), firstKey.word.size()) != firstKey.word)
        in_.Fail("expected the key \"" + firstKey.Text() + "\", found " + Quoted(line));
    auto object = std::make_shared<CSpaceObject>();
    ReadKindLines(*object, TxtValueOf(line));
    object->systema = system;
    ReadAbilities(*object);
    universe_.AddSpaceObject(object, system->ID);
    if (object->Tipo == KindWarpPoint) warps_.push_back({object, std::move(warpDestination_), warpDestinationLine_});
}

void MapTextLoader::ReadKindLines(CSpaceObject& object, std::string_view physicalType) {
    object.Tipo = ObjectKindFromText(physicalType);
    if (object.Tipo == 0)
        in_.Fail("expected \"Star\", \"Planet\", \"Asteroids\", \"Storm\" or \"Warp Point\" for \"" + prefix_ +
                 "Physical Type\", found " + Quoted(physicalType));
    object.coord = in_.Location({prefix_, "Sector Location"}, SectorBound());
    const std::string_view name = in_.Value({prefix_, "Name"});
    if (object.Tipo != KindStorm && object.Tipo != KindWarpPoint) object.name = name;
    if (object.Tipo == KindPlanet) ReadResources(object, PlanetResourceKeys);
    if (object.Tipo == KindAsteroids) ReadResources(object, AsteroidResourceKeys);
    if (object.Tipo == KindWarpPoint) ReadWarpDestination(object);
    object.StellarObjectType = StellarOrdinal(in_.Value({prefix_, "Stellar Object Name"}));
}

void MapTextLoader::ReadResources(CSpaceObject& object, const ResourceKeys& keys) {
    object.resMinerals = in_.Int({prefix_, keys.minerals});
    object.resOrganics = in_.Int({prefix_, keys.organics});
    object.resRadioactives = in_.Int({prefix_, keys.radioactives});
    if (object.Tipo != KindPlanet) return;
    object.Conditions = in_.Text({prefix_, "Planet Conditions"});
    object.Gravity = in_.Text({prefix_, "Planet Gravity"});
    object.Temperature = in_.Int({prefix_, "Planet Temperature"});
    object.Radiation = in_.Int({prefix_, "Planet Radiation"});
}

// The destination is kept by name until every system exists.
void MapTextLoader::ReadWarpDestination(CSpaceObject& object) {
    warpDestination_ = in_.Text({prefix_, "WP Destination System"});
    warpDestinationLine_ = in_.LineNumber();
    object.destCoord = in_.Location({prefix_, "WP Destination Sector"}, SectorBound());
}

void MapTextLoader::ReadAbilities(CSpaceObject& object) {
    const std::int32_t count = in_.Int({prefix_, "Number of Abilities"}, 0);
    for (std::int32_t j = 1; j <= count; ++j) {
        abilityPrefix_.assign(prefix_).append("Ability ").append(std::to_string(j)).push_back(' ');
        CAbility ability;
        ability.Tipe = in_.Text({abilityPrefix_, "Type"});
        ability.Description = in_.Text({abilityPrefix_, "Description"});
        ability.Scope = in_.Text({abilityPrefix_, "Scope"});
        ability.RangeFormula = in_.Int({abilityPrefix_, "Range Formula"});
        ability.Amount1 = in_.Text({abilityPrefix_, "Amount 1 Formula"});
        ability.Amount2 = in_.Text({abilityPrefix_, "Amount 2 Formula"});
        object.AddAbility(ability);
    }
}

std::int32_t MapTextLoader::StellarOrdinal(std::string_view name) {
    auto found = ordinals_.find(name);
    if (found == ordinals_.end()) {
        std::string key(name);
        const std::int32_t ordinal = names_.OrdinalOfTypeName(key);
        found = ordinals_.emplace(std::move(key), ordinal).first;
    }
    return found->second;
}

// Points every warp at the first system carrying its destination's name;
// returns how many lead nowhere.
std::int32_t MapTextLoader::ResolveWarps() {
    std::unordered_map<std::string, SystemRef> byName;
    for (const auto& system : universe_.Systems()) byName.emplace(Trim(system->name), system);
    std::int32_t dangling = 0;
    for (auto& warp : warps_) {
        const auto found = warp.destination.empty() ? byName.end() : byName.find(Trim(warp.destination));
        if (found != byName.end()) {
            warp.object->destSystem = found->second;
            continue;
        }
        ++dangling;
        if (options_.requireResolvedWarps)
            throw MapLoadError(in_.FileLabel() + ", line " + std::to_string(warp.line) +
                               ": expected the name of a system of this map for \"WP Destination System\", found " +
                               Quoted(warp.destination));
        if (!warp.destination.empty()) warp.object->destSystem = NewDetachedSystem(warp.destination);
    }
    return dangling;
}

}  // namespace


LoadResult LoadMapTextFromMemory(std::string_view text, const std::string& fileLabel, const StellarTypeNames& names,
                                 const LoadOptions& options) {
    return MapTextLoader(text, fileLabel, names, options).Load();
}

LoadResult LoadMapText(const std::filesystem::path& file, const StellarTypeNames& names, const LoadOptions& options) {
    const FileContent content = ReadWholeFile(file, MaxMapFileBytes);
    if (!content.Ok()) {
        LoadResult failed;
        failed.error = file.string() + ": the map file " + content.error;
        return failed;
    }
    return LoadMapTextFromMemory(*content.bytes, file.string(), names, options);
}

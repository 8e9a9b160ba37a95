#include "mapfile/MapTextLoader.h"

#include <fstream>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "catalog/TextHelpers.h"
#include "mapfile/MapLineReader.h"
#include "mapfile/MapTextWriter.h"

namespace {

constexpr CCoord SectorField{13, 10};
constexpr const char* ObjectCountKey = "Number of Space Objects";

// A warp point whose destination is resolved once all systems exist.
struct PendingWarp {
    SpaceObjectRef object;
    std::int32_t line = 0;  // of its "WP Destination System"
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
    void ReadSystem(std::int32_t counter);
    void ReadSystemHead(CSystem& system);
    void ReadBackground(CSystem& system);
    void SkipBlackHoleTemplate();
    std::int32_t ReadObjectCount(CSystem& system);
    void ReadObject(const SystemRef& system, std::int32_t K, std::int32_t counter);
    void ReadKindLines(CSpaceObject& object, const std::string& physicalType, const std::string& prefix);
    void ReadResources(CSpaceObject& object, const std::string& prefix, const char* kindWord);
    void ReadWarpLines(CSpaceObject& object, const std::string& prefix);
    void ReadAbilities(CSpaceObject& object, const std::string& prefix);
    std::int32_t StellarOrdinal(const std::string& name);
    std::optional<CCoord> SectorBound() const {
        return options_.sectorsInField ? std::optional<CCoord>(SectorField) : std::nullopt;
    }
    std::int32_t ResolveWarps();

    MapLineReader in_;
    const StellarTypeNames& names_;
    LoadOptions options_;
    CUniverse universe_;
    std::vector<PendingWarp> warps_;
    std::int32_t warpDestinationLine_ = 0;
    std::unordered_map<std::string, std::int32_t> ordinals_;
};

LoadResult MapTextLoader::Load() {
    LoadResult result;
    try {
        ReadHeader();
        for (std::int32_t counter = 1; !AtFooter(); ++counter) ReadSystem(counter);
        result.danglingWarps = ResolveWarps();
    } catch (const MapLoadError& failure) {
        result.error = failure.what();
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

void MapTextLoader::ReadSystem(std::int32_t counter) {
    SystemRef system = NewSystem();
    system->ID = counter;
    ReadSystemHead(*system);
    const std::int32_t count = ReadObjectCount(*system);
    for (std::int32_t K = 1; K <= count; ++K) ReadObject(system, K, counter);
    universe_.AddSystem(system);
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
        in_.Fail("expected \"Normal\", \"Black Hole\" or \"Nebulae\" for \"System Physical Type\", found \"" +
                 physical + "\"");
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
        if (*next == MapSeparatorLine() || LineHasKey(*next, "System Name") || next->rfind("Space Object ", 0) == 0)
            in_.Fail("expected the black-hole template lines followed by \"Number of Space Objects\"");
    }
}

void MapTextLoader::ReadObject(const SystemRef& system, std::int32_t K, std::int32_t counter) {
    const std::string prefix = "Space Object " + std::to_string(K) + " ";
    const std::string firstKey = prefix + "Physical Type";
    const std::string_view line = in_.Line(TxtKey(prefix, "Physical Type"));
    if (Trim(line.substr(0, firstKey.size())) != firstKey)
        in_.Fail("expected the key \"" + firstKey + "\", found \"" + std::string(line) + "\"");
    auto object = std::make_shared<CSpaceObject>();
    ReadKindLines(*object, std::string(TxtValueOf(line)), prefix);
    object->systema = system;
    ReadAbilities(*object, prefix);
    system->addObject(object);
    universe_.AddSpaceObject(object, counter);
    if (object->Tipo == KindWarpPoint) warps_.push_back({object, warpDestinationLine_});
}

void MapTextLoader::ReadKindLines(CSpaceObject& object, const std::string& physicalType, const std::string& prefix) {
    if (physicalType == "Warp Point") {
        ReadWarpLines(object, prefix);
        return;
    }
    if (physicalType == "Star") object.Tipo = KindStar;
    else if (physicalType == "Planet") object.Tipo = KindPlanet;
    else if (physicalType == "Asteroids") object.Tipo = KindAsteroids;
    else if (physicalType == "Storm") object.Tipo = KindStorm;
    else
        in_.Fail("expected \"Star\", \"Planet\", \"Asteroids\", \"Storm\" or \"Warp Point\" for \"" + prefix +
                 "Physical Type\", found \"" + physicalType + "\"");
    object.coord = in_.Location({prefix, "Sector Location"}, SectorBound());
    const std::string name = in_.Text({prefix, "Name"});
    if (object.Tipo != KindStorm) object.name = name;
    if (object.Tipo == KindPlanet) ReadResources(object, prefix, "Planet");
    if (object.Tipo == KindAsteroids) ReadResources(object, prefix, "Asteroids");
    object.StellarObjectType = StellarOrdinal(in_.Text({prefix, "Stellar Object Name"}));
}

void MapTextLoader::ReadResources(CSpaceObject& object, const std::string& prefix, const char* kindWord) {
    const std::string word = kindWord;
    object.resMinerals = in_.Int({prefix, word + " Value Minerals"});
    object.resOrganics = in_.Int({prefix, word + " Value Organics"});
    object.resRadioactives = in_.Int({prefix, word + " Value Radioactives"});
    if (object.Tipo != KindPlanet) return;
    object.Conditions = in_.Text({prefix, "Planet Conditions"});
    object.Gravity = in_.Text({prefix, "Planet Gravity"});
    object.Temperature = in_.Int({prefix, "Planet Temperature"});
    object.Radiation = in_.Int({prefix, "Planet Radiation"});
}

void MapTextLoader::ReadWarpLines(CSpaceObject& object, const std::string& prefix) {
    object.Tipo = KindWarpPoint;
    object.coord = in_.Location({prefix, "Sector Location"}, SectorBound());
    in_.Value({prefix, "Name"});
    const std::string destination = in_.Text({prefix, "WP Destination System"});
    warpDestinationLine_ = in_.LineNumber();
    if (!destination.empty()) {
        object.destSystem = NewSystem();
        object.destSystem->ID = NoID;
        object.destSystem->name = destination;
    }
    object.destCoord = in_.Location({prefix, "WP Destination Sector"}, SectorBound());
    object.StellarObjectType = StellarOrdinal(in_.Text({prefix, "Stellar Object Name"}));
}

void MapTextLoader::ReadAbilities(CSpaceObject& object, const std::string& prefix) {
    const std::int32_t count = in_.Int({prefix, "Number of Abilities"}, 0);
    for (std::int32_t j = 1; j <= count; ++j) {
        const std::string abilityPrefix = prefix + "Ability " + std::to_string(j) + " ";
        CAbility ability;
        ability.Tipe = in_.Text({abilityPrefix, "Type"});
        ability.Description = in_.Text({abilityPrefix, "Description"});
        ability.Scope = in_.Text({abilityPrefix, "Scope"});
        ability.RangeFormula = in_.Int({abilityPrefix, "Range Formula"});
        ability.Amount1 = in_.Text({abilityPrefix, "Amount 1 Formula"});
        ability.Amount2 = in_.Text({abilityPrefix, "Amount 2 Formula"});
        object.AddAbility(ability);
    }
}

std::int32_t MapTextLoader::StellarOrdinal(const std::string& name) {
    auto found = ordinals_.find(name);
    if (found == ordinals_.end()) found = ordinals_.emplace(name, names_.OrdinalOfTypeName(name)).first;
    return found->second;
}

// Points every warp at the first system carrying its destination's name;
// returns how many lead nowhere.
std::int32_t MapTextLoader::ResolveWarps() {
    std::unordered_map<std::string, SystemRef> byName;
    for (const auto& system : universe_.Systems()) byName.emplace(Trim(system->name), system);
    std::int32_t dangling = 0;
    for (const auto& warp : warps_) {
        SystemRef& destination = warp.object->destSystem;
        const auto found = destination ? byName.find(Trim(destination->name)) : byName.end();
        if (found != byName.end()) {
            destination = found->second;
            continue;
        }
        ++dangling;
        if (options_.requireResolvedWarps)
            throw MapLoadError(in_.FileLabel() + ", line " + std::to_string(warp.line) +
                               ": expected the name of a system of this map for \"WP Destination System\", found \"" +
                               (destination ? destination->name : std::string()) + "\"");
    }
    return dangling;
}

}  // namespace

std::string_view TxtValueOf(std::string_view line) {
    return line.size() > TxtValueColumn ? line.substr(TxtValueColumn) : std::string_view();
}

LoadResult LoadMapTextFromMemory(std::string_view text, const std::string& fileLabel, const StellarTypeNames& names,
                                 const LoadOptions& options) {
    return MapTextLoader(text, fileLabel, names, options).Load();
}

LoadResult LoadMapText(const std::filesystem::path& file, const StellarTypeNames& names, const LoadOptions& options) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    if (FileExists(file) && in) content << in.rdbuf();
    if (!FileExists(file) || !in || in.bad()) {
        LoadResult failed;
        failed.error = file.string() + ": the map file cannot be opened";
        return failed;
    }
    return LoadMapTextFromMemory(content.str(), file.string(), names, options);
}

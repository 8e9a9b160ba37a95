#include "mapfile/MapTextWriter.h"

#include <algorithm>

#include "mapfile/LineBreakCheck.h"
#include "mapfile/TxtLine.h"
#include "text/TextHelpers.h"
#include "mapfile/TxtKeys.h"

namespace {

std::string Location(const CCoord& coord) { return std::to_string(coord.X) + ", " + std::to_string(coord.y); }

// A padded key, ":= ", a short value and CR LF: enough that the buffer of a
// whole map rarely grows while it is written.
constexpr std::size_t EstimatedLineLength = 68;

// The system's name as a message can show it: on one line and not too long.
std::string ShownName(const std::string& name) {
    std::string shown = Elided(name);
    for (char& c : shown)
        if (c == '\r' || c == '\n') c = ' ';
    return shown;
}

std::string SystemFailure(const CSystem& system, const std::string& reason) {
    return "Cannot write system '" + ShownName(system.name) + "': " + reason;
}

}  // namespace

const std::string& MapSeparatorLine() {
    static const std::string separator(87, '=');
    return separator;
}

std::vector<std::string> MapHeaderLines() {
    const std::string& s = MapSeparatorLine();
    return {s, "MAP DATA FILE", s, "", "", "", s, "*BEGIN*", s, ""};
}

std::vector<std::string> MapFooterLines() { return {MapSeparatorLine(), "*END*", MapSeparatorLine()}; }

bool BreaksBlackHoleTemplate(std::string_view line) {
    return LineHasKey(line, "Number of Space Objects") || line == MapSeparatorLine() ||
           LineHasKey(line, "System Name") || line.rfind("Space Object ", 0) == 0;
}

std::int32_t KindLineCount(std::uint8_t Tipo) {
    switch (Tipo) {
        case KindStar: return 5;
        case KindPlanet: return 12;
        case KindAsteroids: return 8;
        case KindStorm: return 5;
        case KindWarpPoint: return 7;
        default: return 0;
    }
}

std::int32_t ObjectLineCount(const CSpaceObject& object) {
    return KindLineCount(object.Tipo) + 6 * object.HeldAbilities();
}

std::vector<std::string> TxtBlock::Lines() const { return SplitLines(text); }

MapTextWriter::MapTextWriter(const CUniverse& universe, const StellarTypeNames& names,
                             std::filesystem::path programFolder)
    : universe_(universe), names_(names), programFolder_(std::move(programFolder)) {}

std::string MapTextWriter::WriteMap(TxtLineBuffer& out) {
    std::unordered_map<std::int32_t, std::vector<SpaceObjectRef>> objectsBySystem;
    std::size_t lines = 13 + 21 * universe_.Systems().size();
    for (const auto& object : universe_.Objects()) {
        if (object->systema) objectsBySystem[object->systema->ID].push_back(object);
        lines += static_cast<std::size_t>(ObjectLineCount(*object));
    }
    out.Reserve(lines * EstimatedLineLength);
    for (const auto& line : MapHeaderLines()) out.Raw(line);
    for (const auto& system : universe_.Systems()) {
        std::string error = AppendSystem(*system, objectsBySystem[system->ID], out);
        if (!error.empty()) return error;
        out.Raw({});
    }
    for (const auto& line : MapFooterLines()) out.Raw(line);
    return {};
}

std::string MapTextWriter::AppendSystem(const CSystem& system, TxtLineBuffer& out) {
    return AppendSystem(system, universe_.SpaceObjectsOf(system.ID), out);
}

std::string MapTextWriter::AppendSystem(const CSystem& system, const std::vector<SpaceObjectRef>& objects,
                                        TxtLineBuffer& out) {
    const bool blackHole = system.PhysicalType == PhysicalBlackHole;
    std::string error = blackHole ? LoadBlackHoleTemplate() : std::string();
    if (error.empty()) error = CheckLimits(blackHole, objects);
    if (error.empty()) error = FindLineBreak(system, objects);
    if (!error.empty()) return SystemFailure(system, error);
    AppendSystemHead(system, out);
    if (blackHole)
        for (const auto& line : *blackHoleTemplate_) out.Raw(line);
    else {
        out.Key("Number of Black Hole Clouds", 0);
        out.Key("Number of Abilities", 0);
    }
    out.Key("Number of Space Objects", static_cast<std::int32_t>(objects.size()));
    for (std::size_t k = 0; k < objects.size(); ++k) AppendObject(*objects[k], static_cast<std::int32_t>(k + 1), out);
    return {};
}

// The reason a block would break the line limits, empty when it fits.
std::string MapTextWriter::CheckLimits(bool blackHole, const std::vector<SpaceObjectRef>& objects) const {
    std::int64_t lines = blackHole ? 17 + static_cast<std::int64_t>(blackHoleTemplate_->size()) : 19;
    for (std::size_t k = 0; k < objects.size(); ++k) {
        std::string error = CheckObjectLimit(*objects[k], static_cast<std::int32_t>(k + 1));
        if (!error.empty()) return error;
        lines += ObjectLineCount(*objects[k]);
    }
    if (lines <= MaxSystemBlockLines) return {};
    return "its block needs " + std::to_string(lines) + " lines, more than the " +
           std::to_string(MaxSystemBlockLines) + " one system may hold";
}

std::string MapTextWriter::CheckObjectLimit(const CSpaceObject& object, std::int32_t K) {
    const std::int32_t lines = ObjectLineCount(object);
    if (lines <= MaxObjectLines) return {};
    return "Space Object " + std::to_string(K) + " needs " + std::to_string(lines) + " lines, more than the " +
           std::to_string(MaxObjectLines) + " one object may hold (too many abilities)";
}

void MapTextWriter::AppendSystemHead(const CSystem& system, TxtLineBuffer& out) const {
    out.Key("System Name", system.name);
    out.Key("Description", system.Description);
    out.Key("Quadrant Xpos", system.X);
    out.Key("Quadrant Ypos", system.y);
    out.Key("System Physical Type", PhysicalTypeText(system.PhysicalType));
    out.Key("Portrait Bitmap", system.PortraitBitmap);
    out.Key("Portrait Picture Index", system.PortraitIndex);
    out.Key("Number of Stellar Background Images", 1);
    out.Key("Stellar Background 1 Side", 2);
    out.Key("Stellar Background 1 Xpos", 1);
    out.Key("Stellar Background 1 Ypos", 1);
    out.Key("Stellar Background 1 Bitmap Filename", system.GetSkyBox());
    out.Key("Empires Can Start In", system.EmpireCanStartInSystem ? "TRUE" : "FALSE");
    out.Key("Is Common Starting Position", "FALSE");
    out.Key("WP Min Radius", 360);
    out.Key("WP Max Radius", 400);
}

std::string MapTextWriter::AppendObject(const CSpaceObject& object, std::int32_t K, TxtLineBuffer& out) {
    std::string error = CheckObjectLimit(object, K);
    if (error.empty()) error = FindLineBreak(object, K);
    if (!error.empty()) return error;
    const std::string prefix = "Space Object " + std::to_string(K) + " ";
    AppendKindLines(object, prefix, out);
    AppendAbilities(object, prefix, out);
    return {};
}

// Storms and warp points carry their kind's words as "Name", never their own.
void MapTextWriter::AppendKindLines(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out) {
    const std::string_view physicalType = ObjectPhysicalTypeText(object.Tipo);
    if (physicalType.empty()) return;
    const bool ownName = object.Tipo != KindStorm && object.Tipo != KindWarpPoint;
    out.Key(prefix, "Physical Type", physicalType);
    out.Key(prefix, "Sector Location", Location(object.coord));
    out.Key(prefix, "Name", ownName ? std::string_view(object.name) : physicalType);
    if (object.Tipo == KindPlanet) AppendPlanetLines(object, prefix, out);
    if (object.Tipo == KindAsteroids) AppendResources(object, AsteroidResourceKeys, prefix, out);
    if (object.Tipo == KindWarpPoint) {
        out.Key(prefix, "WP Destination System", object.destSystem ? object.destSystem->name : std::string());
        out.Key(prefix, "WP Destination Sector", Location(object.destCoord));
    }
    out.Key(prefix, "Stellar Object Name", TypeName(object.StellarObjectType));
    out.Key(prefix, "Number of Abilities", object.HeldAbilities());
}

void MapTextWriter::AppendPlanetLines(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out) {
    AppendResources(object, PlanetResourceKeys, prefix, out);
    out.Key(prefix, "Planet Conditions", object.Conditions);
    out.Key(prefix, "Planet Gravity", object.Gravity);
    out.Key(prefix, "Planet Temperature", object.Temperature);
    out.Key(prefix, "Planet Radiation", object.Radiation);
}

void MapTextWriter::AppendResources(const CSpaceObject& object, const ResourceKeys& keys, const std::string& prefix,
                                    TxtLineBuffer& out) {
    out.Key(prefix, keys.minerals, object.resMinerals);
    out.Key(prefix, keys.organics, object.resOrganics);
    out.Key(prefix, keys.radioactives, object.resRadioactives);
}

void MapTextWriter::AppendAbilities(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out) const {
    const std::int32_t count = object.HeldAbilities();
    for (std::int32_t j = 0; j < count; ++j) {
        const CAbility& ability = object.habilidades[static_cast<std::size_t>(j)];
        const std::string abilityPrefix = prefix + "Ability " + std::to_string(j + 1) + " ";
        out.Key(abilityPrefix, "Type", ability.Tipe);
        out.Key(abilityPrefix, "Description", ability.Description);
        out.Key(abilityPrefix, "Scope", ability.Scope);
        out.Key(abilityPrefix, "Range Formula", ability.RangeFormula);
        out.Key(abilityPrefix, "Amount 1 Formula", ability.Amount1);
        out.Key(abilityPrefix, "Amount 2 Formula", ability.Amount2);
    }
}

const std::string& MapTextWriter::TypeName(std::int32_t ordinal) {
    auto found = typeNames_.find(ordinal);
    if (found == typeNames_.end()) found = typeNames_.emplace(ordinal, names_.TypeNameOfOrdinal(ordinal)).first;
    return found->second;
}

std::string MapTextWriter::LoadBlackHoleTemplate() {
    if (blackHoleTemplate_) return {};
    const std::filesystem::path path = programFolder_ / BlackHoleTemplateName;
    const FileContent content = ReadWholeFile(path, MaxSmallFileBytes);
    if (!content.Ok()) return "the black-hole template '" + path.string() + "' " + content.error;
    std::vector<std::string> lines = SplitLines(*content.bytes);
    const auto breaking = std::find_if(lines.begin(), lines.end(), BreaksBlackHoleTemplate);
    if (breaking != lines.end())
        return "the black-hole template '" + path.string() + "' holds the line \"" + Elided(*breaking) +
               "\", which would end the block early";
    blackHoleTemplate_ = std::move(lines);
    return {};
}

namespace {

TxtBlock Finish(TxtLineBuffer& out, std::string error) {
    TxtBlock block;
    if (!error.empty()) {
        block.error = std::move(error);
        return block;
    }
    block.count = out.Count();
    block.text = out.TakeText();
    return block;
}

}  // namespace

TxtBlock GenerateTxt(const CSpaceObject& object, std::int32_t NOrderSpaceObject, const StellarTypeNames& names) {
    CUniverse none;
    MapTextWriter writer(none, names, {});
    TxtLineBuffer out;
    std::string error = writer.AppendObject(object, NOrderSpaceObject, out);
    return Finish(out, std::move(error));
}

TxtBlock GenerateTxt(const CSystem& system, const CUniverse& universe, const StellarTypeNames& names,
                     const std::filesystem::path& programFolder) {
    MapTextWriter writer(universe, names, programFolder);
    TxtLineBuffer out;
    std::string error = writer.AppendSystem(system, out);
    return Finish(out, std::move(error));
}

TxtBlock GenerateMapTxt(const CUniverse& universe, const StellarTypeNames& names,
                        const std::filesystem::path& programFolder) {
    MapTextWriter writer(universe, names, programFolder);
    TxtLineBuffer out;
    std::string error = writer.WriteMap(out);
    return Finish(out, std::move(error));
}

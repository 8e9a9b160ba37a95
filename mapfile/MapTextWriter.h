#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/StellarTypeNames.h"
#include "mapfile/TxtKeys.h"
#include "mapfile/TxtLineBuffer.h"
#include "model/CUniverse.h"

// The most lines one system block and one space object may take in a txt map.
constexpr std::int32_t MaxSystemBlockLines = 800;
constexpr std::int32_t MaxObjectLines = 200;

// The name of the black-hole template in the program folder.
inline constexpr const char* BlackHoleTemplateName = "BlackHole.dat";

// "=" repeated 87 times: the line that frames the header and the footer.
const std::string& MapSeparatorLine();
std::vector<std::string> MapHeaderLines();
std::vector<std::string> MapFooterLines();

// True for a line that would end a black-hole template early when the map is
// read back: the object count, the separator, a system's first key or an
// object key. A template holding one cannot be written.
bool BreaksBlackHoleTemplate(std::string_view line);

// The lines one object kind writes before its abilities (0 for an unknown kind).
std::int32_t KindLineCount(std::uint8_t Tipo);
// All lines of one object: its kind's lines plus six per ability.
std::int32_t ObjectLineCount(const CSpaceObject& object);

// Lines of a txt map piece with their count, or the reason nothing was written.
struct TxtBlock {
    std::string text;  // each line ended by CR LF
    std::int32_t count = 0;
    std::string error;

    std::vector<std::string> Lines() const;
};

// Writes txt maps. Every limit is checked before the first line of a block is
// written, so a failure never leaves half a block behind.
class MapTextWriter {
public:
    MapTextWriter(const CUniverse& universe, const StellarTypeNames& names, std::filesystem::path programFolder);

    // The whole map: header, every system's block each followed by an empty
    // line, footer. Returns an error text, empty on success.
    std::string WriteMap(TxtLineBuffer& out);
    // The block of one system, its objects taken from the universe in order.
    std::string AppendSystem(const CSystem& system, TxtLineBuffer& out);
    std::string AppendSystem(const CSystem& system, const std::vector<SpaceObjectRef>& objects, TxtLineBuffer& out);
    // The lines of one object numbered K within its system.
    std::string AppendObject(const CSpaceObject& object, std::int32_t K, TxtLineBuffer& out);

private:
    const std::string& TypeName(std::int32_t ordinal);
    std::string LoadBlackHoleTemplate();
    std::string CheckLimits(bool blackHole, const std::vector<SpaceObjectRef>& objects) const;
    static std::string CheckObjectLimit(const CSpaceObject& object, std::int32_t K);
    void AppendSystemHead(const CSystem& system, TxtLineBuffer& out) const;
    void AppendKindLines(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out);
    static void AppendPlanetLines(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out);
    static void AppendResources(const CSpaceObject& object, const ResourceKeys& keys, const std::string& prefix,
                                TxtLineBuffer& out);
    void AppendAbilities(const CSpaceObject& object, const std::string& prefix, TxtLineBuffer& out) const;

    const CUniverse& universe_;
    const StellarTypeNames& names_;
    std::filesystem::path programFolder_;
    std::unordered_map<std::int32_t, std::string> typeNames_;
    std::optional<std::vector<std::string>> blackHoleTemplate_;
};

// The lines of one space object numbered NOrderSpaceObject.
TxtBlock GenerateTxt(const CSpaceObject& object, std::int32_t NOrderSpaceObject, const StellarTypeNames& names);
// The block of one system (without the empty line that follows it in a map).
TxtBlock GenerateTxt(const CSystem& system, const CUniverse& universe, const StellarTypeNames& names,
                     const std::filesystem::path& programFolder);
// The whole txt map of the universe.
TxtBlock GenerateMapTxt(const CUniverse& universe, const StellarTypeNames& names,
                        const std::filesystem::path& programFolder);

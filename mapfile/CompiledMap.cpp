#include "mapfile/CompiledMap.h"

#include <unordered_map>

#include "text/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/OpenTypeNames.h"

namespace fs = std::filesystem;

namespace {

// Little-endian fields appended to a byte string. Fields go in by their type:
// a text as its length and bytes, a whole number in four bytes, a byte or a
// flag in one.
class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void U16(std::uint16_t value) { Little(value, 2); }
    void U32(std::uint32_t value) { Little(value, 4); }
    void Raw(std::string_view raw) { bytes_.append(raw); }
    std::string Take() { return std::move(bytes_); }

    template <typename... Fields>
    void Put(const Fields&... fields) {
        (Field(fields), ...);
    }

private:
    void Field(const std::string& text) {
        U32(static_cast<std::uint32_t>(text.size()));
        bytes_ += text;
    }
    void Field(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Field(std::uint8_t value) { U8(value); }
    void Field(bool flag) { U8(flag ? 1 : 0); }
    void Little(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::string bytes_;
};

void EncodeAbilities(const CSpaceObject& object, ByteWriter& out) {
    const auto count = static_cast<std::size_t>(object.HeldAbilities());
    out.U32(static_cast<std::uint32_t>(count));
    for (std::size_t j = 0; j < count; ++j) {
        const CAbility& a = object.habilidades[j];
        out.Put(a.Tipe, a.Description, a.Scope, a.RangeFormula, a.Amount1, a.Amount2);
    }
}

void EncodeObject(const CSpaceObject& object, const std::unordered_map<const CSystem*, std::uint32_t>& index,
                  const StellarTypeNames& names, ByteWriter& out) {
    out.Put(object.Tipo, object.coord.X, object.coord.y, object.name,
            names.TypeNameOfOrdinal(object.StellarObjectType));
    if (object.Tipo == KindPlanet || object.Tipo == KindAsteroids)
        out.Put(object.resMinerals, object.resOrganics, object.resRadioactives);
    if (object.Tipo == KindPlanet) out.Put(object.Conditions, object.Gravity, object.Temperature, object.Radiation);
    if (object.Tipo == KindWarpPoint) {
        const auto found = index.find(object.destSystem.get());
        out.U32(found == index.end() ? 0xFFFFFFFFu : found->second);
        out.Put(object.destCoord.X, object.destCoord.y);
    }
    EncodeAbilities(object, out);
}

void EncodeSystem(const CSystem& system, ByteWriter& out) {
    out.Put(system.name, system.Description, system.X, system.y, system.PhysicalType, system.PortraitBitmap,
            system.PortraitIndex, system.GetSkyBox(), system.EmpireCanStartInSystem);
}

std::string StripQuotes(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::string EncodeCompiledMap(const CUniverse& universe, const StellarTypeNames& names, const std::string& modName) {
    std::unordered_map<const CSystem*, std::uint32_t> index;
    for (const auto& system : universe.Systems())
        index.emplace(system.get(), static_cast<std::uint32_t>(index.size()));
    ByteWriter out;
    out.Raw(std::string_view(CompiledMapMagic, 4));
    out.U16(CompiledMapVersion);
    out.Put(modName);
    out.U32(static_cast<std::uint32_t>(universe.NSistemas()));
    for (const auto& system : universe.Systems()) {
        EncodeSystem(*system, out);
        const std::vector<SpaceObjectRef> objects = universe.SpaceObjectsOf(system->ID);
        out.U32(static_cast<std::uint32_t>(objects.size()));
        for (const auto& object : objects) EncodeObject(*object, index, names, out);
    }
    return out.Take();
}

std::string CompileMapFile(const fs::path& folder, const std::string& txtFileName, const std::string& modName) {
    const fs::path txt = folder / fs::path(txtFileName).filename();
    // NAME.map and NAME.err are this program's output: an input carrying
    // either name would be overwritten, so only a .txt map is taken.
    if (LowerCase(txt.extension().string()) != ".txt")
        return "the map to compile must be a .txt file, not '" + Elided(txt.filename().string()) + "'";
    const fs::path map = fs::path(txt).replace_extension(".map");
    const fs::path err = fs::path(txt).replace_extension(".err");
    OpenTypeNames names;
    LoadResult loaded = LoadMapText(txt, names, LoadOptions{true, true, true});
    std::string error = loaded.error;
    // The .map is replaced only by a complete new one: a failed run leaves
    // the last good map as it was.
    if (loaded.Ok()) error = WriteTextContentSafely(map, EncodeCompiledMap(*loaded.universe, names, StripQuotes(modName)));
    if (!error.empty()) {
        WriteTextContentSafely(err, error + "\r\n");
        return error;
    }
    std::error_code ignored;
    fs::remove(err, ignored);  // an old reason would no longer be true
    return {};
}

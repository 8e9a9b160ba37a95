#include "mapfile/CompiledMap.h"

#include <unordered_map>

#include "catalog/TextHelpers.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/OpenTypeNames.h"

namespace fs = std::filesystem;

namespace {

// Little-endian fields appended to a byte string.
class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void U16(std::uint16_t value) { Little(value, 2); }
    void U32(std::uint32_t value) { Little(value, 4); }
    void I32(std::int32_t value) { Little(static_cast<std::uint32_t>(value), 4); }
    void Text(const std::string& text) {
        U32(static_cast<std::uint32_t>(text.size()));
        bytes_ += text;
    }
    void Raw(std::string_view raw) { bytes_.append(raw); }
    std::string Take() { return std::move(bytes_); }

private:
    void Little(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    std::string bytes_;
};

void EncodeAbilities(const CSpaceObject& object, ByteWriter& out) {
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max(object.nhabilidades, 0)),
                                             object.habilidades.size());
    out.U32(static_cast<std::uint32_t>(count));
    for (std::size_t j = 0; j < count; ++j) {
        const CAbility& a = object.habilidades[j];
        out.Text(a.Tipe);
        out.Text(a.Description);
        out.Text(a.Scope);
        out.I32(a.RangeFormula);
        out.Text(a.Amount1);
        out.Text(a.Amount2);
    }
}

void EncodeObject(const CSpaceObject& object, const std::unordered_map<const CSystem*, std::uint32_t>& index,
                  const StellarTypeNames& names, ByteWriter& out) {
    out.U8(object.Tipo);
    out.I32(object.coord.X);
    out.I32(object.coord.y);
    out.Text(object.name);
    out.Text(names.TypeNameOfOrdinal(object.StellarObjectType));
    if (object.Tipo == KindPlanet || object.Tipo == KindAsteroids) {
        out.I32(object.resMinerals);
        out.I32(object.resOrganics);
        out.I32(object.resRadioactives);
    }
    if (object.Tipo == KindPlanet) {
        out.Text(object.Conditions);
        out.Text(object.Gravity);
        out.I32(object.Temperature);
        out.I32(object.Radiation);
    }
    if (object.Tipo == KindWarpPoint) {
        const auto found = index.find(object.destSystem.get());
        out.U32(found == index.end() ? 0xFFFFFFFFu : found->second);
        out.I32(object.destCoord.X);
        out.I32(object.destCoord.y);
    }
    EncodeAbilities(object, out);
}

void EncodeSystem(const CSystem& system, ByteWriter& out) {
    out.Text(system.name);
    out.Text(system.Description);
    out.I32(system.X);
    out.I32(system.y);
    out.U8(system.PhysicalType);
    out.Text(system.PortraitBitmap);
    out.U8(system.PortraitIndex);
    out.Text(system.GetSkyBox());
    out.U8(system.EmpireCanStartInSystem ? 1 : 0);
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
    out.Text(modName);
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
    const fs::path map = fs::path(txt).replace_extension(".map");
    const fs::path err = fs::path(txt).replace_extension(".err");
    std::error_code ignored;
    fs::remove(map, ignored);  // a stale .map must never pass for this run's result
    fs::remove(err, ignored);
    OpenTypeNames names;
    LoadResult loaded = LoadMapText(txt, names, LoadOptions{true, true, true});
    std::string error = loaded.error;
    if (loaded.Ok()) error = WriteTextContentSafely(map, EncodeCompiledMap(*loaded.universe, names, StripQuotes(modName)));
    if (!error.empty()) WriteTextContentSafely(err, error + "\r\n");
    return error;
}

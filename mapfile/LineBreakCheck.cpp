#include "mapfile/LineBreakCheck.h"

#include <initializer_list>
#include <utility>

#include "text/TextHelpers.h"

namespace {

using Field = std::pair<const char*, const std::string*>;

bool HasBreak(const std::string& value) { return value.find_first_of("\r\n") != std::string::npos; }

// The first field of the list whose value holds a line break; nullptr when none does.
const char* BrokenField(std::initializer_list<Field> fields) {
    for (const auto& [key, value] : fields)
        if (value && HasBreak(*value)) return key;
    return nullptr;
}

std::string Holds(const std::string& field) { return "the value of \"" + field + "\" holds a line break"; }

std::string ObjectLabel(const CSpaceObject& object, std::int32_t K) {
    std::string label = "Space Object " + std::to_string(K);
    const std::string_view kind = ObjectPhysicalTypeText(object.Tipo);
    if (!kind.empty()) label += " (" + std::string(kind) + ")";
    return label;
}

std::string AbilityBreak(const CSpaceObject& object) {
    const std::int32_t count = object.HeldAbilities();
    for (std::int32_t j = 0; j < count; ++j) {
        const CAbility& a = object.habilidades[static_cast<std::size_t>(j)];
        const char* key = BrokenField({{"Type", &a.Tipe}, {"Description", &a.Description}, {"Scope", &a.Scope},
                                       {"Amount 1 Formula", &a.Amount1}, {"Amount 2 Formula", &a.Amount2}});
        if (key) return "Ability " + std::to_string(j + 1) + " " + key;
    }
    return {};
}

}  // namespace

std::string FindLineBreak(const CSpaceObject& object, std::int32_t K) {
    const bool ownName = object.Tipo == KindStar || object.Tipo == KindPlanet || object.Tipo == KindAsteroids;
    const bool planet = object.Tipo == KindPlanet;
    const bool warp = object.Tipo == KindWarpPoint && object.destSystem;
    const char* key = BrokenField({{"Name", ownName ? &object.name : nullptr},
                                   {"Planet Conditions", planet ? &object.Conditions : nullptr},
                                   {"Planet Gravity", planet ? &object.Gravity : nullptr},
                                   {"WP Destination System", warp ? &object.destSystem->name : nullptr}});
    const std::string field = key ? std::string(key) : AbilityBreak(object);
    if (field.empty()) return {};
    return ObjectLabel(object, K) + ": " + Holds(field);
}

std::string FindLineBreak(const CSystem& system, const std::vector<SpaceObjectRef>& objects) {
    const std::string sky = system.GetSkyBox();
    const char* key = BrokenField({{"System Name", &system.name},
                                   {"Description", &system.Description},
                                   {"Portrait Bitmap", &system.PortraitBitmap},
                                   {"Stellar Background 1 Bitmap Filename", &sky}});
    if (key) return Holds(key);
    for (std::size_t k = 0; k < objects.size(); ++k) {
        std::string found = FindLineBreak(*objects[k], static_cast<std::int32_t>(k + 1));
        if (!found.empty()) return found;
    }
    return {};
}

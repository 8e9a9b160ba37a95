#include "model/EditNames.h"

#include "text/TextHelpers.h"

namespace {

std::string Quoted(const std::string& name) { return "'" + Trim(name) + "'"; }

}  // namespace

std::string SystemWords(const CSystem& system) { return "System " + Quoted(system.name); }

std::string ObjectWords(const CSpaceObject& object) {
    switch (object.Tipo) {
        case KindStorm: return "Storm";
        case KindWarpPoint:
            return "Warp Point to " + Quoted(object.destSystem ? object.destSystem->name : std::string());
        default: {
            const std::string_view kind = ObjectPhysicalTypeText(object.Tipo);
            return std::string(kind.empty() ? "Object" : kind) + " " + Quoted(object.name);
        }
    }
}

std::string CountWords(std::size_t count, const std::string& singular) {
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

#include "random/BlockRoom.h"

#include <algorithm>

#include "mapfile/MapTextWriter.h"

namespace {

// The lines of a block before its first object: 19, or 16 head lines, the
// template and the object count for a black hole.
constexpr std::int64_t NormalHeadLines = 19;
constexpr std::int64_t BlackHoleHeadLines = 16 + 31 + 1;

std::int32_t KindLines(const std::string& physicalKind) {
    if (physicalKind == "Star") return KindLineCount(KindStar);
    if (physicalKind == "Planet") return KindLineCount(KindPlanet);
    if (physicalKind == "Asteroids") return KindLineCount(KindAsteroids);
    if (physicalKind == "Storm") return KindLineCount(KindStorm);
    return 0;  // left out when generated
}

}  // namespace

std::int32_t MaxAbilitiesOf(const std::string& physicalKind) {
    return (MaxObjectLines - KindLines(physicalKind)) / 6;
}

bool HasRoomFor(const CSystem& system, std::int32_t lines) {
    std::int64_t used = system.PhysicalType == PhysicalBlackHole ? BlackHoleHeadLines : NormalHeadLines;
    for (const auto& object : system.objects) used += ObjectLineCount(*object);
    return used + lines <= MaxSystemBlockLines;
}

std::size_t ObjectsThatFit(const RandomSystemType& type, bool blackHole, const AbilityCatalog& abilities) {
    std::int64_t lines = blackHole ? BlackHoleHeadLines : NormalHeadLines;
    for (std::size_t k = 0; k < type.Objects.size(); ++k) {
        const SystemTypeObject& object = type.Objects[k];
        if (KindLines(object.PhysicalKind) == 0) continue;
        const auto offered = static_cast<std::int64_t>(abilities.AbilitiesOfGroup(object.AbilityGroup).size());
        lines += KindLines(object.PhysicalKind) + 6 * std::min<std::int64_t>(offered, MaxAbilitiesOf(object.PhysicalKind));
        if (lines > MaxSystemBlockLines) return k;
    }
    return type.Objects.size();
}

#include "ui/KindDispatch.h"

#include "catalog/TextHelpers.h"
#include "model/CUniverse.h"
#include "ui/EditorState.h"
#include "ui/WindowState.h"

namespace {

struct KindRow {
    const char* text;
    std::int32_t editKind;
    DialogKind dialog;
};

constexpr KindRow ObjectKinds[] = {
    {"Star", KindStar, DialogKind::Star},          {"Planet", KindPlanet, DialogKind::Planet},
    {"Asteroids", KindAsteroids, DialogKind::Asteroid}, {"Warp", KindWarpPoint, DialogKind::Warp},
    {"Storm", KindStorm, DialogKind::Storm},
};

KindDispatchResult DispatchSystem(const KindDispatchInput& input, WindowState& state, CurrentObjectRecord& current) {
    if (state.SystemMapActive) return {std::nullopt, "Exit the Universe Map first"};
    state.EditKind = EditKindSystem;
    current.X = LabelNumber(input.galaxyX);
    current.Y = LabelNumber(input.galaxyY);
    current.Description = "An unknown System";
    return {DialogKind::System, ""};
}

void ApplyObjectDefaults(std::int32_t kind, CurrentObjectRecord& current, const CUniverse& universe,
                         std::int32_t selectedSystem) {
    if (kind == KindStar) current.Size = "Medium";
    if (kind == KindAsteroids) current.Type = "Rock";
    if (kind == KindWarpPoint) {
        FillWarpDestinations(current, universe, selectedSystem);
        current.Size = "Large";
    }
}

}  // namespace

std::int32_t LabelNumber(const std::string& text) { return ParseInt32(text).value_or(0); }

void FillWarpDestinations(CurrentObjectRecord& current, const CUniverse& universe, std::int32_t selectedSystem) {
    current.DestinationList.clear();
    for (const SystemRef& system : universe.Systems())
        if (system->ID != selectedSystem) current.DestinationList.push_back(Trim(system->name));
}

KindDispatchResult DispatchKind(const KindDispatchInput& input, WindowState& state, CurrentObjectRecord& current,
                                const CUniverse& universe) {
    if (input.text == "System") return DispatchSystem(input, state, current);
    for (const KindRow& row : ObjectKinds) {
        if (input.text != row.text) continue;
        if (!state.SystemMapActive) return {std::nullopt, "Select a System first"};
        state.EditKind = row.editKind;
        ApplyObjectDefaults(row.editKind, current, universe, state.SelectedSystem);
        current.X = LabelNumber(input.sectorX);
        current.Y = LabelNumber(input.sectorY);
        return {row.dialog, ""};
    }
    return {};
}

#include "ui/KindDispatch.h"

#include "text/TextHelpers.h"
#include "model/CSpaceObject.h"
#include "ui/EditorState.h"
#include "ui/editing/SystemMapState.h"

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

KindDispatchResult DispatchSystem(const KindDispatchInput& input, SystemMapState& state, CurrentObjectRecord& current) {
    if (state.SystemMapActive) return {std::nullopt, "Exit the Universe Map first"};
    state.EditKind = SystemEditKind;
    current.X = LabelNumber(input.galaxyX);
    current.Y = LabelNumber(input.galaxyY);
    current.Description = "An unknown System";
    return {DialogKind::System, ""};
}

void ApplyObjectDefaults(std::int32_t kind, CurrentObjectRecord& current) {
    if (kind == KindStar) current.Size = "Medium";
    if (kind == KindAsteroids) current.Type = "Rock";
    if (kind == KindWarpPoint) current.Size = "Large";
}

}  // namespace

DialogFlags OnlyDialog(DialogKind kind) {
    DialogFlags flags;
    flags.System = kind == DialogKind::System;
    flags.Star = kind == DialogKind::Star;
    flags.Planet = kind == DialogKind::Planet;
    flags.Asteroid = kind == DialogKind::Asteroid;
    flags.Storm = kind == DialogKind::Storm;
    flags.Warp = kind == DialogKind::Warp;
    return flags;
}

std::int32_t LabelNumber(const std::string& text) { return ParseInt32(text).value_or(0); }

KindDispatchResult DispatchKind(const KindDispatchInput& input, SystemMapState& state, CurrentObjectRecord& current) {
    if (input.text == "System") return DispatchSystem(input, state, current);
    for (const KindRow& row : ObjectKinds) {
        if (input.text != row.text) continue;
        if (!state.SystemMapActive) return {std::nullopt, "Select a System first"};
        state.EditKind = row.editKind;
        ApplyObjectDefaults(row.editKind, current);
        current.X = LabelNumber(input.sectorX);
        current.Y = LabelNumber(input.sectorY);
        return {row.dialog, ""};
    }
    return {};
}

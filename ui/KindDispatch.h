#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/DialogKind.h"

struct CurrentObjectRecord;
struct SystemMapState;

// What choosing a kind in cmbType does: the checks, the defaults written into
// CurrentObject and the dialog to open. Plain logic; the window supplies the
// label texts and acts on the result.
struct KindDispatchInput {
    std::string text;             // cmbType text
    std::string galaxyX, galaxyY;  // LblXG, LblYG
    std::string sectorX, sectorY;  // LblXS, lblYS
};

struct KindDispatchResult {
    std::optional<DialogKind> dialog;  // nothing: do nothing
    std::string information;           // a refusal to show, when not empty
};

// A warp's destination list is filled by the caller (object placement).
KindDispatchResult DispatchKind(const KindDispatchInput& input, SystemMapState& state, CurrentObjectRecord& current);

// The number a label shows; 0 for an empty or non-numeric text.
std::int32_t LabelNumber(const std::string& text);

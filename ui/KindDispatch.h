#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/DialogKind.h"

class CUniverse;
struct CurrentObjectRecord;
struct WindowState;

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

KindDispatchResult DispatchKind(const KindDispatchInput& input, WindowState& state, CurrentObjectRecord& current,
                                const CUniverse& universe);

// DestinationList = Trim(name) of every system but the selected one, in
// universe order.
void FillWarpDestinations(CurrentObjectRecord& current, const CUniverse& universe, std::int32_t selectedSystem);

// The number a label shows; 0 for an empty or non-numeric text.
std::int32_t LabelNumber(const std::string& text);

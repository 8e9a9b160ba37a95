#pragma once

#include <cstdint>

#include "ui/editing/SystemMapState.h"

// EditKind of a system.
constexpr std::int32_t SystemEditKind = -1;

// The dialogs the kind dispatch opens.
enum class DialogKind { System, Star, Planet, Asteroid, Storm, Warp };

// The ShowDialogs flags that open just that dialog.
DialogFlags OnlyDialog(DialogKind kind);

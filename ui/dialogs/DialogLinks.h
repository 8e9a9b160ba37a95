#pragma once

#include "model/CUniverse.h"
#include "model/RandomSource.h"
#include "ui/EditorState.h"
#include "ui/UserPrompts.h"
#include "ui/editing/AbilityChoice.h"
#include "ui/editing/EditingCatalogue.h"

// What every object dialog works with: the main window's shared values, its
// Update and Cancel, the prompts, the catalogues and the ability slots.
struct DialogLinks {
    EditorState& editor;
    DialogHost& host;
    UserPrompts& prompts;
    const EditingCatalogue& catalogue;
    AbilityChoice& abilities;
    RandomSource& random;
    const CUniverse& universe;
};

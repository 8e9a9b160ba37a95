#pragma once

#include <memory>

#include "ui/dialogs/DialogLinks.h"
#include "ui/dialogs/FPlanet.h"
#include "ui/dialogs/FStar.h"
#include "ui/dialogs/FWarp.h"
#include "ui/editing/SystemMapState.h"

// The five object dialogs of the main window, made once and reused.
class ObjectDialogs {
public:
    ObjectDialogs(const DialogLinks& links, QWidget* parent);

    // Opens each flagged object dialog modally (star, planet, asteroid, storm,
    // warp, in that order), and only while ObjectDialogAllowed is set.
    void Show(const DialogFlags& flags);

    FStar Star;
    FPlanet Planet;
    FAsteroid Asteroid;
    FStorm Storm;
    FWarp Warp;

private:
    void ShowOne(ObjectDialog& dialog);

    DialogLinks l_;
};

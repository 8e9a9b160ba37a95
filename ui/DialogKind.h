#pragma once

// The modal dialogs the main window opens through its DialogFactory.
enum class DialogKind {
    System,     // FSystem
    Star,       // FStar
    Planet,     // FPlanet
    Asteroid,   // FAsteroid
    Storm,      // FStorm
    Warp,       // FWarp
    Abilities,  // FAbilities
    SelectObject,  // FSelectObject
    SystemType,    // FSystemType: one random system at the selected cell
};

// The six flags of ShowDialogs, in its order: system, star, planet, asteroid,
// storm, warp. ShowDialogs({}) shows nothing.
struct DialogFlags {
    bool system = false;
    bool star = false;
    bool planet = false;
    bool asteroid = false;
    bool storm = false;
    bool warp = false;

    static DialogFlags Only(DialogKind kind);
};

#pragma once

#include <cstdint>
#include <vector>

#include "model/CUniverse.h"
#include "text/Reporter.h"
#include "ui/EditorState.h"
#include "ui/editing/ObjectPlacement.h"
#include "ui/editing/SystemMapHost.h"
#include "ui/editing/SystemMapState.h"

// The editing behaviour of the system map: what a press selects, dragging an
// object to another sector, the double-click that opens its dialog, the
// create commands of the context menu and the removal of systems and objects.
class SystemMapEditing {
public:
    struct Links {
        SystemMapState& state;
        SystemMapHost& host;
        ObjectPlacement& placement;
        const CUniverse& universe;
        EditSink& edits;
        EditorState& editor;
        AbilityChoice& abilities;
        Reporter& reporter;
    };

    explicit SystemMapEditing(Links links) : l_(links) {}

    // Mouse buttons as the handlers receive them.
    static constexpr int NoButton = 0, LeftButton = 1, RightButton = 2;

    void Press(int button, int shift, double px, double py);
    void Release(int button, int shift, double px, double py);
    void DoubleClick();
    // PStar, PPlanet, PAsteroids, PStorm, PWarp by kind code.
    void CreateObject(std::int32_t kind);
    // RSystem and RObject: the galaxy focus decides what goes.
    void Remove();
    // The object half of the main window's Update: add or edit from
    // CurrentObject, redraw, and select the pressed sector again. False when
    // the placement was refused (and reported); nothing changed then.
    bool UpdateObject();
    // Selects the object as a press on its sector would, even when it
    // shares the sector with others.
    void SelectObjectById(std::int32_t objectId);

private:
    SpaceObjectRef ObjectAtPress(std::int32_t X, std::int32_t Y);
    void SelectNothing();
    void SelectObject(const CSpaceObject& object);
    // Counts the objects of the last pressed sector; with two or more the user
    // picks one. False when the picking was cancelled.
    bool PickInLastSector();
    void RemoveSystem();
    void RemoveObject();
    void PressAgain();

    Links l_;
    std::vector<SpaceObjectRef> sectorObjects_;
    std::int32_t pickedId_ = NoID;
};

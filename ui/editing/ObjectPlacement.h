#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/CUniverse.h"
#include "text/Reporter.h"
#include "ui/EditorState.h"
#include "ui/editing/AbilityChoice.h"
#include "ui/editing/EditSink.h"
#include "ui/editing/EditingCatalogue.h"

// The abilities the object holds (its count of them, from the start of its list).
std::vector<CAbility> HeldAbilityList(const CSpaceObject& object);

// "STAR", "WARP", "STORM", "PLANET" or "ASTEROID"; empty for other codes.
std::string KindWord(std::int32_t kind);

// The first object of the system whose own sector is (X, Y) (a star only on
// its centre); a fresh object with ID -999 when there is none.
SpaceObjectRef FindObjectAt(const CUniverse& universe, std::int32_t X, std::int32_t Y, std::int32_t systemId);
// The same, also requiring the object ID.
SpaceObjectRef FindObjectAtWithId(const CUniverse& universe, std::int32_t X, std::int32_t Y, std::int32_t systemId,
                                  std::int32_t objectId);

// Turns the dialogs' values in CurrentObject into space objects and back.
// Changes reach the map as edits sent to the document.
class ObjectPlacement {
public:
    struct Links {
        const CUniverse& universe;
        EditSink& edits;
        EditorState& editor;
        AbilityChoice& abilities;
        const EditingCatalogue& catalogue;
        Reporter& reporter;
        // True when several objects may share a sector.
        std::function<bool()> relaxedPlacement;
        // Redraws the galaxy map.
        std::function<void()> drawSystems;
    };

    explicit ObjectPlacement(Links links) : l_(std::move(links)) {}

    // Adds an object of the kind from CurrentObject to the system, after the
    // placement test; warp points may bring a mirror in their destination.
    // False when the placement test refused it (the refusal was reported).
    bool AddObjectFromCurrent(std::int32_t kind, std::int32_t systemId);
    // Writes CurrentObject and the chosen abilities into the object (no
    // placement test, so a changed sector moves it) as one step; no step
    // when nothing changes. A warp that moves takes its mirror's destination
    // sector along.
    void EditObjectFromCurrent(std::int32_t systemId, std::int32_t objectId);
    // The drop of a drag: one step however many sectors it crossed; a warp
    // takes its mirror's destination sector along. No placement test.
    void MoveObject(const CSpaceObject& object, const CCoord& to);
    // Whether moving the object to (X, Y) meets the placement test, leaving
    // the object itself out; a refusal is reported.
    bool MoveRefused(const CSpaceObject& object, std::int32_t X, std::int32_t Y);
    // CurrentObject and the ability slots receive the object's values.
    void LoadObjectIntoCurrent(const CSpaceObject& object);
    // DestinationList = the trimmed names of every other system.
    void FillWarpDestinations(std::int32_t selectedSystem);
    // The abilities offered for the kind become the dialog's choices.
    void ListAbilitiesOfKind(std::int32_t kind);

private:
    void WriteCurrentInto(CSpaceObject& object, const SystemRef& system) const;
    SystemRef DestinationOfCurrent() const;
    bool SectorRefused(std::int32_t X, std::int32_t Y, std::int32_t systemId) const;
    bool AddWarp(const SpaceObjectRef& warp, std::int32_t systemId);
    bool AddWarpWithMirror(const SpaceObjectRef& warp, std::int32_t systemId);
    void AttachAbilities(CSpaceObject& object) const;
    static std::unique_ptr<MapEdit> ObjectChange(const CSpaceObject& live, CSpaceObject values);
    void SubmitWithMirror(std::unique_ptr<MapEdit> change, const CSpaceObject& warpAfter, const CCoord& from);
    SpaceObjectRef MirrorToFollow(const CSpaceObject& warp, const CCoord& from) const;

    Links l_;
};

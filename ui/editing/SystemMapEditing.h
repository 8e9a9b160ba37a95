#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/CUniverse.h"
#include "ui/MapEditorHost.h"
#include "ui/ObjectEditing.h"
#include "ui/editing/EditingCatalogue.h"
#include "ui/editing/ObjectPlacement.h"

struct WindowState;

// The editing behaviour of the system map: what a press selects, dragging an
// object to another sector, the double-click that opens its dialog, the
// create commands of the context menu and the removal of systems and objects.
class SystemMapEditing : public ObjectEditing {
public:
    SystemMapEditing(MapEditorHost& host, AbilityChoice& abilities, const EditingCatalogue& catalogue);

    // Mouse buttons as the handlers receive them.
    static constexpr int NoButton = 0, LeftButton = 1, RightButton = 2;

    void Press(int button, double px, double py) override;
    void Release(int button, double px, double py) override;
    void DoubleClick() override;
    void CreateObject(std::int32_t kind) override;
    void Remove() override;
    void AddObjectFromCurrent() override;
    void EditObjectFromCurrent() override;

    ObjectPlacement& Placement() { return placement_; }

private:
    WindowState& State() { return host_.State(); }
    SpaceObjectRef ObjectAtPress(std::int32_t X, std::int32_t Y);
    void SelectNothing();
    void SelectObject(const CSpaceObject& object);
    // Counts the objects of the last pressed sector; with two or more the user
    // picks one and the press selects it.
    void PickInLastSector();
    bool RunPicker(std::int32_t& picked);
    void RemoveSystem();
    void RemoveObject();
    void RemoveWarpsHeadingTo(std::int32_t systemId);
    void PressAgain();
    void RedrawSystemMap();

    MapEditorHost& host_;
    AbilityChoice& abilities_;
    ObjectPlacement placement_;
    std::vector<SpaceObjectRef> sectorObjects_;
    std::int32_t pickedId_ = NoID;
};

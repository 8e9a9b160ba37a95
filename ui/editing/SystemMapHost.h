#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CSpaceObject.h"
#include "ui/editing/SystemMapState.h"

// What the system map editing needs of the main window: its labels, its
// views, its dialogs and its kind list.
class SystemMapHost {
public:
    virtual ~SystemMapHost() = default;

    // LblXS / lblYS; empty texts clear them.
    virtual void SetSectorLabels(const std::string& x, const std::string& y) = 0;
    virtual std::string SectorLabelX() const = 0;
    virtual std::string SectorLabelY() const = 0;
    // lblselected
    virtual void SetSelectedLabel(const std::string& text) = 0;
    virtual std::string SelectedLabel() const = 0;
    // LblObjectSelected
    virtual void SetObjectSelectedLabel(const std::string& text) = 0;
    // lblSystem
    virtual std::string SystemLabel() const = 0;
    // cmbType
    virtual void SetKindText(const std::string& text) = 0;
    virtual void SetKindEnabled(bool enabled) = 0;
    // The galaxy frame caption.
    virtual void SetGalaxyCaptionBold(bool bold) = 0;

    virtual void RedrawSystemMap() = 0;
    virtual void DrawSystems() = 0;
    // Runs the galaxy press again on the last pressed cell, so that every
    // label describes what lies there now.
    virtual void ReselectGalaxyCell() = 0;
    // Disables the system map and makes it black.
    virtual void ClearSystemMap() = 0;
    virtual void OpenSystemMapMenu() = 0;

    virtual void ShowDialogs(const DialogFlags& flags) = 0;
    virtual void BeginCreate() = 0;
    // Runs the kind dispatch on the text now in cmbType.
    virtual void DispatchKind() = 0;
    // Opens the object selection dialog on the objects of one sector; true
    // when it was confirmed, with picked set to the chosen position.
    virtual bool PickObject(const std::vector<SpaceObjectRef>& objects, std::int32_t& picked) = 0;
};

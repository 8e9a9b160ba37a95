#include "ui/dialogs/FWarp.h"

#include <QSignalBlocker>

#include "ui/dialogs/QtText.h"

FWarp::FWarp(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindWarpPoint, "Warp Point", parent) {
    txtWarpX = AddText("X Pos.:");
    TxtWarpY = AddText("Y Pos.:");
    cmbWarpDestination = AddCombo("Destination System:", {});
    TxtWarpDestX = AddText("X in destination:");
    TxtWarpDestY = AddText("Y in destination:");
    cmbWarpSize = AddCombo("Warp Size:", {"Tiny", "Small", "Medium", "Large", "Huge"});
    AddExactRow();
    AddButtons();
    WatchChoice(cmbWarpSize);
}

void FWarp::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    const bool creating = l_.editor.CreatingNew;
    {
        const QSignalBlocker size(cmbWarpSize);
        cmbWarpDestination->clear();
        for (const std::string& name : c.DestinationList) cmbWarpDestination->addItem(ToQt(name));
        SetText(txtWarpX, c.X);
        SetText(TxtWarpY, c.Y);
        // A new warp proposes the sector mirrored through the system centre.
        SetText(TxtWarpDestX, creating ? -c.X : c.DestX);
        SetText(TxtWarpDestY, creating ? -c.Y : c.DestY);
        SetText(cmbWarpSize, c.Size);
        SetText(cmbWarpDestination, c.DestinationName);
    }
    shownSize_ = c.Size;
    ClearTypeChanged();
    FillSpecificTypes();
}

WarpFields FWarp::Fields() const {
    return {TextOf(txtWarpX),     TextOf(TxtWarpY),     TextOf(cmbWarpDestination),
            TextOf(TxtWarpDestX), TextOf(TxtWarpDestY), TextOf(cmbWarpSize)};
}

std::string FWarp::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstWarpFailure(Fields(), l_.universe, type, objectType);
}

void FWarp::WriteFields(CurrentObjectRecord& current) const { WriteWarpFields(Fields(), current); }

#include "ui/dialogs/FWarp.h"

#include "ui/MessageBoxPrompts.h"
#include "ui/TabOrder.h"

FWarp::FWarp(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindWarpPoint, "Warp Point", parent) {
    using C = CurrentObjectRecord;
    txtWarpX = AddText("X Pos.:", &C::X);
    TxtWarpY = AddText("Y Pos.:", &C::Y);
    cmbWarpDestination = AddCombo("Destination System:", {});
    TxtWarpDestX = AddText("X in destination:", &C::DestX);
    TxtWarpDestY = AddText("Y in destination:", &C::DestY);
    cmbWarpSize = AddCombo("Warp Size:", {"Tiny", "Small", "Medium", "Large", "Huge"}, &C::Size);
    AddExactRow();
    WatchChoice(cmbWarpSize);
    OrderTabsByLayout(this);
}

void FWarp::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    cmbWarpDestination->clear();
    cmbWarpDestination->addItems(FromBytes(c.DestinationList));
    ShowCurrentObject();
    SetText(cmbWarpDestination, c.DestinationName);
    // A new warp proposes the sector mirrored through the system centre.
    if (l_.editor.CreatingNew) {
        SetText(TxtWarpDestX, -c.X);
        SetText(TxtWarpDestY, -c.Y);
    }
    FinishOpening();
}

WarpFields FWarp::Fields() const {
    return {TextOf(txtWarpX),     TextOf(TxtWarpY),     TextOf(cmbWarpDestination),
            TextOf(TxtWarpDestX), TextOf(TxtWarpDestY), TextOf(cmbWarpSize)};
}

std::string FWarp::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstWarpFailure(Fields(), l_.universe, type, objectType);
}

void FWarp::WriteFields(CurrentObjectRecord& current) const { WriteWarpFields(Fields(), current); }

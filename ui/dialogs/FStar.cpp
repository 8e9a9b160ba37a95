#include "ui/dialogs/FStar.h"

#include "ui/TabOrder.h"

FStar::FStar(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindStar, "Star", parent) {
    using C = CurrentObjectRecord;
    TxtStarName = AddText("Star Name:", &C::Name);
    TxtStarX = AddText("X Pos.:", &C::X);
    TxtStarY = AddText("Y Pos.:", &C::Y);
    cmbstarColor = AddCombo("Star Color:", {"Yellow", "Red", "Blue", "White", "Orange", "Green", "Purple"}, &C::Colour);
    cmbStarSize = AddCombo("Star Size:", {"Tiny", "Small", "Medium", "Large", "Huge"}, &C::Size);
    AddExactRow();
    WatchChoice(cmbstarColor);
    WatchChoice(cmbStarSize);
    OrderTabsByLayout(this);
}

void FStar::LoadFields() {
    ShowCurrentObject();
    FinishOpening();
}

TypeChoice FStar::CurrentChoice() const { return {TextOf(cmbstarColor), TextOf(cmbStarSize), "", ""}; }

StarFields FStar::Fields() const {
    return {TextOf(TxtStarName), TextOf(TxtStarX), TextOf(TxtStarY), TextOf(cmbstarColor), TextOf(cmbStarSize)};
}

std::string FStar::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstStarFailure(Fields(), type, objectType);
}

void FStar::WriteFields(CurrentObjectRecord& current) const { WriteStarFields(Fields(), current); }

FStorm::FStorm(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindStorm, "Storm", parent) {
    txtStormX = AddText("X Pos.:", &CurrentObjectRecord::X);
    TxtStormY = AddText("Y Pos.:", &CurrentObjectRecord::Y);
    cmbStormColor = AddCombo("Storm Color:", {"White", "Red", "Blue", "Yellow"});
    AddExactRow();
    OrderTabsByLayout(this);
}

void FStorm::LoadFields() {
    ShowCurrentObject();
    cmbStormColor->setEditText(QString());
    FinishOpening();
}

StormFields FStorm::Fields() const { return {TextOf(txtStormX), TextOf(TxtStormY)}; }

std::string FStorm::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstStormFailure(Fields(), type, objectType);
}

void FStorm::WriteFields(CurrentObjectRecord& current) const { WriteStormFields(Fields(), current); }

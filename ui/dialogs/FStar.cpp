#include "ui/dialogs/FStar.h"

#include <QSignalBlocker>

FStar::FStar(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindStar, "Star", parent) {
    TxtStarName = AddText("Star Name:");
    TxtStarX = AddText("X Pos.:");
    TxtStarY = AddText("Y Pos.:");
    cmbstarColor = AddCombo("Star Color:", {"Yellow", "Red", "Blue", "White", "Orange", "Green", "Purple"});
    cmbStarSize = AddCombo("Star Size:", {"Tiny", "Small", "Medium", "Large", "Huge"});
    AddExactRow();
    AddButtons();
    WatchChoice(cmbstarColor);
    WatchChoice(cmbStarSize);
}

void FStar::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    {
        const QSignalBlocker colour(cmbstarColor), size(cmbStarSize);
        SetText(TxtStarName, c.Name);
        SetText(TxtStarX, c.X);
        SetText(TxtStarY, c.Y);
        SetText(cmbstarColor, c.Colour);
        SetText(cmbStarSize, c.Size);
    }
    shownColour_ = c.Colour;
    shownSize_ = c.Size;
    ClearTypeChanged();
    FillSpecificTypes();
}

TypeChoice FStar::CurrentChoice() const { return {TextOf(cmbstarColor), TextOf(cmbStarSize), "", ""}; }

bool FStar::ChoiceWordsChanged() const {
    return shownColour_ != TextOf(cmbstarColor) || shownSize_ != TextOf(cmbStarSize);
}

StarFields FStar::Fields() const {
    return {TextOf(TxtStarName), TextOf(TxtStarX), TextOf(TxtStarY), TextOf(cmbstarColor), TextOf(cmbStarSize)};
}

std::string FStar::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstStarFailure(Fields(), type, objectType);
}

void FStar::WriteFields(CurrentObjectRecord& current) const { WriteStarFields(Fields(), current); }

FStorm::FStorm(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindStorm, "Storm", parent) {
    txtStormX = AddText("X Pos.:");
    TxtStormY = AddText("Y Pos.:");
    cmbStormColor = AddCombo("Storm Color:", {"White", "Red", "Blue", "Yellow"});
    AddExactRow();
    AddButtons();
}

void FStorm::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    SetText(txtStormX, c.X);
    SetText(TxtStormY, c.Y);
    cmbStormColor->setEditText(QString());
    ClearTypeChanged();
    FillSpecificTypes();
}

StormFields FStorm::Fields() const { return {TextOf(txtStormX), TextOf(TxtStormY)}; }

std::string FStorm::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstStormFailure(Fields(), type, objectType);
}

void FStorm::WriteFields(CurrentObjectRecord& current) const { WriteStormFields(Fields(), current); }

#include "ui/dialogs/FAbilities.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "ui/MessageBoxPrompts.h"

FAbilities::FAbilities(AbilityChoice& choice, QWidget* parent) : QDialog(parent), choice_(choice) {
    setWindowTitle("Abilities");
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    for (std::size_t i = 0; i < cmbAbility.size(); ++i) {
        cmbAbility[i] = new QComboBox(this);
        cmbAbility[i]->setEditable(true);
        cmbAbility[i]->setMinimumContentsLength(40);
        form->addRow(QString("Ability %1:").arg(i + 1), cmbAbility[i]);
    }
    const OkCancelRow buttons = AddOkCancelRow(this, outer, [this] {
        StoreSlots();
        accept();
    });
    cmdOk = buttons.cmdOk;
    cmdNo = buttons.cmdNo;
}

void FAbilities::LoadLists() {
    for (std::size_t i = 0; i < cmbAbility.size(); ++i) {
        QComboBox* list = cmbAbility[i];
        list->clear();
        list->addItem(QString());
        list->addItems(FromBytes(choice_.Offered));
        const AbilitySlot& slot = choice_.Slots[i];
        list->setEditText(slot.Used ? FromBytes(slot.Text) : QString());
    }
}

void FAbilities::StoreSlots() {
    for (std::size_t i = 0; i < cmbAbility.size(); ++i) {
        const std::string text = ToBytes(cmbAbility[i]->currentText());
        choice_.Slots[i] = text.empty() ? AbilitySlot{} : AbilitySlot{true, text};
    }
}

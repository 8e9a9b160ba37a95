#include "ui/dialogs/FAbilities.h"

#include <QFormLayout>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/DialogParts.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/TabOrder.h"

namespace {

// Lists shown before the dialog scrolls.
constexpr int VisibleLists = 5;

}  // namespace

FAbilities::FAbilities(AbilityChoice& choice, QWidget* parent) : QDialog(parent), choice_(choice) {
    setWindowTitle("Abilities");
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* lists = new QWidget;
    auto* form = new QFormLayout(lists);
    // Every ability the object holds gets a list, so that clearing them all
    // clears them all.
    const std::size_t count = std::max(AbilityChoice::DialogSlots, choice_.Slots.size());
    for (std::size_t i = 0; i < count; ++i) {
        auto* list = NewEditableList();
        list->setMinimumContentsLength(40);
        form->addRow(QString("Ability %1:").arg(i + 1), list);
        cmbAbility.push_back(list);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from list to list; the area follows the focus by itself.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(lists);
    const int rowHeight = lists->sizeHint().height() / static_cast<int>(count);
    scroll->setMinimumHeight(rowHeight * std::min<int>(VisibleLists, static_cast<int>(count)) + 8);
    outer->addWidget(scroll);
    const OkCancelRow buttons = AddOkCancelRow(this, outer, [this] {
        StoreSlots();
        accept();
    });
    cmdOk = buttons.cmdOk;
    cmdNo = buttons.cmdNo;
    OrderTabsByLayout(this);
}

void FAbilities::LoadLists() {
    for (std::size_t i = 0; i < cmbAbility.size(); ++i) {
        QComboBox* list = cmbAbility[i];
        list->clear();
        list->addItem(QString());
        list->addItems(FromBytes(choice_.Offered));
        const AbilitySlot slot = i < choice_.Slots.size() ? choice_.Slots[i] : AbilitySlot{};
        list->setEditText(slot.Used ? FromBytes(slot.Text) : QString());
    }
}

void FAbilities::StoreSlots() {
    if (choice_.Slots.size() < cmbAbility.size()) choice_.Slots.resize(cmbAbility.size());
    for (std::size_t i = 0; i < cmbAbility.size(); ++i) {
        const std::string text = ToBytes(cmbAbility[i]->currentText());
        choice_.Slots[i] = text.empty() ? AbilitySlot{} : AbilitySlot{true, text};
    }
}

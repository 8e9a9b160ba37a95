#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <array>

#include "ui/editing/AbilityChoice.h"

// "Abilities": up to five abilities for the object being placed or edited.
class FAbilities : public QDialog {
public:
    explicit FAbilities(AbilityChoice& choice, QWidget* parent = nullptr);

    // Every list offers an empty item and the abilities of the kind; the used
    // slots show their texts.
    void LoadLists();

    std::array<QComboBox*, AbilityChoice::DialogSlots> cmbAbility{};
    QPushButton* cmdOk;
    QPushButton* cmdNo;

private:
    void StoreSlots();

    AbilityChoice& choice_;
};

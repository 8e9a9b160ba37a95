#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <vector>

#include "ui/editing/AbilityChoice.h"

// "Abilities": the abilities of the object being placed or edited: five
// lists, or one per ability when the object holds more (the lists scroll).
class FAbilities : public QDialog {
public:
    explicit FAbilities(AbilityChoice& choice, QWidget* parent = nullptr);

    // Every list offers an empty item and the abilities of the kind; the used
    // slots show their texts.
    void LoadLists();

    std::vector<QComboBox*> cmbAbility;
    QPushButton* cmdOk;
    QPushButton* cmdNo;

private:
    void StoreSlots();

    AbilityChoice& choice_;
};

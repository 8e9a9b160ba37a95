#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <string>

#include "ui/dialogs/DialogLinks.h"
#include "ui/dialogs/ObjectChecks.h"

// What the star, storm, planet, asteroid and warp dialogs share: the specific
// type list with its picture and type-changed flag, the abilities button, and
// OK (checks, write-back, the main window's Update) and Cancel.
class ObjectDialog : public QDialog {
public:
    ObjectDialog(const DialogLinks& links, std::int32_t kind, const QString& title, QWidget* parent);

    // The opening step: the fields receive CurrentObject.
    virtual void LoadFields() = 0;

    QComboBox* cmbExact;
    QLabel* Im;
    QPushButton* CmdHabilities;
    QPushButton* cmdOk;
    QPushButton* cmdNo;

    bool TypeChanged() const { return typeChanged_; }

    // Cancel in every form (button, Escape, closing) goes to the main window.
    void reject() override;

protected:
    // The choices that narrow the specific type list now.
    virtual TypeChoice CurrentChoice() const = 0;
    // True when a size, colour, type or atmosphere differs from the opening one.
    virtual bool ChoiceWordsChanged() const = 0;
    virtual std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const = 0;
    virtual void WriteFields(CurrentObjectRecord& current) const = 0;

    // Refills the specific type list; unless creating, shows the object's type.
    void FillSpecificTypes();
    // A choice changed: refill and clear the specific type.
    void ChoiceChanged();
    void ClearTypeChanged() { typeChanged_ = false; }

    QComboBox* AddCombo(const char* label, const QStringList& items);
    QLineEdit* AddText(const char* label);
    void AddExactRow();
    void AddButtons(QPushButton* extra = nullptr);
    // Choosing or typing in the combo runs ChoiceChanged.
    void WatchChoice(QComboBox* combo);

    DialogLinks l_;
    QFormLayout* form_;

private:
    void ExactChanged(const QString& text);
    void Confirm();
    void OpenAbilities();

    std::int32_t kind_;
    bool typeChanged_ = false;
};

std::string TextOf(const QLineEdit* edit);
std::string TextOf(const QComboBox* combo);
void SetText(QComboBox* combo, const std::string& text);
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QLineEdit* edit, std::int32_t value);

#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
    virtual std::string FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const = 0;
    virtual void WriteFields(CurrentObjectRecord& current) const = 0;

    // Refills the specific type list; unless creating, shows the object's type.
    void FillSpecificTypes();
    // A choice changed: refill and clear the specific type.
    void ChoiceChanged();

    using TextField = std::string CurrentObjectRecord::*;
    using WholeField = std::int32_t CurrentObjectRecord::*;
    // A row whose field shows the CurrentObject member on opening (none: blank).
    QComboBox* AddCombo(const char* label, const QStringList& items, TextField shown = nullptr);
    QLineEdit* AddText(const char* label, TextField shown);
    QLineEdit* AddText(const char* label, WholeField shown);
    void AddExactRow();
    // Puts a button before Abilities on the bottom row.
    void AddLeadingButton(QPushButton* button);
    // Choosing or typing in the combo runs ChoiceChanged.
    void WatchChoice(QComboBox* combo);
    // Every row shows its CurrentObject member; the choice handlers stay quiet.
    void ShowCurrentObject();
    // Blanks the watched choices, quietly.
    void BlankChoices();
    // The fields are shown: remembers the choices, clears the type-changed
    // flag and, if asked, fills the specific type list.
    void FinishOpening(bool fillTypes = true);

    DialogLinks l_;
    QFormLayout* form_;
    QHBoxLayout* buttonRow_;

private:
    // True when a watched choice differs from the one shown on opening.
    bool ChoiceWordsChanged() const;
    void ExactChanged(const QString& text);
    void Confirm();
    void OpenAbilities();
    // A text row that shows the field of CurrentObject on opening.
    template <class Field>
    QLineEdit* AddShownText(const char* label, Field shown);

    std::int32_t kind_;
    bool typeChanged_ = false;
    std::vector<std::function<void(const CurrentObjectRecord&)>> showers_;
    std::vector<QComboBox*> watched_;
    std::vector<QString> shownChoices_;
};

std::string TextOf(const QLineEdit* edit);
std::string TextOf(const QComboBox* combo);
void SetText(QComboBox* combo, const std::string& text);
void SetText(QLineEdit* edit, const std::string& text);
void SetText(QLineEdit* edit, std::int32_t value);

#include "ui/dialogs/ObjectDialog.h"

#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "ui/render/TransparentBitmap.h"
#include "ui/dialogs/FAbilities.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/OneLineTextEdit.h"

namespace {

// The specific type list when nothing matches the choices.
const QColor NothingToChoose(255, 255, 192);

void SetBase(QComboBox* combo, const QColor& colour) {
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Base, colour);
    combo->setPalette(palette);
}

}  // namespace

// A line edit keeps pasted line breaks; a map value must stay on its line.
std::string TextOf(const QLineEdit* edit) { return ToBytes(OneLineTextEdit::OneLine(edit->text())); }
std::string TextOf(const QComboBox* combo) { return ToBytes(OneLineTextEdit::OneLine(combo->currentText())); }
void SetText(QComboBox* combo, const std::string& text) { combo->setEditText(FromBytes(text)); }
void SetText(QLineEdit* edit, const std::string& text) { edit->setText(FromBytes(text)); }
void SetText(QLineEdit* edit, std::int32_t value) { edit->setText(QString::number(value)); }

ObjectDialog::ObjectDialog(const DialogLinks& links, std::int32_t kind, const QString& title, QWidget* parent)
    : QDialog(parent), l_(links), kind_(kind) {
    setWindowTitle(title);
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    form_ = new QFormLayout;
    outer->addLayout(form_);
    cmbExact = new QComboBox(this);
    Im = new QLabel(this);
    Im->setMinimumSize(96, 96);
    Im->setAlignment(Qt::AlignCenter);
    CmdHabilities = new QPushButton("Abilities", this);
    const OkCancelRow buttons = AddOkCancelRow(this, outer, [this] { Confirm(); });
    buttonRow_ = buttons.row;
    cmdOk = buttons.cmdOk;
    cmdNo = buttons.cmdNo;
    buttonRow_->insertWidget(0, CmdHabilities);
    cmbExact->setEditable(true);
    // Long specific-type names are shown whole: the list widens to them.
    cmbExact->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbExact->setInsertPolicy(QComboBox::NoInsert);  // typed text is checked, never added to the list
    connect(cmbExact, &QComboBox::editTextChanged, this, &ObjectDialog::ExactChanged);
    connect(CmdHabilities, &QPushButton::clicked, this, &ObjectDialog::OpenAbilities);
}

QComboBox* ObjectDialog::AddCombo(const char* label, const QStringList& items, TextField shown) {
    auto* combo = new QComboBox(this);
    combo->setEditable(true);
    // The lists are fixed: Enter must not append what was typed.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(QString());
    form_->addRow(label, combo);
    if (shown) showers_.push_back([combo, shown](const CurrentObjectRecord& c) { SetText(combo, c.*shown); });
    return combo;
}

template <class Field>
QLineEdit* ObjectDialog::AddShownText(const char* label, Field shown) {
    auto* edit = new QLineEdit(this);
    form_->addRow(label, edit);
    showers_.push_back([edit, shown](const CurrentObjectRecord& c) { SetText(edit, c.*shown); });
    return edit;
}

QLineEdit* ObjectDialog::AddText(const char* label, TextField shown) { return AddShownText(label, shown); }

QLineEdit* ObjectDialog::AddText(const char* label, WholeField shown) { return AddShownText(label, shown); }

void ObjectDialog::AddExactRow() {
    form_->addRow("Specific Type:", cmbExact);
    form_->addRow(Im);
}

void ObjectDialog::AddLeadingButton(QPushButton* button) { buttonRow_->insertWidget(0, button); }

void ObjectDialog::WatchChoice(QComboBox* combo) {
    watched_.push_back(combo);
    connect(combo, &QComboBox::editTextChanged, this, [this] { ChoiceChanged(); });
}

void ObjectDialog::ShowCurrentObject() {
    for (QComboBox* combo : watched_) combo->blockSignals(true);
    for (const auto& show : showers_) show(l_.editor.CurrentObject);
    for (QComboBox* combo : watched_) combo->blockSignals(false);
}

void ObjectDialog::BlankChoices() {
    for (QComboBox* combo : watched_) {
        const QSignalBlocker quiet(combo);
        combo->setEditText(QString());
    }
}

void ObjectDialog::FinishOpening(bool fillTypes) {
    shownChoices_.clear();
    for (const QComboBox* combo : watched_) shownChoices_.push_back(combo->currentText());
    typeChanged_ = false;
    if (fillTypes) FillSpecificTypes();
}

bool ObjectDialog::ChoiceWordsChanged() const {
    for (std::size_t i = 0; i < watched_.size(); ++i) {
        const QString shown = i < shownChoices_.size() ? shownChoices_[i] : QString();
        if (watched_[i]->currentText() != shown) return true;
    }
    return false;
}

void ObjectDialog::FillSpecificTypes() {
    cmbExact->clear();
    const std::vector<std::string> names = l_.catalogue.SpecificTypeNames(kind_, CurrentChoice());
    const bool any = !names.empty();
    cmbExact->setEnabled(any);
    SetBase(cmbExact, any ? QColor(Qt::white) : NothingToChoose);
    cmbExact->addItems(FromBytes(names));
    cmbExact->setEditText(QString());
    if (!l_.editor.CreatingNew)
        SetText(cmbExact, l_.catalogue.TypeNameOfOrdinal(l_.editor.CurrentObject.ObjectType));
}

void ObjectDialog::ChoiceChanged() {
    FillSpecificTypes();
    cmbExact->setEditText(QString());
}

void ObjectDialog::ExactChanged(const QString& text) {
    Im->clear();
    typeChanged_ = true;
    if (text.isEmpty()) return;
    const auto picture = l_.catalogue.PictureOfTypeName(ToBytes(text));
    if (!picture) return;
    // The picture's key colour (its corner pixel) is transparent, as on the map.
    const TransparentBitmap bitmap(QImage(QString::fromStdString(picture->string())), Im->minimumWidth(), QPoint(0, 0));
    if (!bitmap.IsNull()) Im->setPixmap(QPixmap::fromImage(bitmap.Image()));
}

void ObjectDialog::Confirm() {
    if (ChoiceWordsChanged()) typeChanged_ = true;
    CurrentObjectRecord& current = l_.editor.CurrentObject;
    const SpecificTypeCheck type{l_.catalogue, typeChanged_, TextOf(cmbExact)};
    const std::string failure = FirstFailure(type, current.ObjectType);
    if (!failure.empty()) {
        l_.prompts.Error(failure);
        return;
    }
    WriteFields(current);
    if (!l_.host.Update()) return;  // refused and reported; the values stay for another try
    accept();
}

void ObjectDialog::reject() {
    l_.host.Cancel();
    QDialog::reject();
}

void ObjectDialog::OpenAbilities() {
    FAbilities abilities(l_.abilities, this);
    abilities.LoadLists();
    abilities.move(pos() - QPoint(100, 100));
    l_.prompts.ExecDialog(abilities);
}

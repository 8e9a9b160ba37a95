#include "ui/FSystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "random/GameData.h"
#include "random/NameGenerator.h"
#include "ui/DialogParts.h"
#include "ui/EditorState.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/OneLineTextEdit.h"
#include "ui/SystemDialogChecks.h"
#include "ui/SystemRecords.h"
#include "ui/UserPrompts.h"
#include "ui/TabOrder.h"

namespace {

QComboBox* EditableList(const char* name) {
    QComboBox* list = NewEditableList();
    list->setObjectName(name);
    return list;
}

QString TextOf(const QComboBox* list) { return list->currentText(); }

}  // namespace

FSystem::FSystem(EditorState& editor, DialogHost& host, UserPrompts& prompts, const GameData& data,
                 RandomSource& random, const CUniverse& universe, std::int32_t editedSystem, QWidget* parent)
    : QDialog(parent),
      editor_(editor),
      host_(host),
      prompts_(prompts),
      data_(data),
      random_(random),
      universe_(universe),
      editedSystem_(editedSystem) {
    setObjectName("FSystem");
    setWindowTitle(tr("System"));
    BuildFields();
    FillLists();
    ShowCurrent();
    OrderTabsByLayout(this);
}

void FSystem::BuildFields() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("System Name:"), TxtSystemName = new QLineEdit);
    form->addRow(tr("X Pos.:"), TxtSystemX = new QLineEdit);
    form->addRow(tr("Y Pos.:"), TxtSystemY = new QLineEdit);
    form->addRow(tr("Physical Type:"), cmdSystemPT = EditableList("cmdSystemPT"));
    form->addRow(tr("System Description:"), txtSystemDescription = new OneLineTextEdit);
    form->addRow(tr("Portrait Image:"), cmbSystemBackImage = EditableList("cmbSystemBackImage"));
    form->addRow(tr("SkyBox Image:"), cmbSystemSkyBox = EditableList("cmbSystemSkyBox"));
    txtSystemDescription->setMaximumHeight(80);
    layout->addLayout(form);
    layout->addWidget(chkCanStart = new QCheckBox(tr("Empires can Start here")));
    AddOkCancelRow(this, layout, [this] { Ok(); });
}

void FSystem::FillLists() {
    cmdSystemPT->addItems({"Normal", "Black Hole", "Nebulae"});
    cmdSystemPT->setEditText("Normal");
    cmbSystemSkyBox->addItems(FromBytes(data_.SystemTypes.StellarBackgrounds()));
    connect(cmdSystemPT, &QComboBox::currentTextChanged, this, &FSystem::PhysicalTypeChanged);
    PhysicalTypeChanged(TextOf(cmdSystemPT));
}

void FSystem::ShowCurrent() {
    const EditorState& shared = editor_;
    const CurrentObjectRecord& current = shared.CurrentObject;
    TxtSystemName->setText(FromBytes(current.Name));
    txtSystemDescription->setPlainText(FromBytes(current.Description));
    TxtSystemX->setText(QString::number(current.X));
    TxtSystemY->setText(QString::number(current.Y));
    if (shared.CreatingNew) {
        TxtSystemName->setText(FromBytes(GenerateName(data_.ProgramFolder, random_)));
        cmbSystemSkyBox->setEditText("");
        chkCanStart->setChecked(true);
        return;
    }
    cmdSystemPT->setEditText(FromBytes(current.Type));
    cmbSystemBackImage->setEditText(FromBytes(current.PortraitBitmap));
    cmbSystemSkyBox->setEditText(FromBytes(current.SkyBox));
    chkCanStart->setChecked(current.CanStart);
}

void FSystem::PhysicalTypeChanged(const QString& type) {
    cmbSystemBackImage->clear();
    for (const SystemPortrait& portrait : data_.SystemTypes.PortraitsOfPhysicalType(ToBytes(type)))
        cmbSystemBackImage->addItem(FromBytes(portrait.PortraitBitmap));
    const bool any = cmbSystemBackImage->count() > 0;
    cmbSystemBackImage->setEnabled(any);
    cmbSystemBackImage->setStyleSheet(any ? QString() : QStringLiteral("background: rgb(255, 255, 192);"));
    cmbSystemBackImage->setEditText("");
    if (type != "Normal") chkCanStart->setChecked(false);
    chkCanStart->setEnabled(type == "Normal");
}

void FSystem::Ok() {
    // Every value is one line of the map: a line break would end it early.
    const auto oneLine = [](const QString& text) { return ToBytes(OneLineTextEdit::OneLine(text)); };
    const SystemDialogInput input{oneLine(TxtSystemName->text()),        oneLine(TxtSystemX->text()),
                                  oneLine(TxtSystemY->text()),           ToBytes(TextOf(cmdSystemPT)),
                                  oneLine(txtSystemDescription->toPlainText()), ToBytes(TextOf(cmbSystemBackImage)),
                                  ToBytes(TextOf(cmbSystemSkyBox)),      chkCanStart->isChecked()};
    const SystemTypeCatalog& types = data_.SystemTypes;
    SystemDialogLookups lookups;
    lookups.findPortrait = [&types](const std::string& bitmap) -> std::optional<PortraitChoice> {
        const SystemPortrait found = types.FindPortrait(bitmap);
        if (found.PortraitBitmap.empty()) return std::nullopt;
        return PortraitChoice{found.PhysicalType, found.PortraitBitmap, found.PortraitIndex};
    };
    lookups.findBackground = [&types](const std::string& name) { return types.FindBackground(name); };
    if (auto failure = CheckSystemDialog(input, lookups, editor_.CurrentObject)) {
        prompts_.Error(*failure);
        return;
    }
    const SystemClash clash = FindSystemClash(universe_, editor_.CurrentObject, editedSystem_);
    if (!clash.message.empty()) {
        if (clash.isError)
            prompts_.Error(clash.message);
        else
            prompts_.Information(clash.message);
        return;
    }
    if (!host_.Update()) return;
    QDialog::accept();
}

void FSystem::reject() {
    host_.Cancel();
    QDialog::reject();
}

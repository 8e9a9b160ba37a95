#include "ui/MapDialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "random/GameData.h"
#include "random/GenerationContext.h"
#include "random/RandomChecks.h"
#include "ui/DialogParts.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/OneLineTextEdit.h"
#include "ui/UserPrompts.h"
#include "ui/TabOrder.h"

namespace {

// The names of a catalogue's types, in their order, for a list to choose from.
template <class Types>
QStringList NamesOf(const Types& types) {
    QStringList names;
    for (const auto& type : types) names << FromBytes(type.Name);
    return names;
}

}  // namespace

QString MapNameOfFile(const QString& fileName) { return fileName.left(std::max<qsizetype>(0, fileName.size() - 4)); }

QString MapNameText(const std::string& name) { return QString::fromStdString(name); }

std::string MapNameBytes(const QString& name) { return name.toStdString(); }

std::filesystem::path MapFilePath(const QString& fileName) {
    return std::filesystem::path(fileName.toStdU16String());
}

QString MapWindowTitle(const std::string& name) {
    if (name.empty()) return ApplicationTitle() + QStringLiteral("[*]");
    return MapNameText(name) + QStringLiteral("[*] - ") + ApplicationTitle();
}

FMapName::FMapName(const QString& caption, const std::string& mapName, std::function<void(const std::string&)> run,
                   QWidget* parent)
    : QDialog(parent), run_(std::move(run)) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("Map File Name:"), TxtFileName = new QLineEdit(MapNameText(mapName)));
    layout->addLayout(form);
    AddOkCancelRow(this, layout, [this] { Ok(); }, tr("OK"));
    OrderTabsByLayout(this);
}

void FMapName::Ok() {
    const std::string name = MapNameBytes(OneLineTextEdit::OneLine(TxtFileName->text()));
    accept();
    run_(name);
}

FLoad::FLoad(const QStringList& maps, UserPrompts& prompts, std::function<void(const QString&)> load,
             QWidget* parent)
    : QDialog(parent), prompts_(prompts), load_(std::move(load)) {
    setWindowTitle(tr("Load Map"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Available Maps:")));
    layout->addWidget(F = new QListWidget);
    F->addItems(maps);
    auto* form = new QFormLayout;
    form->addRow(tr("Selected Map File:"), TxtFileName = new QLineEdit);
    TxtFileName->setReadOnly(true);
    layout->addLayout(form);
    AddOkCancelRow(this, layout, [this] { Ok(); }, tr("Ok"));
    ShowChosenMapIn(*F, *TxtFileName);
    OrderTabsByLayout(this);
}

void FLoad::Ok() {
    const QString file = ChosenMapFileOf(*F);
    if (file.isEmpty()) {
        prompts_.Information(NoMapChosenText);
        return;
    }
    accept();
    load_(file);
}

QString ChosenMapFileOf(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item ? item->text() : QString();
}

void ShowChosenMapIn(QListWidget& list, QLineEdit& field) {
    QObject::connect(&list, &QListWidget::currentItemChanged, &field,
                     [&list, &field] { field.setText(MapNameOfFile(ChosenMapFileOf(list))); });
}

FRandom::FRandom(const GameData& data, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), data_(data), prompts_(prompts) {
    setWindowTitle(tr("Create Quadrant"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("Quadrant Type:"), cmbGalType = NewEditableList(NamesOf(data.QuadrantTypes.Types())));
    form->addRow(tr("Number of Systems:"), TxtMaxNumber = new QLineEdit("50"));
    form->addRow(tr("Quadrant Shape:"), CmbShape = NewEditableList({ShapeRandom, ShapeSpiral, ShapeGrid, ShapeIslands}));
    layout->addLayout(form);
    auto* note = new QLabel(tr("Quadrant Shape will be applied if there are more Systems than locations defined in "
                               "the quadrant type"));
    note->setWordWrap(true);
    layout->addWidget(note);
    AddOkCancelRow(this, layout, [this] { Ok(); }, tr("Ok"));
    connect(cmbGalType, &QComboBox::currentTextChanged, this, &FRandom::TypeChanged);
    TypeChanged(cmbGalType->currentText());
    OrderTabsByLayout(this);
}

void FRandom::TypeChanged(const QString& type) {
    const std::size_t locations = data_.QuadrantTypes.FindQuadrantType(ToBytes(type)).Locations.size();
    TxtMaxNumber->setText(locations ? QString::number(locations) : QStringLiteral("50"));
    TxtMaxNumber->setStyleSheet(locations ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
}

void FRandom::Ok() {
    const std::string type = ToBytes(cmbGalType->currentText());
    const std::string number = ToBytes(TxtMaxNumber->text());
    const std::string chosenShape = ToBytes(CmbShape->currentText());
    const std::string failure = CheckRandomMapRequest(data_, type, number, chosenShape);
    if (!failure.empty()) {
        prompts_.Error(failure);
        return;
    }
    galaxyType = type;
    numberOfSystems = RandomSystemsNumber(number).value_or(0);
    shape = chosenShape;
    accept();
}

FSystemType::FSystemType(const GameData& data, UserPrompts& prompts,
                         std::function<void(const std::string&, const std::string&)> generate, QWidget* parent)
    : QDialog(parent), data_(data), prompts_(prompts), generate_(std::move(generate)) {
    setWindowTitle(tr("System Type"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("System Type:"), cmbType = NewEditableList(NamesOf(data.RandomSystemTypes.Types())));
    form->addRow(tr("System Name [Optional]:"), txtname = new QLineEdit);
    layout->addLayout(form);
    AddOkCancelRow(this, layout, [this] { Ok(); }, tr("Ok"));
    OrderTabsByLayout(this);
}

void FSystemType::Ok() {
    const std::string type = ToBytes(cmbType->currentText());
    const std::string failure = CheckSystemTypeChoice(data_, type);
    if (!failure.empty()) {
        prompts_.Error(failure);
        return;
    }
    const std::string name = ToBytes(OneLineTextEdit::OneLine(txtname->text()));
    if (const std::string refused = nameCheck_ ? nameCheck_(name) : std::string(); !refused.empty()) {
        prompts_.Error(refused);
        return;
    }
    accept();
    generate_(type, name);
}

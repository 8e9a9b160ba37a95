#include "ui/FPaths.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "ui/FolderList.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/TabOrder.h"

FPaths::FPaths(const Settings& current, QWidget* parent) : QDialog(parent), pending_(current) {
    setObjectName("FPaths");
    setWindowTitle(tr("Settings"));
    setMinimumWidth(440);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FolderRow(tr("Data Folder (Double click to change)"), "Dir1", TxtData, current.DataDirectory));
    layout->addWidget(FolderRow(tr("Map Compiler Folder (Double click to change)"), "Dir2", TxtMapcompiler,
                                current.MapCompilerPath));
    layout->addWidget(FolderRow(tr("Maps Folder (Double click to change)"), "Dir3", TxtMap, current.MapFolder));
    auto* Frame1 = new QGroupBox(tr("Allow Multiple Objects in the same Sector"));
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(o1 = new QRadioButton(tr("Yes")));
    options->addWidget(o2 = new QRadioButton(tr("No")));
    (current.MultipleObjectsInSameSector == "True" ? o1 : o2)->setChecked(true);
    layout->addWidget(Frame1);
    AddOkCancelRow(this, layout, [this] { Ok(); }, tr("Ok")).cmdNo->setObjectName("cmdCancel");
    OrderTabsByLayout(this);
}

QWidget* FPaths::FolderRow(const QString& caption, const char* browserName, QLineEdit*& field,
                           const std::string& value) {
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption));
    field = new QLineEdit(FromBytes(value));
    auto* browser = new FolderList(QDir::currentPath());
    browser->setObjectName(browserName);
    browser->setMaximumHeight(110);
    QLineEdit* target = field;
    connect(browser, &FolderList::folderChanged, target, &QLineEdit::setText);
    layout->addWidget(browser);
    layout->addWidget(field);
    return row;
}

void FPaths::Ok() {
    pending_.DataDirectory = ToBytes(TxtData->text());
    pending_.MapCompilerPath = ToBytes(TxtMapcompiler->text());
    pending_.MapFolder = ToBytes(TxtMap->text());
    pending_.MultipleObjectsInSameSector = o1->isChecked() ? "True" : "false";
    accepted_ = true;
    accept();
}

void FPaths::reject() {
    accepted_ = false;
    QDialog::reject();
}

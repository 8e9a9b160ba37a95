#include "ui/DialogParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

OkCancelRow AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk,
                           const QString& okText) {
    auto* row = new QHBoxLayout;
    auto* cmdOk = new QPushButton(okText, dialog);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setDefault(true);
    auto* cmdNo = new QPushButton(QObject::tr("Cancel"), dialog);
    cmdNo->setObjectName("cmdNo");
    QObject::connect(cmdOk, &QPushButton::clicked, dialog, std::move(onOk));
    QObject::connect(cmdNo, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(cmdOk);
    row->addWidget(cmdNo);
    layout->addLayout(row);
    return {row, cmdOk, cmdNo};
}

QComboBox* NewEditableList(const QStringList& items) {
    auto* list = new QComboBox;
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    return list;
}

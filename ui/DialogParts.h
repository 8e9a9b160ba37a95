#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QBoxLayout;
class QComboBox;
class QDialog;
class QHBoxLayout;
class QPushButton;

// The row of buttons a dialog ends with: OK (the default button, named
// "cmdOk") and Cancel (named "cmdNo", it rejects the dialog) on the right.
struct OkCancelRow {
    QHBoxLayout* row;
    QPushButton* cmdOk;
    QPushButton* cmdNo;
};

// Builds the row as children of the dialog and appends it to the layout.
OkCancelRow AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, std::function<void()> onOk,
                           const QString& okText = QStringLiteral("OK"));

// A list the user may also type into; typing adds no item.
QComboBox* NewEditableList(const QStringList& items = {});

#pragma once

#include <QDialog>

#include "catalog/Settings.h"

class QLineEdit;
class QRadioButton;

// The settings dialog: three folders, each with a folder browser whose
// double-clicked folder replaces the text beside it, and the option to allow
// several objects in one sector. Its results are the pending settings and
// whether it was accepted.
class FPaths : public QDialog {
    Q_OBJECT
public:
    FPaths(const Settings& current, QWidget* parent = nullptr);

    bool Accepted() const { return accepted_; }
    // The three folders and "True" / "false"; the derived values of the
    // current settings are carried over unchanged.
    Settings PendingSettings() const { return pending_; }

    QLineEdit* TxtData = nullptr;
    QLineEdit* TxtMapcompiler = nullptr;
    QLineEdit* TxtMap = nullptr;
    QRadioButton* o1 = nullptr;
    QRadioButton* o2 = nullptr;

    void Ok();
    // Cancel, Escape or closing: the settings stay as they were.
    void reject() override;

private:
    QWidget* FolderRow(const QString& caption, const char* browserName, QLineEdit*& field, const std::string& value);

    Settings pending_;
    bool accepted_ = false;
};

#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "ui/UserPrompts.h"

class QWidget;

// The real prompts: message boxes with the application's title, dialogs run
// modally.
class MessageBoxPrompts : public UserPrompts {
public:
    explicit MessageBoxPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Error(const std::string& message) override;
    void Information(const std::string& message) override;
    bool Question(const std::string& message) override;
    int ExecDialog(QDialog& dialog) override;
    SaveChoice AskSaveChanges(const std::string& mapName) override;
    bool AskRestore(const std::string& message) override;

private:
    QWidget* parent_;
};

// The title of every message box.
QString ApplicationTitle();
// Byte strings of the model are single-byte; shown as Latin-1.
QString FromBytes(const std::string& text);
std::string ToBytes(const QString& text);
QStringList FromBytes(const std::vector<std::string>& texts);
// A message may name files, whose names are UTF-8, beside map text, which is
// Latin-1: shown as UTF-8 when it is valid UTF-8, else as Latin-1.
QString MessageText(const std::string& message);

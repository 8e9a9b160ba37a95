#pragma once

#include <QDialog>

class DialogHost;
class RandomSource;
class UserPrompts;
struct EditorState;
struct GameData;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The system dialog: name, galaxy cell, physical type, description,
// portrait, background image and whether empires may start there. OK checks
// the fields in order, writes them into the current-object record and calls
// the window's Update; Cancel calls its Cancel.
class FSystem : public QDialog {
    Q_OBJECT
public:
    FSystem(EditorState& editor, DialogHost& host, UserPrompts& prompts, const GameData& data, RandomSource& random,
            QWidget* parent = nullptr);

    QLineEdit* TxtSystemName = nullptr;
    QLineEdit* TxtSystemX = nullptr;
    QLineEdit* TxtSystemY = nullptr;
    QComboBox* cmdSystemPT = nullptr;
    QPlainTextEdit* txtSystemDescription = nullptr;
    QComboBox* cmbSystemBackImage = nullptr;
    QComboBox* cmbSystemSkyBox = nullptr;
    QCheckBox* chkCanStart = nullptr;

    void Ok();
    void reject() override;

private:
    void BuildFields();
    void FillLists();
    void ShowCurrent();
    void PhysicalTypeChanged(const QString& type);

    EditorState& editor_;
    DialogHost& host_;
    UserPrompts& prompts_;
    const GameData& data_;
    RandomSource& random_;
};

#pragma once

#include <QDialog>

#include <cstdint>

class CUniverse;
class DialogHost;
class RandomSource;
class UserPrompts;
struct EditorState;
struct GameData;
class QCheckBox;
class QComboBox;
class QLineEdit;
class OneLineTextEdit;

// The system dialog: name, galaxy cell, physical type, description,
// portrait, background image and whether empires may start there. OK checks
// the fields in order, writes them into the current-object record and calls
// the window's Update; Cancel calls its Cancel. A name or a cell that another
// system of the map already has is refused with the dialog still open.
class FSystem : public QDialog {
    Q_OBJECT
public:
    // editedSystem: the ID of the system being edited, -999 when creating.
    FSystem(EditorState& editor, DialogHost& host, UserPrompts& prompts, const GameData& data, RandomSource& random,
            const CUniverse& universe, std::int32_t editedSystem, QWidget* parent = nullptr);

    QLineEdit* TxtSystemName = nullptr;
    QLineEdit* TxtSystemX = nullptr;
    QLineEdit* TxtSystemY = nullptr;
    QComboBox* cmdSystemPT = nullptr;
    OneLineTextEdit* txtSystemDescription = nullptr;
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
    const CUniverse& universe_;
    std::int32_t editedSystem_;
};

#pragma once

#include <cstdint>
#include <string>

#include "ui/DialogKind.h"

class CUniverse;
struct GameData;
class QDialog;
class QWidget;
class RandomSource;
class UserPrompts;
struct EditorState;
struct WindowState;
class DialogHost;

// What the main window offers to the pieces that act on it: the object
// editing logic of the system map and the dialogs. The window implements it;
// nothing here is a widget, so the editing logic can be reasoned about (and
// tested) through these calls.
class MapEditorHost {
public:
    virtual ~MapEditorHost() = default;

    // The model and the shared values.
    virtual CUniverse& Universe() = 0;
    virtual EditorState& Shared() = 0;
    virtual WindowState& State() = 0;
    virtual UserPrompts& Prompts() = 0;
    virtual GameData& Data() = 0;
    virtual RandomSource& Random() = 0;
    // Update (OK) and Cancel of the window, for the dialogs.
    virtual DialogHost& DialogCallbacks() = 0;
    // Parent widget for dialogs.
    virtual QWidget* DialogParent() = 0;

    // Labels: LblXS / lblYS (sector of the last press), lblselected,
    // lblSystem (galaxy selection), LblObjectSelected.
    virtual void SetSectorLabels(const std::string& x, const std::string& y) = 0;
    virtual std::string SectorLabelX() const = 0;
    virtual std::string SectorLabelY() const = 0;
    virtual void SetSelectedText(const std::string& text) = 0;
    virtual std::string SelectedText() const = 0;
    virtual std::string SystemLabel() const = 0;
    virtual void SetObjectSelectedLabel(const std::string& text) = 0;

    // cmbType: its text, whether it is enabled, and the kind dispatch on its
    // current text.
    virtual void SetTypeText(const std::string& text) = 0;
    virtual void SetTypeEnabled(bool enabled) = 0;
    virtual void RunKindDispatch() = 0;

    // Caption font of the galaxy frame.
    virtual void SetGalaxyCaptionBold(bool bold) = 0;

    // Drawing: DrawSystems, DrawSystemMap of a system, and clearing the system
    // map (black, no picture, disabled).
    virtual void DrawSystems() = 0;
    virtual void DrawSystemMap(std::int32_t systemId) = 0;
    virtual void ClearSystemMap() = 0;

    // Commands of the window the editing logic calls back.
    virtual void ShowDialogs(const DialogFlags& flags) = 0;
    virtual void BeginCreate() = 0;
    virtual void GalaxyPress(int button, double px, double py) = 0;
    virtual void SystemMapPress(int button, double px, double py) = 0;
    virtual void OpenSystemMapMenu() = 0;
    // Runs a dialog of the factory modally through the prompts; returns the
    // dialog's result (QDialog::Accepted / Rejected), Rejected when the
    // factory offers no such dialog.
    virtual int ExecDialog(DialogKind kind) = 0;
};

#pragma once

// A stand-in for the main window around the system map editing and the
// object dialogs: it keeps the labels, runs the kind dispatch and opens the
// dialogs through prompts that record messages and drive dialogs.

#include <QDialog>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/CUniverse.h"
#include "ui/UserPrompts.h"
#include "ui/dialogs/FSelectObject.h"
#include "ui/dialogs/ObjectDialogs.h"
#include "ui/editing/EditingCatalogue.h"
#include "ui/editing/ObjectPlacement.h"
#include "ui/editing/SystemMapEditing.h"

struct FakeType {
    std::string name;
    std::int32_t kind;
    std::string colour, size, subType, atmosphere;
};

class FakeCatalogue : public EditingCatalogue {
public:
    FakeCatalogue();

    std::string TypeNameOfOrdinal(std::int32_t ordinal) const override;
    std::int32_t OrdinalOfTypeName(const std::string& name) const override;
    StellarTypeWords WordsOfOrdinal(std::int32_t ordinal) const override;
    std::vector<std::string> SpecificTypeNames(std::int32_t kind, const TypeChoice& choice) const override;
    std::optional<std::filesystem::path> PictureOfTypeName(const std::string&) const override { return picture; }
    std::vector<std::string> Atmospheres() const override { return {"None", "Oxygen", "Methane"}; }
    std::vector<std::string> AbilityTextsOfKind(std::int32_t kind) const override;
    CAbility AbilityFromText(std::int32_t kind, const std::string& text) const override;

    std::vector<FakeType> types;
    std::optional<std::filesystem::path> picture;
    Reporter* reporter = nullptr;
};

class TestPrompts : public UserPrompts {
public:
    using Driver = std::function<void(QDialog&)>;

    void Error(const std::string& m) override { messages.push_back("E:" + m); }
    void Information(const std::string& m) override { messages.push_back("I:" + m); }
    bool Question(const std::string& m) override;
    // Runs the next driver on the dialog; without one the dialog is cancelled.
    int ExecDialog(QDialog& dialog) override;

    std::vector<std::string> messages;
    std::deque<bool> answers;
    std::deque<Driver> drivers;
    std::vector<std::string> dialogTitles;
};

class EditingHarness : public SystemMapHost, public DialogHost {
public:
    EditingHarness();

    // Systems and a chosen system, as a galaxy press would leave them.
    SystemRef AddSystem(const std::string& name, std::uint8_t physicalType, std::int32_t column);
    void SelectSystem(const SystemRef& system);

    // Pixel inside a sector (the middle of the pixels that map to it).
    static PixelPoint PixelOf(std::int32_t X, std::int32_t Y);
    void PressSector(std::int32_t X, std::int32_t Y, int button = SystemMapEditing::LeftButton);

    // SystemMapHost
    void SetSectorLabels(const std::string& x, const std::string& y) override { lblXS = x, lblYS = y; }
    std::string SectorLabelX() const override { return lblXS; }
    std::string SectorLabelY() const override { return lblYS; }
    void SetSelectedLabel(const std::string& text) override { lblselected = text; }
    std::string SelectedLabel() const override { return lblselected; }
    void SetObjectSelectedLabel(const std::string& text) override { lblObjectSelected = text; }
    std::string SystemLabel() const override { return lblSystem; }
    void SetKindText(const std::string& text) override { cmbType = text; }
    void SetKindEnabled(bool enabled) override { cmbTypeEnabled = enabled; }
    void SetGalaxyCaptionBold(bool) override {}
    void RedrawSystemMap() override { ++systemMapDraws; }
    void DrawSystems() override { ++galaxyDraws; }
    void ClearSystemMap() override { systemMapCleared = true; }
    void OpenSystemMapMenu() override;
    void ShowDialogs(const DialogFlags& flags) override { dialogs.Show(flags); }
    void BeginCreate() override;
    void DispatchKind() override;
    bool PickObject(const std::vector<SpaceObjectRef>& objects, std::int32_t& picked) override;

    // DialogHost
    void Update() override;
    void Cancel() override;

    CUniverse universe;
    EditorState editor;
    SystemMapState state;
    AbilityChoice abilities;
    FakeCatalogue catalogue;
    TestPrompts prompts;
    RandomSource random{7};
    std::string multipleObjects = "False";
    ObjectPlacement placement;
    SystemMapEditing editing;
    ObjectDialogs dialogs;

    std::string lblXS, lblYS, lblselected, lblObjectSelected, lblSystem, cmbType = "Nothing";
    bool cmbTypeEnabled = true;
    int systemMapDraws = 0, galaxyDraws = 0, menusOpened = 0;
    bool systemMapCleared = false;
    std::deque<std::function<void()>> menuCommands;
    std::vector<std::string> pickerItems;
};

// Drivers for the object dialogs.
TestPrompts::Driver Confirm(std::function<void(QDialog&)> fill);

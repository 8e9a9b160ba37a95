#include "EditingHarness.h"

#include "catalog/TextHelpers.h"
#include "model/SectorField.h"
#include "ui/editing/AbilityChoice.h"

FakeCatalogue::FakeCatalogue() {
    types = {
        {"Yellow Dwarf", KindStar, "Yellow", "Medium", "", ""},
        {"Red Giant", KindStar, "Red", "Large", "", ""},
        {"Terran", KindPlanet, "", "Medium", "Rock", "Oxygen"},
        {"Ring Rock", KindPlanet, "", "Ringworld", "Rock", "None"},
        {"Rock Field", KindAsteroids, "", "Small", "Rock", ""},
        {"Ion Storm", KindStorm, "", "Medium", "", ""},
        {"Warp Large", KindWarpPoint, "", "Large", "", ""},
        {"Warp Small", KindWarpPoint, "", "Small", "", ""},
    };
}

std::string FakeCatalogue::TypeNameOfOrdinal(std::int32_t ordinal) const {
    if (ordinal < 1 || ordinal > static_cast<std::int32_t>(types.size())) return {};
    return types[static_cast<std::size_t>(ordinal - 1)].name;
}

std::int32_t FakeCatalogue::OrdinalOfTypeName(const std::string& name) const {
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].name == name) return static_cast<std::int32_t>(i + 1);
    return 0;
}

StellarTypeWords FakeCatalogue::WordsOfOrdinal(std::int32_t ordinal) const {
    if (ordinal < 1 || ordinal > static_cast<std::int32_t>(types.size())) return {};
    const FakeType& t = types[static_cast<std::size_t>(ordinal - 1)];
    return {t.colour, t.size, t.subType, t.atmosphere};
}

std::vector<std::string> FakeCatalogue::SpecificTypeNames(std::int32_t kind, const TypeChoice& c) const {
    std::vector<std::string> names;
    for (const FakeType& t : types) {
        if (t.kind != kind) continue;
        const bool match = kind == KindStorm || (kind == KindStar && t.colour == c.Colour && t.size == c.Size) ||
                           (kind == KindPlanet && t.size == c.Size && t.subType == c.Type && t.atmosphere == c.Atmosphere) ||
                           (kind == KindAsteroids && t.size == c.Size && t.subType == c.Type) ||
                           (kind == KindWarpPoint && t.size == c.Size);
        if (match) names.push_back(t.name);
    }
    return names;
}

std::vector<std::string> FakeCatalogue::AbilityTextsOfKind(std::int32_t kind) const {
    if (kind == KindStar) return {AbilityText("Solar Flare", "1", "2"), AbilityText("Solar Flare", "3", "4")};
    if (kind == KindWarpPoint) return {AbilityText("Turbulence", "5", "0")};
    return {};
}

CAbility FakeCatalogue::AbilityFromText(std::int32_t kind, const std::string& text) const {
    CAbility ability;
    ability.IniciaCAbility();
    const std::vector<std::string> offered = AbilityTextsOfKind(kind);
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (offered[i] != text) continue;
        ability.ID = static_cast<std::uint8_t>(i + 1);
        ability.Tipe = text.substr(0, text.find('/'));
        ability.Description = "from catalogue";
        return ability;
    }
    if (reporter && !text.empty()) reporter->Error("There's no ability '" + text + "' for that object");
    ability.Description = "NO";
    return ability;
}

bool TestPrompts::Question(const std::string& m) {
    messages.push_back("Q:" + m);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

int TestPrompts::ExecDialog(QDialog& dialog) {
    dialogTitles.push_back(dialog.windowTitle().toStdString());
    if (drivers.empty()) {
        dialog.reject();
        return QDialog::Rejected;
    }
    Driver driver = std::move(drivers.front());
    drivers.pop_front();
    driver(dialog);
    return dialog.result();
}

TestPrompts::Driver Confirm(std::function<void(QDialog&)> fill) {
    return [fill = std::move(fill)](QDialog& dialog) {
        fill(dialog);
        if (auto* object = dynamic_cast<ObjectDialog*>(&dialog)) object->cmdOk->click();
    };
}

EditingHarness::EditingHarness()
    : placement({universe, editor, abilities, catalogue, prompts, [this] { return multipleObjects == "True"; },
                 [this] { DrawSystems(); }}),
      editing({state, *this, placement, universe, editor, abilities, prompts}),
      dialogs({editor, *this, prompts, catalogue, abilities, random, universe}, nullptr) {
    catalogue.reporter = &prompts;
}

SystemRef EditingHarness::AddSystem(const std::string& name, std::uint8_t physicalType, std::int32_t column) {
    SystemRef system = NewSystem();
    system->name = name;
    system->PhysicalType = physicalType;
    system->X = column;
    system->ID = universe.BuscaLast() + 1;
    universe.AddSystem(system);
    return system;
}

void EditingHarness::SelectSystem(const SystemRef& system) {
    state.SelectedSystem = system->ID;
    state.SystemIsSelected = true;
    state.SystemMapActive = false;
    lblSystem = system->name;
}

PixelPoint EditingHarness::PixelOf(std::int32_t X, std::int32_t Y) {
    long sumX = 0, sumY = 0, n = 0;
    for (std::int32_t px = 0; px < 720; ++px)
        for (std::int32_t py = 0; py < 720; ++py) {
            const PixelSector s = PixelToSector(px, py);
            if (s.X == X && s.Y == Y) sumX += px, sumY += py, ++n;
        }
    if (n == 0) return {-1, -1};
    return {static_cast<std::int32_t>(sumX / n), static_cast<std::int32_t>(sumY / n)};
}

void EditingHarness::PressSector(std::int32_t X, std::int32_t Y, int button) {
    const PixelPoint p = PixelOf(X, Y);
    editing.Press(button, 0, p.x, p.y);
    if (button == SystemMapEditing::LeftButton) editing.Release(button, 0, p.x, p.y);
}

void EditingHarness::OpenSystemMapMenu() {
    ++menusOpened;
    if (menuCommands.empty()) return;
    auto command = std::move(menuCommands.front());
    menuCommands.pop_front();
    command();
}

void EditingHarness::BeginCreate() {
    editor.CreatingNew = true;
    editor.CurrentObject.Reset();
    if (state.SystemMapActive) {
        cmbType.clear();
        cmbTypeEnabled = true;
        ShowDialogs({});
    }
}

void EditingHarness::DispatchKind() {
    if (!state.SystemMapActive) {
        prompts.Information("Select a System first");
        return;
    }
    CurrentObjectRecord& c = editor.CurrentObject;
    c.X = ParseInt32(lblXS).value_or(0);
    c.Y = ParseInt32(lblYS).value_or(0);
    DialogFlags flags;
    if (cmbType == "Star") state.EditKind = KindStar, c.Size = "Medium", flags.Star = true;
    if (cmbType == "Planet") state.EditKind = KindPlanet, flags.Planet = true;
    if (cmbType == "Asteroids") state.EditKind = KindAsteroids, c.Type = "Rock", flags.Asteroid = true;
    if (cmbType == "Storm") state.EditKind = KindStorm, flags.Storm = true;
    if (cmbType == "Warp") {
        state.EditKind = KindWarpPoint;
        placement.FillWarpDestinations(state.SelectedSystem);
        c.Size = "Large";
        flags.Warp = true;
    }
    ShowDialogs(flags);
}

bool EditingHarness::PickObject(const std::vector<SpaceObjectRef>& objects, std::int32_t& picked) {
    FSelectObject dialog(objects);
    pickerItems.clear();
    for (int i = 0; i < dialog.cmbObject->count(); ++i) pickerItems.push_back(dialog.cmbObject->itemText(i).toStdString());
    const bool confirmed = prompts.ExecDialog(dialog) == QDialog::Accepted;
    picked = dialog.Picked();
    return confirmed;
}

void EditingHarness::Update() {
    editing.UpdateObject();
    ShowDialogs({});
    editor.CreatingNew = false;
}

void EditingHarness::Cancel() {
    editor.CreatingNew = false;
    cmbType = "Nothing";
}

#include "ui/SystemRecords.h"

#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "model/SystemEdits.h"
#include "text/Reporter.h"
#include "ui/EditorState.h"
#include "ui/editing/EditSink.h"

namespace {

// The values Add and Edit write alike.
void WriteCommonValues(CSystem& system, const CurrentObjectRecord& current) {
    system.name = Trim(current.Name);
    system.PortraitBitmap = current.PortraitBitmap;
    // The index is an 8-bit number; text that is not one counts as 0.
    system.PortraitIndex = ParseByte(current.PortraitIndex).value_or(0);
    system.X = current.X;
    system.y = current.Y;
    system.Description = current.Description;
    system.RemoveStellarBackground();
    CStellarBackground background;
    background.Set(3, 1, 6, current.SkyBox);
    system.addStellarBackground(background);
}

// Applies the physical type word; returns false when the word names none.
bool ApplyPhysicalType(CSystem& system, const CurrentObjectRecord& current) {
    if (current.Type == "Normal") {
        system.PhysicalType = PhysicalNormal;
        system.EmpireCanStartInSystem = current.CanStart;
    } else if (current.Type == "Nebulae") {
        system.PhysicalType = PhysicalNebulae;
        system.EmpireCanStartInSystem = false;
    } else if (current.Type == "Black Hole") {
        system.PhysicalType = PhysicalBlackHole;
        system.HasBlackHole = true;
        system.EmpireCanStartInSystem = false;
    } else {
        return false;
    }
    return true;
}

}  // namespace

SystemRef FindSystemAt(const CUniverse& universe, std::int32_t X, std::int32_t Y) {
    for (const SystemRef& system : universe.Systems())
        if (system->X == X && system->y == Y) return system;
    return NewDetachedSystem();
}

void LoadSystemIntoCurrent(const CSystem& system, CurrentObjectRecord& current) {
    current.Name = Trim(system.name);
    current.X = system.X;
    current.Y = system.y;
    current.Description = system.Description;
    const std::string word = PhysicalTypeText(system.PhysicalType);
    if (!word.empty()) {
        current.Type = word;
        current.PhysicalTypeName = word;
    }
    current.PortraitBitmap = system.PortraitBitmap;
    current.PortraitIndex = std::to_string(system.PortraitIndex);
    current.CanStart = system.EmpireCanStartInSystem;
    current.SkyBox = system.GetSkyBox();
}

bool AddSystemFromCurrent(const CUniverse& universe, EditSink& edits, const CurrentObjectRecord& current,
                          Reporter& reporter) {
    if (universe.GetOccupied(current.X, current.Y)) {
        reporter.Information("That coordinates have a System yet");
        return false;
    }
    SystemRef system = NewSystem();
    WriteCommonValues(*system, current);
    if (!ApplyPhysicalType(*system, current)) {
        system->PhysicalType = PhysicalNormal;
        system->EmpireCanStartInSystem = current.CanStart;
    }
    edits.Submit(std::make_unique<AddSystemEdit>(system));
    return true;
}

SystemClash FindSystemClash(const CUniverse& universe, const CurrentObjectRecord& current,
                            std::int32_t editedSystem) {
    const std::string name = Trim(current.Name);
    for (const SystemRef& other : universe.Systems()) {
        if (other->ID == editedSystem) continue;
        if (other->X == current.X && other->y == current.Y) return {"That coordinates have a System yet", false};
        if (Trim(other->name) == name)
            return {"There is already a System named '" + name + "' in this map; choose another name", true};
    }
    return {};
}

void EditSystemFromCurrent(const CUniverse& universe, EditSink& edits, const CurrentObjectRecord& current,
                           std::int32_t selectedSystem) {
    const SystemRef system = universe.GetOneSystem(selectedSystem);
    if (system->ID == NoID) return;  // the selection went away; nothing to update
    CSystem values = *system;
    WriteCommonValues(values, current);
    ApplyPhysicalType(values, current);
    if (values != *system) edits.Submit(std::make_unique<EditSystemEdit>(selectedSystem, values));
}

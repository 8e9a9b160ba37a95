#pragma once

#include <cstdint>
#include <string>

#include "model/CSystem.h"

class CUniverse;
class EditSink;
class Reporter;
struct CurrentObjectRecord;

// Moving a system's values between the universe and the current-object record
// the system dialog edits.

// The first system (universe order) on cell (X, Y); a fresh detached record
// with ID -999 when there is none.
SystemRef FindSystemAt(const CUniverse& universe, std::int32_t X, std::int32_t Y);

// Copies the system into the record for the system dialog.
void LoadSystemIntoCurrent(const CSystem& system, CurrentObjectRecord& current);

// Adds a new system built from the record as one edit, unless its cell is
// taken ("That coordinates have a System yet"). Returns whether one was added.
bool AddSystemFromCurrent(const CUniverse& universe, EditSink& edits, const CurrentObjectRecord& current,
                          Reporter& reporter);

// Why a system built from the record cannot join the map beside the others:
// its cell or its name is another system's. Warps are stored by destination
// name, so two systems of one name would send every warp to the first.
struct SystemClash {
    std::string message;  // empty: no clash
    bool isError = false;
};
// editedSystem: the ID of the system the record replaces, -999 for a new one.
SystemClash FindSystemClash(const CUniverse& universe, const CurrentObjectRecord& current,
                            std::int32_t editedSystem);

// Writes the record into the system with that ID as one edit; the cell is
// not checked. A record that changes nothing makes no edit.
void EditSystemFromCurrent(const CUniverse& universe, EditSink& edits, const CurrentObjectRecord& current,
                           std::int32_t selectedSystem);

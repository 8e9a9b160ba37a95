#pragma once

#include <cstdint>
#include <string>

#include "model/CUniverse.h"

// What an edit touched; the editor selects and shows it after the edit is
// applied, undone or redone. Either may be NoID, and either may be gone
// (a removal that was redone), so callers look them up before use.
struct EditFocus {
    std::int32_t system = NoID;
    std::int32_t object = NoID;
};

// One change to a map that can be taken back exactly. Apply makes the change;
// Undo puts the universe back as it was before, down to list order and IDs;
// Apply again (redo) reaches exactly the state the first Apply left. Undo
// and redo only ever run on the state their counterpart left, which is what
// lets an edit find its systems and objects by ID.
class MapEdit {
public:
    virtual ~MapEdit() = default;
    virtual void Apply(CUniverse& universe) = 0;
    virtual void Undo(CUniverse& universe) = 0;
    // The step's name for the user, e.g. "Move Star 'Sol'"; final once applied.
    virtual std::string Name() const = 0;
    virtual EditFocus Focus() const = 0;
};

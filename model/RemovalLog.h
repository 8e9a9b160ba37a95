#pragma once

#include <cstddef>
#include <vector>

#include "model/CUniverse.h"

// Removes systems and objects from a universe one at a time, remembering the
// place each held, so that Restore can put every one back where it was with
// its ID: the removals of an edit are undone in reverse order.
class RemovalLog {
public:
    void RemoveObject(CUniverse& universe, const SpaceObjectRef& object);
    // The system's objects first (each logged), then the system itself.
    void RemoveSystem(CUniverse& universe, const SystemRef& system);
    // Puts everything back, last removal first, and empties the log.
    void Restore(CUniverse& universe);

    bool Empty() const { return entries_.empty(); }

private:
    struct Entry {
        SystemRef system;        // set for a removed system
        SpaceObjectRef object;   // set for a removed object
        std::size_t position;    // in the universe's list
        std::size_t ownPosition; // in the own list of the object's system
    };

    std::vector<Entry> entries_;
};

// The position of the element with that ID in a list; the list's size when
// none has it.
template <typename Ref>
std::size_t PositionOfId(const std::vector<Ref>& list, std::int32_t ID) {
    std::size_t k = 0;
    while (k < list.size() && list[k]->ID != ID) ++k;
    return k;
}

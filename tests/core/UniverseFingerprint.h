#pragma once

#include <string>

#include "model/CUniverse.h"

// What the saved text does not show of a universe: the IDs, the order of the
// flat object list, the own object list of every system and the links of
// each object. Two universes with the same fingerprint and the same saved
// text are the same map for every later edit.
inline std::string UniverseFingerprint(const CUniverse& u) {
    std::string out;
    for (const SystemRef& s : u.Systems()) {
        out += "S" + std::to_string(s->ID) + "[";
        for (const SpaceObjectRef& o : s->objects) out += std::to_string(o->ID) + ",";
        out += "]";
    }
    out += "|";
    for (const SpaceObjectRef& o : u.Objects()) {
        out += std::to_string(o->ID) + "@" + (o->systema ? std::to_string(o->systema->ID) : "-");
        // A link to a record that is not the map's own system of that ID.
        if (o->systema && u.GetOneSystem(o->systema->ID) != o->systema) out += "!";
        if (o->destSystem) out += ">" + std::to_string(o->destSystem->ID);
        out += " ";
    }
    return out;
}

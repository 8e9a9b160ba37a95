#pragma once

#include <cstdint>
#include <string>

#include "model/CUniverse.h"

// A system with a name at a galaxy cell, added to the universe.
inline SystemRef AddTestSystem(CUniverse& u, const std::string& name, int x = 0, int y = 0,
                               std::uint8_t physical = PhysicalNormal) {
    SystemRef s = NewSystem();
    s->name = name;
    s->X = x;
    s->y = y;
    s->PhysicalType = physical;
    u.AddSystem(s);
    return s;
}

// An object of the kind word at a sector of the system, added to the universe.
inline SpaceObjectRef AddTestObject(CUniverse& u, const SystemRef& s, const std::string& kind, int x, int y) {
    SpaceObjectRef o = NewSpaceObject(kind);
    o->coord = CCoord{x, y};
    o->systema = s;
    u.AddSpaceObject(o, s->ID);
    return o;
}

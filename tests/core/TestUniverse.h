#pragma once

#include <string>

#include "model/CUniverse.h"

// A new system with that name and place, added to the universe.
inline SystemRef AddNamedSystem(CUniverse& u, const std::string& name, int x = 0, int y = 0) {
    SystemRef s = NewSystem();
    s->name = name;
    s->X = x;
    s->y = y;
    u.AddSystem(s);
    return s;
}

#pragma once

#include <cstdint>

// The editing behaviour of the system map: selection by press, dragging,
// double-click, the create and remove commands and building objects from the
// dialogs' values. The main window forwards its events here; the concrete
// logic lives in ui/editing/.
class ObjectEditing {
public:
    virtual ~ObjectEditing() = default;

    // Mouse on the system map; button 1 left, 2 right, 0 for re-selection.
    virtual void Press(int button, double px, double py) = 0;
    virtual void Release(int button, double px, double py) = 0;
    virtual void DoubleClick() = 0;

    // PStar, PPlanet, PAsteroids, PStorm, PWarp: kind code 1, 4, 8, 3, 2.
    virtual void CreateObject(std::int32_t kind) = 0;
    // RSystem and RObject: removes the system or the object, by GalaxyHasFocus.
    virtual void Remove() = 0;

    // Update of an object dialog: adds (CreatingNew) or updates.
    virtual void AddObjectFromCurrent() = 0;
    virtual void EditObjectFromCurrent() = 0;
};

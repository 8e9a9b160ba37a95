#pragma once

#include <functional>
#include <memory>

#include "ui/DialogFactory.h"
#include "ui/ObjectEditing.h"

class MapEditorHost;

// The pluggable pieces of the main window: the object editing logic of the
// system map and the factory of its modal dialogs.
struct EditorParts {
    std::function<std::unique_ptr<ObjectEditing>(MapEditorHost&)> makeObjectEditing;
    std::unique_ptr<DialogFactory> dialogs;
};

// The editor's own wiring: the system dialog, the object dialogs and the
// object editing logic. Tests and the application both start from it.
EditorParts StandardEditorParts();

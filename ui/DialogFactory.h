#pragma once

#include <memory>

#include "ui/DialogKind.h"

class MapEditorHost;
class QDialog;

// Builds the modal dialogs the main window opens. The window owns one; a
// kind the factory does not offer gives nullptr.
class DialogFactory {
public:
    virtual ~DialogFactory() = default;
    virtual std::unique_ptr<QDialog> Create(DialogKind kind, MapEditorHost& host) = 0;
};

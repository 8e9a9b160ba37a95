#pragma once

#include <memory>

#include "model/MapEdit.h"

// Where the editor's handlers send their changes to the map. The document
// applies each as one step of its undo history.
class EditSink {
public:
    virtual ~EditSink() = default;
    virtual void Submit(std::unique_ptr<MapEdit> edit) = 0;
};

#pragma once

#include <QUndoCommand>
#include <functional>
#include <memory>

#include "model/MapEdit.h"

class MapDocument;

// Told after the step was made or redone (false) or undone (true): what the
// window keeps beside the map (its name) follows the step.
using StepFollower = std::function<void(bool undone)>;

// One step of the document's history: a map edit with its name.
class MapEditCommand : public QUndoCommand {
public:
    MapEditCommand(MapDocument& document, std::unique_ptr<MapEdit> edit, StepFollower follower = {});

    void redo() override;
    void undo() override;

private:
    MapDocument& document_;
    std::unique_ptr<MapEdit> edit_;
    StepFollower follower_;
    // The first redo is the edit being made, not a step through the history.
    bool made_ = false;
};

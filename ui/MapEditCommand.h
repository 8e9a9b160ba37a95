#pragma once

#include <QUndoCommand>
#include <memory>

#include "model/MapEdit.h"

class MapDocument;

// One step of the document's history: a map edit with its name.
class MapEditCommand : public QUndoCommand {
public:
    MapEditCommand(MapDocument& document, std::unique_ptr<MapEdit> edit);

    void redo() override;
    void undo() override;

private:
    MapDocument& document_;
    std::unique_ptr<MapEdit> edit_;
    // The first redo is the edit being made, not a step through the history.
    bool made_ = false;
};

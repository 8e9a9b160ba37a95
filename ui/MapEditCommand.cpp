#include "ui/MapEditCommand.h"

#include "ui/MapDocument.h"
#include "ui/MessageBoxPrompts.h"

MapEditCommand::MapEditCommand(MapDocument& document, std::unique_ptr<MapEdit> edit, StepFollower follower)
    : document_(document), edit_(std::move(edit)), follower_(std::move(follower)) {}

void MapEditCommand::redo() {
    edit_->Apply(document_.Universe());
    const bool fromHistory = made_;
    if (!made_) setText(FromBytes(edit_->Name()));
    made_ = true;
    if (follower_) follower_(false);
    document_.EditRan(edit_->Focus(), fromHistory);
}

void MapEditCommand::undo() {
    edit_->Undo(document_.Universe());
    if (follower_) follower_(true);
    document_.EditRan(edit_->Focus(), true);
}

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/MapEdit.h"

// Several edits the user made with one action (a warp moved together with
// the way back of its mirror), undone and redone as one step. The first
// edit is the one the user meant: the group carries its name and focus.
class EditGroup : public MapEdit {
public:
    explicit EditGroup(std::unique_ptr<MapEdit> main);
    void Add(std::unique_ptr<MapEdit> edit) { edits_.push_back(std::move(edit)); }

    void Apply(CUniverse& universe) override;
    // In reverse, so each edit meets the state its Apply left.
    void Undo(CUniverse& universe) override;
    std::string Name() const override { return edits_.front()->Name(); }
    EditFocus Focus() const override { return edits_.front()->Focus(); }

private:
    std::vector<std::unique_ptr<MapEdit>> edits_;
};

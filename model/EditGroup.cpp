#include "model/EditGroup.h"

EditGroup::EditGroup(std::unique_ptr<MapEdit> main) { edits_.push_back(std::move(main)); }

void EditGroup::Apply(CUniverse& universe) {
    for (const std::unique_ptr<MapEdit>& edit : edits_) edit->Apply(universe);
}

void EditGroup::Undo(CUniverse& universe) {
    // Reverse iterators rather than std::views::reverse: clang 14 with this
    // standard library cannot compile the view, and the fuzz build uses clang.
    for (auto edit = edits_.rbegin(); edit != edits_.rend(); ++edit) (*edit)->Undo(universe);
}

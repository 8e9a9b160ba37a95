#include "model/EditGroup.h"

#include <ranges>

EditGroup::EditGroup(std::unique_ptr<MapEdit> main) { edits_.push_back(std::move(main)); }

void EditGroup::Apply(CUniverse& universe) {
    for (const std::unique_ptr<MapEdit>& edit : edits_) edit->Apply(universe);
}

void EditGroup::Undo(CUniverse& universe) {
    for (const std::unique_ptr<MapEdit>& edit : std::views::reverse(edits_)) edit->Undo(universe);
}

#pragma once

#include <string>
#include <vector>

#include "model/CUniverse.h"
#include "ui/editing/EditSink.h"

// Applies edits straight to a universe and keeps only their names: for
// testing the code that makes edits without a window's history.
class ApplyingSink : public EditSink {
public:
    explicit ApplyingSink(CUniverse& universe) : universe_(universe) {}
    void Submit(std::unique_ptr<MapEdit> edit) override {
        edit->Apply(universe_);
        names.push_back(edit->Name());
    }

    std::vector<std::string> names;

private:
    CUniverse& universe_;
};

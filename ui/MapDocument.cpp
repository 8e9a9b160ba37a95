#include "ui/MapDocument.h"

#include <QUndoStack>

#include "ui/MapEditCommand.h"

MapDocument::MapDocument(QObject* parent) : QObject(parent), history_(new QUndoStack(this)) {
    connect(history_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

// The steps hold parts of the map; they go before the map does.
MapDocument::~MapDocument() { history_->clear(); }

void MapDocument::Submit(std::unique_ptr<MapEdit> edit) { Submit(std::move(edit), {}); }

void MapDocument::Submit(std::unique_ptr<MapEdit> edit, StepFollower follower) {
    history_->push(new MapEditCommand(*this, std::move(edit), std::move(follower)));
}

void MapDocument::Replace(CUniverse universe) {
    history_->clear();  // clean again
    universe_ = std::move(universe);
    emit mapChanged();
}

bool MapDocument::IsModified() const { return !history_->isClean(); }

void MapDocument::MarkSaved() { history_->setClean(); }

void MapDocument::MarkUnsaved() { history_->resetClean(); }

void MapDocument::EditRan(const EditFocus& focus, bool fromHistory) {
    emit mapChanged();
    if (fromHistory) emit historyStepped(focus.system, focus.object);
}

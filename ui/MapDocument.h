#pragma once

#include <QObject>
#include <memory>

#include "model/CUniverse.h"
#include "model/MapEdit.h"
#include "ui/MapEditCommand.h"
#include "ui/editing/EditSink.h"

class QUndoStack;

// What the window edits: the map and its undo history. Every change to the
// map goes through Submit as one undoable step; the history's clean state
// says whether the map differs from what was last saved.
class MapDocument : public QObject, public EditSink {
    Q_OBJECT
public:
    explicit MapDocument(QObject* parent = nullptr);
    ~MapDocument() override;

    CUniverse& Universe() { return universe_; }
    const CUniverse& Universe() const { return universe_; }
    QUndoStack& History() { return *history_; }

    // Applies the edit and makes it the next step of the history.
    void Submit(std::unique_ptr<MapEdit> edit) override;
    // The same, with the follower told each time the step runs.
    void Submit(std::unique_ptr<MapEdit> edit, StepFollower follower);
    // Starts over on another map (a new or a loaded one): the history is
    // emptied and the map counts as saved.
    void Replace(CUniverse universe);

    bool IsModified() const;
    // The map as it is now was saved.
    void MarkSaved();
    // The map differs from every saved copy (a recovered map).
    void MarkUnsaved();

signals:
    // The map changed: an edit was applied, undone or redone.
    void mapChanged();
    // An undo or a redo changed the map; the window shows what it touched
    // (NoID when nothing in particular).
    void historyStepped(int systemId, int objectId);
    void modifiedChanged(bool modified);

private:
    friend class MapEditCommand;
    // Called by the history's steps once their edit ran.
    void EditRan(const EditFocus& focus, bool fromHistory);

    CUniverse universe_;
    QUndoStack* history_;
};

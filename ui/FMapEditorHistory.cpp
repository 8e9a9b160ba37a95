// The window's side of the document: the Edit menu and the history panel,
// the title with its unsaved mark, and the question before a map with
// unsaved changes is set aside.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QUndoStack>
#include <QUndoView>

#include "ui/FMapEditor.h"
#include "ui/MapDialogs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/UserPrompts.h"

namespace {

// A step's name as a menu text: "&" would mark a shortcut letter.
QString MenuText(const QString& verb, const QString& step) {
    if (step.isEmpty()) return verb;
    return verb + " " + QString(step).replace("&", "&&");
}

}  // namespace

void FMapEditor::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("editMenu");
    QUndoStack& history = document_.History();
    // Own actions rather than the stack's, so that a long operation that
    // lets events through cannot be undone from under.
    undoAction_ = edit->addAction(tr("Undo"), this, [this] {
        if (!Busy()) document_.History().undo();
    });
    undoAction_->setObjectName("undo");
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = edit->addAction(tr("Redo"), this, [this] {
        if (!Busy()) document_.History().redo();
    });
    redoAction_->setObjectName("redo");
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(&history, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this,
            [this](const QString& step) { undoAction_->setText(MenuText(tr("Undo"), step)); });
    connect(&history, &QUndoStack::redoTextChanged, this,
            [this](const QString& step) { redoAction_->setText(MenuText(tr("Redo"), step)); });
    edit->addSeparator();
    BuildHistoryDock();
    edit->addAction(historyDock_->toggleViewAction());
}

void FMapEditor::BuildHistoryDock() {
    historyDock_ = new QDockWidget(tr("Undo History"), this);
    historyDock_->setObjectName("undoHistory");
    historyDock_->toggleViewAction()->setText(tr("Undo History"));
    auto* view = new QUndoView(&document_.History(), historyDock_);
    view->setObjectName("undoView");
    view->setEmptyLabel(tr("<map as opened>"));
    historyDock_->setWidget(view);
    addDockWidget(Qt::RightDockWidgetArea, historyDock_);
    // Closed at first, like the Problems panel: the maps keep the width.
    historyDock_->hide();
}

std::string FMapEditor::MapDisplayName() const { return shared_.MapName.empty() ? "Untitled" : shared_.MapName; }

void FMapEditor::UpdateTitle() {
    // "[*]" shows as "*" while the map has unsaved changes.
    setWindowTitle(MapWindowTitle(shared_.MapName));
    setWindowModified(document_.IsModified());
}

bool FMapEditor::MaySetMapAside() {
    if (!document_.IsModified()) return true;
    switch (prompts_.AskSaveChanges(MapDisplayName())) {
        case SaveChoice::Save: return SaveCurrentMap();
        case SaveChoice::Discard: return true;
        default: return false;
    }
}

bool FMapEditor::SaveCurrentMap() {
    if (shared_.MapName.empty())
        SaveMenuCommand();
    else
        MapCommand(1);
    return !document_.IsModified();
}

// The step's system is selected as a press on its cell would; when it is
// gone, what now lies where the user looked last.
void FMapEditor::ShowHistoryStep(int systemId, int objectId) {
    DrawSystems();
    if (universe_.GetOneSystem(systemId)->ID == NoID) {
        ReselectGalaxyCell();
        return;
    }
    ShowProblem(systemId, NoID);
    const SpaceObjectRef object = universe_.GetOneSpaceObject(objectId);
    if (object && object->systema && object->systema->ID == systemId) editing_.SelectObjectById(objectId);
}

void FMapEditor::ShowFreshMap() {
    shared_.CreatingNew = false;
    ShowDialogs({});
    SelectNoSystem();
    galaxyPressX_ = galaxyPressY_ = 0;
    LblXG->setText("0");
    LblYG->setText("0");
    MoveMarker(0, 0);
    ForgetSectorSelection();
    state_.SystemMapActive = false;
    DrawSystems();
}

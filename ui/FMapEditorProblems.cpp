// The window's side of the map checks: the Problems panel, jumping to a
// problem, and the question before a map with errors goes to the compiler.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "mapfile/MapValidator.h"
#include "model/SectorField.h"
#include "random/GameData.h"
#include "ui/FMapEditor.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/ProblemsPanel.h"
#include "ui/UserPrompts.h"

namespace {

// The most errors the question before compiling lists; the panel has them all.
constexpr std::size_t ListedErrors = 10;

std::string ErrorQuestion(const std::vector<MapProblem>& problems) {
    const ProblemCounts counts = CountProblems(problems);
    std::string text = "The map has " + CountsLine(counts) + ". The compiler or the game may refuse it:\n";
    std::size_t listed = 0;
    for (const MapProblem& problem : problems)
        if (problem.IsError() && listed++ < ListedErrors) text += "\n" + problem.systemName + ": " + problem.message;
    if (listed > ListedErrors)
        text += "\n... and " + std::to_string(listed - ListedErrors) + " more (see the Problems panel)";
    return text + "\n\nGenerate the map anyway?";
}

}  // namespace

void FMapEditor::BuildProblemsPanel() {
    problems_ = new ProblemsPanel([this] { return CurrentProblems(); }, this);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    // Closed at first so the maps keep the whole height of a small screen;
    // View > Problems opens it, and Generate Map does when there are errors.
    problems_->hide();
    connect(problems_, &ProblemsPanel::problemActivated, this, &FMapEditor::ShowProblem);
    // Shown and hidden from the View menu, like any panel.
    if (auto* view = menuBar()->findChild<QMenu*>("view_mnu")) {
        view->addSeparator();
        view->addAction(problems_->toggleViewAction());
    }
}

std::vector<MapProblem> FMapEditor::CurrentProblems() const {
    return ValidateMap(universe_, data_.Stellar,
                       ValidationOptionsFor(data_.ProgramFolder, data_.Config.AllowsMultipleObjects()));
}

void FMapEditor::MapChanged() {
    problems_->ScheduleRefresh();
    RefreshStatusBar();
}

// Selects the system as a press on its galaxy cell would, then the object as
// a press on its sector would.
void FMapEditor::ShowProblem(std::int32_t systemId, std::int32_t objectId) {
    const SystemRef system = universe_.GetOneSystem(systemId);
    if (system->ID == NoID) return;
    ShowSystem(system);
    const SpaceObjectRef object = universe_.GetOneSpaceObject(objectId);
    if (!object || object->systema.get() != system.get() || !IsValidSector(object->coord.X, object->coord.y)) return;
    // The hexagon's centre: its label point is the top right corner.
    const LabelPoint corner = SectorToPixel(object->coord.X, -object->coord.y);
    SystemMapPress(0, corner.x - 16.0, corner.y + 16.0);
}

bool FMapEditor::ConfirmGenerateDespiteErrors() {
    problems_->Refresh();
    if (CountProblems(problems_->Problems()).errors == 0) return true;
    problems_->show();
    problems_->raise();
    return prompts_.Question(ErrorQuestion(problems_->Problems()));
}

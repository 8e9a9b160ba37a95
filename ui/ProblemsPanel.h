#pragma once

#include <QDockWidget>
#include <functional>
#include <vector>

#include "mapfile/MapProblems.h"

class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

// The dockable list of the current map's problems. It asks its source for
// them again shortly after every change it is told about (several changes in
// one go cost one check); a double-click asks to show the problem's system
// or object.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    using Source = std::function<std::vector<MapProblem>()>;
    ProblemsPanel(Source source, QWidget* parent = nullptr);

    // Checks again once control is back in the event loop.
    void ScheduleRefresh();
    // Checks again now.
    void Refresh();

    const std::vector<MapProblem>& Problems() const { return problems_; }
    QTreeWidget* List() const { return list_; }

signals:
    void problemActivated(std::int32_t systemId, std::int32_t objectId);

private:
    void Fill();
    void Activate(QTreeWidgetItem* item);

    Source source_;
    std::vector<MapProblem> problems_;
    QTreeWidget* list_ = nullptr;
    QTimer* pending_ = nullptr;
};

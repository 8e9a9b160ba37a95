#include "ui/ProblemsPanel.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include "ui/MessageBoxPrompts.h"

namespace {

enum Column { SeverityColumn, SystemColumn, MessageColumn };

}  // namespace

ProblemsPanel::ProblemsPanel(Source source, QWidget* parent)
    : QDockWidget(tr("Problems"), parent), source_(std::move(source)) {
    setObjectName("ProblemsPanel");
    list_ = new QTreeWidget(this);
    list_->setObjectName("ProblemList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Severity"), tr("System"), tr("Problem")});
    list_->header()->setStretchLastSection(true);
    list_->setToolTip(tr("Double-click a problem to show its system or object"));
    setWidget(list_);
    pending_ = new QTimer(this);
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, &ProblemsPanel::Refresh);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Activate(item); });
}

void ProblemsPanel::ScheduleRefresh() { pending_->start(); }

void ProblemsPanel::Refresh() {
    pending_->stop();
    std::vector<MapProblem> fresh = source_();
    // Most redraws only change the selection: the list, its current row and
    // its scroll position stay as they are.
    if (fresh == problems_ && list_->topLevelItemCount() == static_cast<int>(fresh.size())) return;
    problems_ = std::move(fresh);
    Fill();
}

void ProblemsPanel::Fill() {
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    list_->setUpdatesEnabled(false);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(problems_.size()));
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const MapProblem& problem = problems_[i];
        auto* item = new QTreeWidgetItem({problem.IsError() ? tr("Error") : tr("Warning"),
                                          FromBytes(problem.systemName), FromBytes(problem.message)});
        item->setIcon(SeverityColumn, problem.IsError() ? errorIcon : warningIcon);
        item->setToolTip(MessageColumn, item->text(MessageColumn) + " [" + QString::fromStdString(problem.code) + "]");
        item->setData(SeverityColumn, Qt::UserRole, static_cast<qulonglong>(i));
        items.append(item);
    }
    list_->addTopLevelItems(items);
    list_->setUpdatesEnabled(true);
    const ProblemCounts counts = CountProblems(problems_);
    setWindowTitle(problems_.empty() ? tr("Problems") : tr("Problems (%1)").arg(QString::fromStdString(CountsLine(counts))));
}

void ProblemsPanel::Activate(QTreeWidgetItem* item) {
    if (!item) return;
    const auto index = item->data(SeverityColumn, Qt::UserRole).toULongLong();
    if (index >= problems_.size()) return;
    emit problemActivated(problems_[index].systemId, problems_[index].objectId);
}

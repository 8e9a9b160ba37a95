#include "ui/TabOrder.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QSplitter>
#include <QWidget>
#include <algorithm>
#include <tuple>
#include <vector>

namespace {

void CollectWidget(QWidget* widget, QList<QWidget*>& order);
void CollectItem(QLayoutItem* item, QList<QWidget*>& order);

void CollectLayout(QLayout* layout, QList<QWidget*>& order) {
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        for (int row = 0; row < form->rowCount(); ++row)
            for (const auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
                if (QLayoutItem* item = form->itemAt(row, role)) CollectItem(item, order);
        return;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        std::vector<std::tuple<int, int, QLayoutItem*>> cells;
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            cells.emplace_back(row, column, grid->itemAt(i));
        }
        std::stable_sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
            return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
        });
        for (const auto& cell : cells) CollectItem(std::get<2>(cell), order);
        return;
    }
    for (int i = 0; i < layout->count(); ++i) CollectItem(layout->itemAt(i), order);
}

void CollectItem(QLayoutItem* item, QList<QWidget*>& order) {
    if (QWidget* widget = item->widget())
        CollectWidget(widget, order);
    else if (QLayout* inner = item->layout())
        CollectLayout(inner, order);
}

void CollectWidget(QWidget* widget, QList<QWidget*>& order) {
    if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        if (scroll->widget()) CollectWidget(scroll->widget(), order);
        return;
    }
    if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
        for (int i = 0; i < splitter->count(); ++i) CollectWidget(splitter->widget(i), order);
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus) {
        order << widget;
        return;
    }
    if (widget->layout()) CollectLayout(widget->layout(), order);
}

}  // namespace

QList<QWidget*> ReadingOrder(QWidget* root) {
    QList<QWidget*> order;
    if (root && root->layout()) CollectLayout(root->layout(), order);
    return order;
}

QList<QWidget*> OrderTabsByLayout(QWidget* root) {
    const QList<QWidget*> order = ReadingOrder(root);
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    return order;
}

#pragma once

#include <QList>

class QWidget;

// The widgets Tab visits under `root`, in the order the eye reads its layouts:
// rows of a form, then lines of a grid left to right, then boxes in order.
// Containers (group boxes, splitters, scroll areas) are read through; a
// widget that takes the focus itself is one stop.
QList<QWidget*> ReadingOrder(QWidget* root);
// Makes Tab follow the reading order under `root`; returns that order.
QList<QWidget*> OrderTabsByLayout(QWidget* root);

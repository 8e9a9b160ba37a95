#pragma once

#include <QDialog>

// A short description of the editor with usage notes, and a close button.
class FAbout : public QDialog {
    Q_OBJECT
public:
    explicit FAbout(QWidget* parent = nullptr);
};

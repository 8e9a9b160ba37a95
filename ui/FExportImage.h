#pragma once

#include <QDialog>

#include "ui/render/MapImageFile.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;

// What Map > Export Image saves: the galaxy or the system on the system map,
// at a scale of the editor's picture, with or without the names.
struct ImageExportChoice {
    bool system = false;
    double scale = DefaultGalaxyImageScale;
    bool labels = true;
};

// "Export Image": what to export, the scale (the picture's size in pixels is
// shown beside it) and whether names are drawn. The system can be chosen only
// when one is shown.
class FExportImage : public QDialog {
    Q_OBJECT
public:
    // systemName: the system shown on the system map; empty when there is none.
    FExportImage(const QString& systemName, QWidget* parent = nullptr);

    ImageExportChoice Choice() const;

    QRadioButton* optGalaxy = nullptr;
    QRadioButton* optSystem = nullptr;
    QDoubleSpinBox* spnScale = nullptr;
    QCheckBox* chkLabels = nullptr;
    QLabel* lblSize = nullptr;

private:
    void TargetChanged();
    void ShowSize();
};

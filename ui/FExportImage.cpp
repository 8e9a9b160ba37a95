#include "ui/FExportImage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/DialogParts.h"
#include "ui/render/GalaxyPainter.h"
#include "ui/render/MapImageFile.h"
#include "ui/render/SystemMapPainter.h"

FExportImage::FExportImage(const QString& systemName, QWidget* parent) : QDialog(parent) {
    setObjectName("FExportImage");
    setWindowTitle(tr("Export Image"));
    auto* layout = new QVBoxLayout(this);
    optGalaxy = new QRadioButton(tr("The galaxy"));
    optSystem = new QRadioButton(systemName.isEmpty() ? tr("The selected system (none is selected)")
                                                      : tr("The system %1").arg(systemName));
    optSystem->setEnabled(!systemName.isEmpty());
    optGalaxy->setChecked(true);
    layout->addWidget(optGalaxy);
    layout->addWidget(optSystem);
    auto* form = new QFormLayout;
    spnScale = new QDoubleSpinBox;
    spnScale->setRange(MinImageScale, MaxImageScale);
    spnScale->setSingleStep(0.5);
    spnScale->setDecimals(2);
    spnScale->setSuffix(tr(" x"));
    form->addRow(tr("Scale:"), spnScale);
    form->addRow(tr("Size:"), lblSize = new QLabel);
    layout->addLayout(form);
    layout->addWidget(chkLabels = new QCheckBox(tr("Draw the names")));
    chkLabels->setChecked(true);
    AddOkCancelRow(this, layout, [this] { accept(); }, tr("Export..."));
    connect(optSystem, &QRadioButton::toggled, this, &FExportImage::TargetChanged);
    connect(spnScale, &QDoubleSpinBox::valueChanged, this, &FExportImage::ShowSize);
    TargetChanged();
}

ImageExportChoice FExportImage::Choice() const {
    return {optSystem->isChecked(), spnScale->value(), chkLabels->isChecked()};
}

// Each picture starts at the scale it is best shared at.
void FExportImage::TargetChanged() {
    spnScale->setValue(optSystem->isChecked() ? DefaultSystemImageScale : DefaultGalaxyImageScale);
    ShowSize();
}

void FExportImage::ShowSize() {
    const double scale = spnScale->value();
    const QSize size = optSystem->isChecked() ? SystemMapPainter::SizeAt(scale) : GalaxyPainter::SizeAt(scale);
    lblSize->setText(tr("%1 x %2 pixels").arg(size.width()).arg(size.height()));
}

#include "ui/LongWorkProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "ui/ElidedLabel.h"

LongWorkProgress::LongWorkProgress(QWidget* parent, const QString& title, int steps)
    : dialog_(new QProgressDialog(parent)) {
    dialog_->setObjectName("LongWorkProgress");
    dialog_->setWindowTitle(title);
    dialog_->setWindowModality(Qt::WindowModal);
    // A fixed width: long names are cut instead of resizing the window.
    dialog_->setLabel(new ElidedLabel);
    dialog_->setFixedWidth(420);
    dialog_->setRange(0, steps);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumDuration(300);
    dialog_->setValue(0);
    elapsed_.start();
}

LongWorkProgress::~LongWorkProgress() { delete dialog_; }

void LongWorkProgress::Step(int done, const QString& text) {
    dialog_->setLabelText(QString("%1 (%2 of %3)").arg(text).arg(done).arg(dialog_->maximum()));
    dialog_->setValue(std::min(done, dialog_->maximum()));
    QCoreApplication::processEvents();
}

void LongWorkProgress::Tick(const QString& text) {
    const qint64 seconds = elapsed_.elapsed() / 1000;
    dialog_->setLabelText(QCoreApplication::translate("LongWorkProgress", "%1 (%2 s)").arg(text).arg(seconds));
    // With no known length the bar moves to show that work goes on.
    dialog_->setValue(0);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool LongWorkProgress::Cancelled() const { return dialog_->wasCanceled(); }

#include "ui/RecordingPrompts.h"

#include <QDialog>

#include "ui/MessageBoxPrompts.h"

int RecordingPrompts::ExecDialog(QDialog& dialog) {
    openedDialogs.push_back(ToBytes(dialog.windowTitle()));
    if (drivers.empty()) {
        dialog.reject();
        return QDialog::Rejected;
    }
    DialogDriver driver = std::move(drivers.front());
    drivers.pop_front();
    return driver(dialog);
}

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
    dialog.setResult(QDialog::Rejected);  // as exec() starts, also for a dialog used before
    bool finished = false;
    const QMetaObject::Connection watch = QObject::connect(&dialog, &QDialog::finished, [&finished] { finished = true; });
    const int result = driver(dialog);
    QObject::disconnect(watch);
    // A dialog that refused its input is still open: the user gives up with Cancel.
    if (!finished) {
        dialog.reject();
        return QDialog::Rejected;
    }
    return result;
}

SaveChoice RecordingPrompts::AskSaveChanges(const std::string& mapName) {
    recorder.entries.push_back({RecordingReporter::Entry::Kind::Question, SaveChangesText(mapName)});
    if (saveChoices.empty()) return SaveChoice::Cancel;
    const SaveChoice choice = saveChoices.front();
    saveChoices.pop_front();
    return choice;
}

bool RecordingPrompts::AskRestore(const std::string& message) {
    recorder.entries.push_back({RecordingReporter::Entry::Kind::Question, message});
    if (restoreAnswers.empty()) return false;
    const bool restore = restoreAnswers.front();
    restoreAnswers.pop_front();
    return restore;
}

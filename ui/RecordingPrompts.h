#pragma once

#include <deque>
#include <functional>

#include "text/Reporter.h"
#include "ui/UserPrompts.h"

// Prompts for tests: records every message, answers questions from a queue
// (Yes when empty) and drives dialogs with queued callbacks instead of a user.
// A dialog its callback leaves open (it refused the input) is then cancelled.
// A callback fills the dialog's fields and returns the result to report
// (usually after calling accept() or reject() on the dialog).
class RecordingPrompts : public UserPrompts {
public:
    using DialogDriver = std::function<int(QDialog&)>;

    void Error(const std::string& message) override { recorder.Error(message); }
    void Information(const std::string& message) override { recorder.Information(message); }
    bool Question(const std::string& message) override { return recorder.Question(message); }
    // Runs the next queued driver; with none queued the dialog is rejected.
    int ExecDialog(QDialog& dialog) override;
    // Records the question; answers from saveChoices (Cancel when empty, so
    // an unexpected question never loses a map).
    SaveChoice AskSaveChanges(const std::string& mapName) override;
    // Records the question; answers from restoreAnswers (Discard when empty).
    bool AskRestore(const std::string& message) override;

    void QueueAnswer(bool yes) { recorder.answers.push_back(yes); }
    void QueueDialog(DialogDriver driver) { drivers.push_back(std::move(driver)); }
    std::vector<std::string> Messages() const { return recorder.Messages(); }
    void ClearMessages() { recorder.entries.clear(); }

    RecordingReporter recorder;
    std::deque<DialogDriver> drivers;
    std::deque<SaveChoice> saveChoices;
    std::deque<bool> restoreAnswers;
    // Titles of the dialogs opened, in order.
    std::vector<std::string> openedDialogs;
};

#pragma once

#include "text/Reporter.h"

#include <string>

class QDialog;

// The answers to "Save changes to NAME?".
enum class SaveChoice { Save, Discard, Cancel };

// Every message box and modal dialog of the editor goes through this object:
// the real one shows them, the tests' one records messages, answers questions
// and drives dialogs instead of waiting for a user.
class UserPrompts : public Reporter {
public:
    // Runs the dialog modally and returns its result (QDialog::Accepted or
    // QDialog::Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
    // Asks "Save changes to NAME?" with Save, Discard and Cancel.
    virtual SaveChoice AskSaveChanges(const std::string& mapName) = 0;
    // Asks whether to restore a recovered map: true for Restore, false for
    // Discard.
    virtual bool AskRestore(const std::string& message) = 0;
};

// "Save changes to NAME?"
std::string SaveChangesText(const std::string& mapName);

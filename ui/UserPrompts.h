#pragma once

#include "text/Reporter.h"

class QDialog;

// Every message box and modal dialog of the editor goes through this object:
// the real one shows them, the tests' one records messages, answers questions
// and drives dialogs instead of waiting for a user.
class UserPrompts : public Reporter {
public:
    // Runs the dialog modally and returns its result (QDialog::Accepted or
    // QDialog::Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
};

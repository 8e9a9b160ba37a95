#pragma once

#include <QPointer>
#include <QWidget>

// Disables a widget (the window's command area) while a long operation
// processes pending events, so that no command can start again meanwhile.
// Nested guards keep it disabled until the outermost one ends.
class BusyGuard {
public:
    explicit BusyGuard(QWidget* commands) : commands_(commands), wasEnabled_(commands && commands->isEnabled()) {
        if (commands_) commands_->setEnabled(false);
    }
    ~BusyGuard() {
        if (commands_) commands_->setEnabled(wasEnabled_);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    QPointer<QWidget> commands_;
    bool wasEnabled_;
};

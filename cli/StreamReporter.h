#pragma once

#include <ostream>
#include <string>

#include "text/Reporter.h"

// Messages go to the error stream; a command has no one to ask, so every
// question is shown and answered Yes.
class StreamReporter : public Reporter {
public:
    explicit StreamReporter(std::ostream& err) : err_(err) {}
    void Error(const std::string& message) override { err_ << message << '\n'; }
    void Information(const std::string& message) override { err_ << message << '\n'; }
    bool Question(const std::string& message) override {
        err_ << message << " (answered Yes)\n";
        return true;
    }

private:
    std::ostream& err_;
};

#pragma once

#include <set>
#include <string>

#include "text/Reporter.h"

// Passes each distinct error or information text on once: a generation that
// meets the same missing catalogue entry for hundreds of objects tells the
// user once instead of opening hundreds of message boxes.
class OnceReporter : public Reporter {
public:
    explicit OnceReporter(Reporter& target) : target_(target) {}

    void Error(const std::string& message) override {
        if (shown_.insert(message).second) target_.Error(message);
    }
    void Information(const std::string& message) override {
        if (shown_.insert(message).second) target_.Information(message);
    }
    bool Question(const std::string& message) override { return target_.Question(message); }

private:
    Reporter& target_;
    std::set<std::string> shown_;
};

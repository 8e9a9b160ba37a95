#pragma once

#include <string>
#include <vector>

#include "text/Reporter.h"

// Gathers what start-up or a change of settings reports, so that the user
// sees one message listing everything missing instead of one box per file.
// Questions still go to the user at once.
class CollectedMessages : public Reporter {
public:
    explicit CollectedMessages(Reporter& user) : user_(user) {}

    void Error(const std::string& message) override { messages.push_back(message); }
    void Information(const std::string& message) override { messages.push_back(message); }
    bool Question(const std::string& message) override { return user_.Question(message); }

    std::vector<std::string> messages;

private:
    Reporter& user_;
};

// The one message: each report on its own line and how to put things right.
std::string StartUpSummary(const std::vector<std::string>& messages);

#pragma once

#include <string>
#include <vector>

// How the core speaks to the user. The editor shows message boxes; tests and
// the command-line tool record or print.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void Error(const std::string& message) = 0;
    virtual void Information(const std::string& message) = 0;
    // A Yes/No question; true means Yes.
    virtual bool Question(const std::string& message) = 0;
};

// Keeps every message in order; answers questions from a queue (default Yes).
class RecordingReporter : public Reporter {
public:
    struct Entry {
        enum class Kind { Error, Information, Question } kind;
        std::string message;
    };

    void Error(const std::string& message) override { entries.push_back({Entry::Kind::Error, message}); }
    void Information(const std::string& message) override {
        entries.push_back({Entry::Kind::Information, message});
    }
    bool Question(const std::string& message) override {
        entries.push_back({Entry::Kind::Question, message});
        if (answers.empty()) return true;
        bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& e : entries) texts.push_back(e.message);
        return texts;
    }

    std::vector<Entry> entries;
    std::vector<bool> answers;
};

// Discards everything and answers Yes; for callers that have no user.
class SilentReporter : public Reporter {
public:
    void Error(const std::string&) override {}
    void Information(const std::string&) override {}
    bool Question(const std::string&) override { return true; }
};

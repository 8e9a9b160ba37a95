#include "cli/JsonWriter.h"

#include <cstdio>
#include <ostream>

std::string JsonWriter::Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte > 0x7e) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void JsonWriter::Key(const std::string& name) {
    BeforeValue();
    out_ << Quoted(name) << ": ";
    afterKey_ = true;
}

void JsonWriter::String(const std::string& text) {
    BeforeValue();
    out_ << Quoted(text);
}

void JsonWriter::Number(std::int64_t value) {
    BeforeValue();
    out_ << value;
}

// A member's value follows its key on the same line; any other value starts
// a line of its own, after a comma when it is not the first.
void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMembers_.empty()) return;
    if (hasMembers_.back()) out_ << ',';
    hasMembers_.back() = true;
    NewLine();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ << bracket;
    hasMembers_.push_back(false);
}

void JsonWriter::Close(char bracket) {
    const bool hadMembers = hasMembers_.back();
    hasMembers_.pop_back();
    if (hadMembers) NewLine();
    out_ << bracket;
    if (hasMembers_.empty()) out_ << '\n';
}

void JsonWriter::NewLine() { out_ << '\n' << std::string(2 * hasMembers_.size(), ' '); }

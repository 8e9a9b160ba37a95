#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// Writes one JSON value, indented by two blanks per level. Texts are byte
// strings in Latin-1, as everywhere in the editor; each byte above 127 is
// written as the \u escape of its code point, so the output is plain ASCII.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The name of the next member of the open object.
    void Key(const std::string& name);
    void String(const std::string& text);
    void Number(std::int64_t value);

    // The text as a JSON string literal, quotes included.
    static std::string Quoted(const std::string& text);

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    std::ostream& out_;
    std::vector<bool> hasMembers_;  // per open object or array
    bool afterKey_ = false;
};

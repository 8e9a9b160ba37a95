#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "mapfile/TxtLine.h"

// The text of a txt map being written: lines ended by CR LF, appended into
// one buffer so that a large map costs no allocation per line.
class TxtLineBuffer {
public:
    // A key line: keyPrefix and keyWord joined, padded to the key width, then
    // ":= " and the value.
    void Key(std::string_view keyPrefix, std::string_view keyWord, std::string_view value) {
        const std::size_t keyLength = keyPrefix.size() + keyWord.size();
        text_.append(keyPrefix);
        text_.append(keyWord);
        if (keyLength < TxtKeyWidth) text_.append(TxtKeyWidth - keyLength, ' ');
        text_.append(":= ");
        text_.append(value);
        EndLine();
    }
    void Key(std::string_view key, std::string_view value) { Key(key, {}, value); }
    void Key(std::string_view keyPrefix, std::string_view keyWord, std::int32_t value) {
        Key(keyPrefix, keyWord, std::string_view(std::to_string(value)));
    }
    void Key(std::string_view key, std::int32_t value) { Key(key, {}, value); }

    // A line written as it stands.
    void Raw(std::string_view line) {
        text_.append(line);
        EndLine();
    }

    void Reserve(std::size_t bytes) { text_.reserve(bytes); }
    std::int32_t Count() const { return count_; }
    const std::string& Text() const { return text_; }
    std::string TakeText() { return std::move(text_); }

private:
    void EndLine() {
        text_.append("\r\n");
        ++count_;
    }

    std::string text_;
    std::int32_t count_ = 0;
};
